#pragma once
#include <windows.h>

#include <string>
#include <string_view>

namespace Win {

// A wrapper over one child control: it owns nothing and only sends
// messages, so it is cheap to copy. Attached to a dialog item or created as
// a child.
class Control {
 public:
  Control() = default;
  Control(HWND parent, int id) { Attach(parent, id); }

  void Attach(HWND parent, int id);
  // Wraps a control whose handle is already known.
  void AttachHandle(HWND control);
  HWND Handle() const { return handle; }
  int Id() const { return id; }

  void Enable(bool enabled);
  bool IsEnabled() const;
  void Show(bool visible);
  std::u16string Text() const;
  void SetText(std::u16string_view text);
  void Redraw();
  void Focus();

 protected:
  // Creates the control as a visible child of `parent`.
  bool CreateChild(const wchar_t* className, DWORD style, DWORD exStyle, HWND parent, int id, int x, int y,
                   int w, int h);
  LRESULT Send(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;

  HWND handle = nullptr;
  int id = 0;
};

}  // namespace Win
