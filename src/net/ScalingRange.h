#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "net/Balloon.h"
#include "net/Scaler.h"

// The scaling editor ("Scaling": one row per column) and its range dialog
// ("Input Scaling" / "Output scaling"), without their windows.
namespace ScalingRange {

enum Field { kMinimum, kMaximum };

// The editor's two texts of a row: the method and the range.
struct RowTexts {
  std::u16string method;
  std::u16string range;
};
RowTexts TextsOf(Scaler& scaler, std::int32_t row);

// OK of the range dialog: unless "No scaling", the maximum must exceed the
// minimum; otherwise every selected row gets the range and the method.
std::optional<Balloon> Accept(Scaler& scaler, const std::vector<std::int32_t>& selectedRows,
                              std::uint32_t method, double min, double max);

}  // namespace ScalingRange
