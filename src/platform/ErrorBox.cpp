#include "platform/ErrorBox.h"

#include <cstdio>

#include "platform/Text.h"

namespace platform {

namespace {

void WriteToStandardError(std::u16string_view text, std::u16string_view caption) {
  std::fprintf(stderr, "%s: %s\n", Utf16ToUtf8(caption).c_str(), Utf16ToUtf8(text).c_str());
}

ErrorBoxHandler current = WriteToStandardError;

}  // namespace

void SetErrorBoxHandler(ErrorBoxHandler handler) {
  current = handler ? handler : WriteToStandardError;
}

void ShowErrorBox(std::u16string_view text, std::u16string_view caption) { current(text, caption); }

}  // namespace platform
