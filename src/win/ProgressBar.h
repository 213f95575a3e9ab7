#pragma once
#include "win/Control.h"

namespace Win {

class ProgressBar : public Control {
 public:
  using Control::Control;
  bool Create(HWND parent, int id, int x, int y, int w, int h);
  void SetRange(int low, int high);
  void SetPosition(int position);
  int Position() const;
};

}  // namespace Win
