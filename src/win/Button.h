#pragma once
#include "win/Control.h"

namespace Win {

// A push button.
class Button : public Control {
 public:
  using Control::Control;
  bool Create(HWND parent, int id, int x, int y, int w, int h, std::u16string_view text);
  // Presses it: the parent receives the click as if from the user.
  void Click();
};

}  // namespace Win
