#pragma once
#include <optional>
#include <string>

#include "net/Balloon.h"
#include "net/NetworkSetup.h"

// The logic of the Network Setup dialog: the fields it edits, how they
// follow one another ("Output = Input" copies the inputs, "Complex" forces
// the hidden layers), the caption, and the checks on OK. The window only
// moves values between its controls and this form.
class NetworkSetupForm {
 public:
  enum Field { kInputs, kHidden1, kHidden2, kOutputs };

  explicit NetworkSetupForm(const networkSetup& start);

  // Re-applies the rules after any edit of `fields`.
  void Follow();
  // Whether the outputs box (with its spin control) is enabled; it is not
  // under "Output = Input".
  bool OutputsEnabled() const { return fields.style != kOutputEqualsInput; }
  // Whether hidden layer 2's box, list and spin control are enabled.
  bool Hidden2Enabled() const { return !fields.complex; }
  std::u16string Caption() const { return caption; }
  // OK: the first failed check, or nothing after storing into `setup`.
  std::optional<Balloon> Accept(networkSetup& setup) const;

  networkSetup fields;

 private:
  std::u16string caption;
};
