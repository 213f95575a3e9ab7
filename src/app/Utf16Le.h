#pragma once
#include <string_view>
#include <vector>

// UTF-16 text as the little-endian bytes the workbench's text files hold,
// the same on every platform.
inline std::vector<unsigned char> Utf16LeBytes(std::u16string_view text) {
  std::vector<unsigned char> bytes;
  bytes.reserve(2 * text.size());
  for (char16_t unit : text) {
    bytes.push_back(static_cast<unsigned char>(unit & 0xFF));
    bytes.push_back(static_cast<unsigned char>(unit >> 8));
  }
  return bytes;
}
