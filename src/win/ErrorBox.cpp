#include "win/ErrorBox.h"

#include "platform/ErrorBox.h"
#include "win/WideText.h"

namespace Win {

namespace {

void ShowMessageBox(std::u16string_view text, std::u16string_view caption) {
  MessageBoxW(GetActiveWindow(), Wide(std::u16string(text)), Wide(std::u16string(caption)),
              MB_OK | MB_ICONERROR);
}

}  // namespace

void ErrorBox::ShowLastError(std::u16string_view context, std::u16string_view second) {
  DWORD code = GetLastError();
  std::u16string caption(context);
  caption += u' ';
  caption += second;
  Show(SystemText(code), caption);
}

void ErrorBox::Show(std::u16string_view text, std::u16string_view caption) {
  platform::ShowErrorBox(text, caption);
}

void ErrorBox::UseMessageBoxes() { platform::SetErrorBoxHandler(ShowMessageBox); }

std::u16string ErrorBox::SystemText(DWORD code) {
  wchar_t* text = nullptr;
  DWORD length = FormatMessageW(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
      code, MAKELANGID(LANG_NEUTRAL, SUBLANG_DEFAULT), reinterpret_cast<LPWSTR>(&text), 0, nullptr);
  std::u16string message;
  if (length > 0 && text) message.assign(reinterpret_cast<const char16_t*>(text), length);
  if (text) LocalFree(text);
  return message;
}

}  // namespace Win
