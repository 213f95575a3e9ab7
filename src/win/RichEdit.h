#pragma once
#include "win/Control.h"

namespace Win {

// A rich-text field. The rich-edit library is loaded once, on first need
// (dialog templates may name either "RICHEDIT50W" or "RichEdit20W").
class RichEdit : public Control {
 public:
  using Control::Control;
  // A multi-line field with a vertical scroll bar.
  bool Create(HWND parent, int id, int x, int y, int w, int h, bool readOnly = false);
  void SetFont(std::u16string_view face, int points);
  // The class of the newest rich edit available; loads the libraries.
  static const wchar_t* ClassName();
};

}  // namespace Win
