#pragma once
#include <cstdarg>
#include <string>
#include <string_view>

namespace platform {

// Text inside the program is UTF-16; these convert at the boundaries (the
// terminal, POSIX paths) and format numbers the way the displays need.

std::u16string Utf8ToUtf16(std::string_view text);
std::string Utf16ToUtf8(std::u16string_view text);
// The bytes of text stored as UTF-16LE without a byte-order mark, the same on
// every platform.
std::string Utf16LeBytes(std::u16string_view text);

// printf-style formatting of an ASCII format into UTF-16. "%s" arguments are
// narrow (UTF-8) strings.
std::u16string Format(const char* format, ...) __attribute__((format(printf, 1, 2)));
std::u16string FormatV(const char* format, std::va_list args);

// An integer with comma thousands separators, for values below one billion
// in magnitude: 1234567 -> "1,234,567", -1000 -> "-1,000"; larger ones plain.
std::u16string ThousandsText(long long value);

}  // namespace platform

namespace platform {

// Single-byte text in the system's default code page (Latin-1 on POSIX) to
// UTF-16, one code unit per byte on POSIX.
std::u16string SystemCodePageToUtf16(std::string_view text);

}  // namespace platform

namespace platform {

// Copies text into a fixed buffer of `capacity` code units, truncating so the
// last unit is always NUL, and returns the buffer.
const char16_t* CopyTruncated(char16_t* buffer, std::size_t capacity, std::u16string_view text);

}  // namespace platform

#include <filesystem>

namespace platform {

// A path from UTF-8 text (command-line arguments, test names), so non-ASCII
// names work on both platforms.
std::filesystem::path PathFromUtf8(std::string_view text);

}  // namespace platform
