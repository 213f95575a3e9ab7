#pragma once
#include <windows.h>

#include <string>
#include <string_view>

#include "win/Window.h"

namespace Win {

// A text label drawn in a chosen colour (the monitor's result and status
// labels). The text is the window text.
class ColorDisplay : public Window {
 public:
  static constexpr wchar_t kClass[] = L"COLORDISPLAY";

  const wchar_t* ClassName() const override { return kClass; }
  LRESULT MessageHandler(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) override;

  static bool Register();
  bool Create(HWND parent, int id, int x, int y, int w, int h);
  // Takes the place, id, font and text of a placeholder control of a dialog
  // template, which is destroyed.
  bool CreateOver(HWND dialog, int placeholderId);

  void SetText(std::u16string_view text);
  std::u16string Text() const;
  void SetColour(COLORREF colour);  // redraws
  COLORREF Colour() const { return colour; }

 private:
  void Paint(HDC dc);

  COLORREF colour = RGB(0, 0, 0);
  HFONT font = nullptr;  // the parent's, not owned
};

}  // namespace Win
