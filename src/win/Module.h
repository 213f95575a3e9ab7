#pragma once
#include <windows.h>

namespace Win {

class Window;

// The program's instance and the registration and creation of the windows
// whose messages go to framework objects.
class Module {
 public:
  // GetModuleHandleW(nullptr) until set.
  static HINSTANCE Instance();
  static void SetInstance(HINSTANCE instance);

  struct ClassOptions {
    UINT style = 0;
    HICON icon = nullptr;
    HICON smallIcon = nullptr;
    const wchar_t* menu = nullptr;
    HCURSOR cursor = nullptr;  // null: the arrow
    HBRUSH background = nullptr;
  };
  // Registers a class whose procedure is Window::InternalWndProc; a second
  // registration of the same class is not an error.
  static bool RegisterWindowClass(const wchar_t* className, const ClassOptions& options);
  // Creates the window of window.ClassName() with &window as creation
  // parameter. On failure shows the error box "Win::Module::CreateWindow
  // unable to create window of class" with the class name and returns null.
  static HWND CreateWindowFor(Window& window, const wchar_t* title, DWORD style, DWORD exStyle, int x, int y,
                              int width, int height, HWND parent, HMENU menuOrId);
  // A custom control: its class (redrawn whole on resizing) registered when
  // it is not yet, and the window created as a visible child with an id.
  static bool RegisterControlClass(const wchar_t* className);
  static bool CreateControlFor(Window& control, HWND parent, int id, int x, int y, int width, int height);
  // The common controls the framework wraps and the rich edit, registered
  // once per process.
  static void InitCommonControls();
};

}  // namespace Win
