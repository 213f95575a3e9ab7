#pragma once
#include "win/Control.h"

namespace Win {

// A spin control that steps the number in its buddy field.
class UpDown : public Control {
 public:
  using Control::Control;
  void SetRange(int low, int high);
  void SetBuddy(HWND buddy);
  void SetPosition(int position);
  int Position() const;
};

}  // namespace Win
