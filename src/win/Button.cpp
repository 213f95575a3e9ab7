#include "win/Button.h"

namespace Win {

bool Button::Create(HWND parent, int controlId, int x, int y, int w, int h, std::u16string_view text) {
  if (!CreateChild(L"BUTTON", WS_TABSTOP | BS_PUSHBUTTON, 0, parent, controlId, x, y, w, h)) return false;
  SetText(text);
  return true;
}

void Button::Click() { Send(BM_CLICK); }

}  // namespace Win
