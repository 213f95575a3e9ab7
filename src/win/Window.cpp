#include "win/Window.h"

#include "win/ErrorBox.h"

namespace Win {

namespace {
constexpr char16_t kProcedure[] = u"Win::Window::InternalWndProc";
}

Window::~Window() {
  if (!hWnd) return;
  // Unbind first: the messages of the destruction must not reach an object
  // whose derived part is already gone.
  SetWindowLongPtrW(hWnd, GWLP_USERDATA, 0);
  DestroyWindow(hWnd);
}

LRESULT Window::MessageHandler(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  return DefWindowProcW(hwnd, message, wParam, lParam);
}

Window* Window::From(HWND hwnd) { return reinterpret_cast<Window*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA)); }

LRESULT Window::BindOnCreate(HWND hwnd, WPARAM wParam, LPARAM lParam) {
  auto* create = reinterpret_cast<CREATESTRUCTW*>(lParam);
  if (!create) {
    // Default processing would read the missing record; refusing the
    // creation is the only safe answer.
    ErrorBox::Show(u"Invalid CREATESTRUCT pointer during WM_NCCREATE", kProcedure);
    return FALSE;
  }
  auto* window = static_cast<Window*>(create->lpCreateParams);
  if (!window) {
    ErrorBox::Show(u"Invalid pointer during WM_NCCREATE", kProcedure);
    return DefWindowProcW(hwnd, WM_NCCREATE, wParam, lParam);
  }
  window->hWnd = hwnd;
  SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(window));
  return window->Dispatch(hwnd, WM_NCCREATE, wParam, lParam);
}

LRESULT Window::Dispatch(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_SIZE) {
    width = LOWORD(lParam);
    height = HIWORD(lParam);
  }
  if (message == WM_NCDESTROY) {
    // Unbound before the last message, so its handler may delete the object.
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
    hWnd = nullptr;
  }
  return MessageHandler(hwnd, message, wParam, lParam);
}

LRESULT CALLBACK Window::InternalWndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) return BindOnCreate(hwnd, wParam, lParam);
  Window* window = From(hwnd);
  if (!window) return DefWindowProcW(hwnd, message, wParam, lParam);
  return window->Dispatch(hwnd, message, wParam, lParam);
}

}  // namespace Win
