#pragma once
#include <cstddef>

// Number conversions for the data files. They give exactly what the C
// library's strtod (in the C locale) and "%.14f" give, only faster.
namespace numbertext {

// strtod on the token [first, last): skips leading white space, reads the
// longest prefix that forms a number and returns its value (0.0 when there
// is none). *stop receives the end of the number (first when none).
double ParseLeading(const char* first, const char* last, const char** stop);

// The same for a comma-separated token that starts at `first` and ends at
// the next ',' or '\n' (or at `last`), without the caller having to find
// that end first.
double ParseCsvToken(const char* first, const char* last, const char** stop);

// Longest text FormatFixed14 can produce: "%.14f" of the largest double.
constexpr std::size_t kMaxFixed14 = 330;

// Writes value as "%.14f" would into out (at least kMaxFixed14 bytes, no
// NUL appended) and returns the end of the text.
char* FormatFixed14(double value, char* out);

}  // namespace numbertext
