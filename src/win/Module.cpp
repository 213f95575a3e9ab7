#include "win/Module.h"

#include <commctrl.h>

#include "win/ErrorBox.h"
#include "win/RichEdit.h"
#include "win/Window.h"

namespace Win {

namespace {
HINSTANCE instance = nullptr;
}

HINSTANCE Module::Instance() { return instance ? instance : GetModuleHandleW(nullptr); }

void Module::SetInstance(HINSTANCE value) { instance = value; }

bool Module::RegisterWindowClass(const wchar_t* className, const ClassOptions& options) {
  if (!instance) instance = GetModuleHandleW(nullptr);
  WNDCLASSEXW existing{};
  existing.cbSize = sizeof existing;
  if (GetClassInfoExW(instance, className, &existing)) return true;
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof wc;
  wc.style = options.style;
  wc.lpfnWndProc = Window::InternalWndProc;
  wc.hInstance = instance;
  wc.hIcon = options.icon;
  wc.hIconSm = options.smallIcon;
  wc.hCursor = options.cursor ? options.cursor : LoadCursorW(nullptr, IDC_ARROW);
  wc.hbrBackground = options.background;
  wc.lpszMenuName = options.menu;
  wc.lpszClassName = className;
  return RegisterClassExW(&wc) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

HWND Module::CreateWindowFor(Window& window, const wchar_t* title, DWORD style, DWORD exStyle, int x, int y,
                             int width, int height, HWND parent, HMENU menuOrId) {
  HWND hwnd = CreateWindowExW(exStyle, window.ClassName(), title, style, x, y, width, height, parent,
                              menuOrId, Instance(), &window);
  if (!hwnd) {
    ErrorBox::ShowLastError(u"Win::Module::CreateWindow unable to create window of class",
                            reinterpret_cast<const char16_t*>(window.ClassName()));
  }
  return hwnd;
}

bool Module::RegisterControlClass(const wchar_t* className) {
  ClassOptions options;
  options.style = CS_HREDRAW | CS_VREDRAW;
  return RegisterWindowClass(className, options);
}

bool Module::CreateControlFor(Window& control, HWND parent, int id, int x, int y, int width, int height) {
  RegisterControlClass(control.ClassName());
  return CreateWindowFor(control, L"", WS_CHILD | WS_VISIBLE, 0, x, y, width, height, parent,
                         reinterpret_cast<HMENU>(static_cast<INT_PTR>(id))) != nullptr;
}

void Module::InitCommonControls() {
  static const bool done = [] {
    INITCOMMONCONTROLSEX controls{};
    controls.dwSize = sizeof controls;
    controls.dwICC =
        ICC_WIN95_CLASSES | ICC_BAR_CLASSES | ICC_PROGRESS_CLASS | ICC_LISTVIEW_CLASSES | ICC_UPDOWN_CLASS;
    bool registered = InitCommonControlsEx(&controls) != FALSE;
    RichEdit::ClassName();
    return registered;
  }();
  (void)done;
}

}  // namespace Win
