#include "win/Control.h"

#include "win/Module.h"
#include "win/WideText.h"

namespace Win {

void Control::Attach(HWND parent, int controlId) {
  handle = GetDlgItem(parent, controlId);
  id = controlId;
}

void Control::AttachHandle(HWND control) {
  handle = control;
  id = GetDlgCtrlID(control);
}

void Control::Enable(bool enabled) { EnableWindow(handle, enabled ? TRUE : FALSE); }

bool Control::IsEnabled() const { return IsWindowEnabled(handle) != FALSE; }

void Control::Show(bool visible) { ShowWindow(handle, visible ? SW_SHOW : SW_HIDE); }

std::u16string Control::Text() const { return WindowText(handle); }

void Control::SetText(std::u16string_view text) { SetWindowTextW(handle, Wide(std::u16string(text))); }

void Control::Redraw() {
  InvalidateRect(handle, nullptr, TRUE);
  UpdateWindow(handle);
}

void Control::Focus() { SetFocus(handle); }

bool Control::CreateChild(const wchar_t* className, DWORD style, DWORD exStyle, HWND parent, int controlId,
                          int x, int y, int w, int h) {
  Module::InitCommonControls();
  handle =
      CreateWindowExW(exStyle, className, L"", WS_CHILD | WS_VISIBLE | style, x, y, w, h, parent,
                      reinterpret_cast<HMENU>(static_cast<INT_PTR>(controlId)), Module::Instance(), nullptr);
  id = controlId;
  return handle != nullptr;
}

LRESULT Control::Send(UINT message, WPARAM wParam, LPARAM lParam) const {
  return SendMessageW(handle, message, wParam, lParam);
}

}  // namespace Win
