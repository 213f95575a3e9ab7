#include "win/Toolbar.h"

#include <commctrl.h>

#include "win/Module.h"

namespace Win {

namespace {

std::vector<TBBUTTON> Buttons(const std::vector<int>& commands) {
  std::vector<TBBUTTON> buttons;
  int image = 0;
  for (int command : commands) {
    TBBUTTON button{};
    button.idCommand = command;
    if (command == 0) {
      button.fsStyle = BTNS_SEP;
    } else {
      button.iBitmap = image++;
      button.fsState = TBSTATE_ENABLED;
      button.fsStyle = BTNS_BUTTON;
    }
    buttons.push_back(button);
  }
  return buttons;
}

}  // namespace

bool Toolbar::Create(HWND parent, int controlId, int bitmapResourceId, int bitmapButtonCount,
                     const std::vector<int>& commands) {
  return Create(parent, controlId, Module::Instance(), static_cast<UINT_PTR>(bitmapResourceId),
                bitmapButtonCount, commands);
}

bool Toolbar::Create(HWND parent, int controlId, HINSTANCE bitmapModule, UINT_PTR bitmapId,
                     int bitmapButtonCount, const std::vector<int>& commands) {
  if (!CreateChild(TOOLBARCLASSNAMEW, TBSTYLE_TOOLTIPS | TBSTYLE_FLAT | CCS_TOP, 0, parent, controlId, 0, 0,
                   0, 0)) {
    return false;
  }
  Send(TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON));
  TBADDBITMAP bitmap{bitmapModule, bitmapId};
  Send(TB_ADDBITMAP, static_cast<WPARAM>(bitmapButtonCount), reinterpret_cast<LPARAM>(&bitmap));
  std::vector<TBBUTTON> buttons = Buttons(commands);
  Send(TB_ADDBUTTONSW, buttons.size(), reinterpret_cast<LPARAM>(buttons.data()));
  AutoSize();
  return true;
}

void Toolbar::EnableButton(int command, bool enabled) {
  Send(TB_ENABLEBUTTON, static_cast<WPARAM>(command), MAKELPARAM(enabled ? TRUE : FALSE, 0));
}

bool Toolbar::IsButtonEnabled(int command) const {
  return Send(TB_ISBUTTONENABLED, static_cast<WPARAM>(command)) != 0;
}

int Toolbar::ButtonCount() const { return static_cast<int>(Send(TB_BUTTONCOUNT)); }

int Toolbar::Height() const {
  RECT rect{};
  GetWindowRect(handle, &rect);
  return rect.bottom - rect.top;
}

void Toolbar::AutoSize() { Send(TB_AUTOSIZE); }

}  // namespace Win
