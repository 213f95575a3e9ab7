#pragma once
#include <windows.h>

#include <string>
#include <string_view>

namespace Win {

// Failures at the window-system level, shown with the system's own text.
// They go through the platform's error-box hook, so the workbench shows a
// message box and the tests can read what would have been shown.
class ErrorBox {
 public:
  // The system's text for GetLastError(), captioned "%s %s" from context
  // and second.
  static void ShowLastError(std::u16string_view context = u"Error: Win::Module",
                            std::u16string_view second = u"");
  static void Show(std::u16string_view text, std::u16string_view caption);
  // Makes the error-box hook show a message box with the error icon; the
  // program calls this once at start-up.
  static void UseMessageBoxes();
  // The system's text for an error code, as FormatMessage gives it.
  static std::u16string SystemText(DWORD code);
};

}  // namespace Win
