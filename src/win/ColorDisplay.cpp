#include "win/ColorDisplay.h"

#include "win/Module.h"
#include "win/WideText.h"

namespace Win {

bool ColorDisplay::Register() { return Module::RegisterControlClass(kClass); }

bool ColorDisplay::Create(HWND parent, int id, int x, int y, int w, int h) {
  return Module::CreateControlFor(*this, parent, id, x, y, w, h);
}

bool ColorDisplay::CreateOver(HWND dialog, int placeholderId) {
  HWND placeholder = GetDlgItem(dialog, placeholderId);
  if (!placeholder) return false;
  RECT rect{};
  GetWindowRect(placeholder, &rect);
  MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&rect), 2);
  auto placeholderFont = reinterpret_cast<HFONT>(SendMessageW(placeholder, WM_GETFONT, 0, 0));
  std::u16string text = WindowText(placeholder);
  DestroyWindow(placeholder);
  if (!Create(dialog, placeholderId, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top)) {
    return false;
  }
  font = placeholderFont;
  SetText(text);
  return true;
}

void ColorDisplay::SetText(std::u16string_view text) { SetWindowTextW(hWnd, Wide(std::u16string(text))); }

std::u16string ColorDisplay::Text() const { return WindowText(hWnd); }

void ColorDisplay::SetColour(COLORREF value) {
  colour = value;
  InvalidateRect(hWnd, nullptr, TRUE);
  UpdateWindow(hWnd);
}

LRESULT ColorDisplay::MessageHandler(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_PAINT: {
      PAINTSTRUCT paint;
      HDC dc = BeginPaint(hwnd, &paint);
      Paint(dc);
      EndPaint(hwnd, &paint);
      return 0;
    }
    case WM_PRINTCLIENT: Paint(reinterpret_cast<HDC>(wParam)); return 0;
    case WM_ERASEBKGND: return 1;  // Paint fills the whole area
    case WM_SETFONT:
      font = reinterpret_cast<HFONT>(wParam);
      if (LOWORD(lParam)) InvalidateRect(hwnd, nullptr, TRUE);
      return 0;
    case WM_GETFONT: return reinterpret_cast<LRESULT>(font);
    case WM_SETTEXT: {
      LRESULT result = Window::MessageHandler(hwnd, message, wParam, lParam);
      InvalidateRect(hwnd, nullptr, TRUE);
      return result;
    }
    default: return Window::MessageHandler(hwnd, message, wParam, lParam);
  }
}

// The label's background is the dialog's, so it reads as plain text.
void ColorDisplay::Paint(HDC dc) {
  RECT area{0, 0, width, height};
  FillRect(dc, &area, GetSysColorBrush(COLOR_BTNFACE));
  HGDIOBJ previous = SelectObject(dc, font ? font : GetStockObject(DEFAULT_GUI_FONT));
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, colour);
  std::u16string text = Text();
  DrawTextW(dc, Wide(text), static_cast<int>(text.size()), &area,
            DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS);
  SelectObject(dc, previous);
}

}  // namespace Win
