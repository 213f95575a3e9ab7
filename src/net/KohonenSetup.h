#pragma once
#include <cstdint>
#include <optional>

#include "net/Balloon.h"

// The Kohonen setup record and the check of its dialog ("Kohonen Network
// Setup"). The family has no engine: only the sizes are kept.
struct KohonenSetup {
  enum Field { kInputs, kOutputs };

  std::int32_t inputs = 0;
  std::int32_t outputs = 0;

  // OK: the first failed check, or nothing after storing the sizes.
  std::optional<Balloon> Accept(std::int32_t newInputs, std::int32_t newOutputs);
};
