#pragma once
#include <vector>

#include "win/Control.h"

namespace Win {

// A flat toolbar with tooltips. Its tooltip texts come from the parent's
// TTN_GETDISPINFOW handler, which knows the commands.
class Toolbar : public Control {
 public:
  using Control::Control;
  // Buttons from the bitmap resource `bitmapResourceId` of the program
  // (`bitmapButtonCount` images side by side), one per command in order;
  // a command 0 is a separator and takes no image.
  bool Create(HWND parent, int id, int bitmapResourceId, int bitmapButtonCount,
              const std::vector<int>& commands);
  // The same with the images from any module (HINST_COMMCTRL for the
  // system's standard images).
  bool Create(HWND parent, int id, HINSTANCE bitmapModule, UINT_PTR bitmapId, int bitmapButtonCount,
              const std::vector<int>& commands);
  void EnableButton(int command, bool enabled);
  bool IsButtonEnabled(int command) const;
  int ButtonCount() const;
  int Height() const;
  // Fits the bar to its parent's width after the parent was resized.
  void AutoSize();
};

}  // namespace Win
