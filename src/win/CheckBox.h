#pragma once
#include "win/Control.h"

namespace Win {

// A check box; radio buttons share its check state messages.
class CheckBox : public Control {
 public:
  using Control::Control;
  bool IsChecked() const;
  void SetChecked(bool checked);
};

}  // namespace Win
