#pragma once
#include <windows.h>

#include <string>
#include <vector>

#include "win/Window.h"

namespace wintest {

// Records what the error-box hook would have shown while it lives.
class ErrorCapture {
 public:
  struct Shown {
    std::u16string text;
    std::u16string caption;
  };
  ErrorCapture();
  ~ErrorCapture();
  const std::vector<Shown>& All() const;
};

// A plain top-level window to parent controls, shown so that painting and
// tooltips behave as on screen.
class HostWindow : public Win::Window {
 public:
  static constexpr wchar_t kClass[] = L"TESSARIONTESTHOST";
  HostWindow(int clientWidth = 400, int clientHeight = 300);
  const wchar_t* ClassName() const override { return kClass; }
};

// Delivers every pending message of this thread.
void PumpMessages();

// Builds a dialog template in memory: a caption-less dialog with the given
// controls, in dialog units.
class DialogTemplate {
 public:
  DialogTemplate(short width, short height);
  void AddControl(WORD classAtom, WORD id, DWORD style, short x, short y, short w, short h,
                  const wchar_t* text);
  const DLGTEMPLATE* Get();

 private:
  void AddWord(WORD word);
  void AddText(const wchar_t* text);
  void AlignToDword();
  std::vector<WORD> words;
};

// The client area of a window as it paints itself (WM_PRINTCLIENT into a
// 32-bit bitmap), independent of what covers it on screen.
class ClientPixels {
 public:
  explicit ClientPixels(HWND window);
  int Width() const { return width; }
  int Height() const { return height; }
  COLORREF At(int x, int y) const;
  int Count(COLORREF colour) const;
  // How many pixels of `colour` lie in column x.
  int CountInColumn(int x, COLORREF colour) const;

 private:
  int width = 0, height = 0;
  std::vector<COLORREF> pixels;
};

constexpr WORD kButtonAtom = 0x0080;
constexpr WORD kEditAtom = 0x0081;

}  // namespace wintest
