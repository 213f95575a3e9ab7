#pragma once
#include <windows.h>

namespace Win {

// Base of every window object. The object travels in the creation
// parameter, is stored in the window's user data on the first creation
// message, and every later message goes to its virtual handler.
class Window {
 public:
  Window() = default;
  Window(const Window&) = delete;
  Window& operator=(const Window&) = delete;
  // Destroys its window if still there.
  virtual ~Window();
  virtual void Reserved() {}
  // The window class the object's windows belong to.
  virtual const wchar_t* ClassName() const = 0;
  // Default processing (DefWindowProcW).
  virtual LRESULT MessageHandler(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

  HWND Handle() const { return hWnd; }
  int Width() const { return width; }
  int Height() const { return height; }
  bool IsModal() const { return modal; }

  static LRESULT CALLBACK InternalWndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

 protected:
  HWND hWnd = nullptr;
  int width = 0;  // client area, updated on every size message
  int height = 0;
  bool modal = false;

 private:
  static LRESULT BindOnCreate(HWND hwnd, WPARAM wParam, LPARAM lParam);
  static Window* From(HWND hwnd);
  LRESULT Dispatch(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
};

}  // namespace Win
