#pragma once
#include <windows.h>

#include <string>
#include <string_view>

// Text inside the program is UTF-16 and so is wchar_t on Windows; these
// cross the boundary to the window API without copying where they can.
namespace Win {

// The string's characters as the API's wide text; valid while `text` lives.
const wchar_t* Wide(const std::u16string& text);
std::u16string FromWide(const wchar_t* text);
// The text of a window (a control, a caption), any length.
std::u16string WindowText(HWND window);

}  // namespace Win
