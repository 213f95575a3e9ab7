#pragma once
#include "win/Control.h"

namespace Win {

// A slider over a range of whole numbers.
class Trackbar : public Control {
 public:
  using Control::Control;
  bool Create(HWND parent, int id, int x, int y, int w, int h, bool vertical = false);
  void SetRange(int low, int high);
  void SetPosition(int position);
  int Position() const;
};

}  // namespace Win
