#include "numerics/NumberText.h"

#include <charconv>
#include <cstdlib>
#include <string>

#if !defined(_WIN32)
#include <locale.h>
#endif

namespace numbertext {

namespace {

bool IsSpace(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

bool EndsCsvToken(char c) { return c == ',' || c == '\n'; }

// Characters that can never continue a number: when from_chars stops at one
// of them, strtod stops there too.
bool CannotContinueNumber(char c) { return c == ',' || IsSpace(c); }

// strtod on a copy of [first, last), in the C locale whatever the process
// locale is. Used for the rare forms the fast path does not take (a leading
// '+', hexadecimal, out-of-range values, no number at all).
double StrtodC(const char* first, const char* last, const char** stop) {
  std::string token(first, last);
  char* end = nullptr;
#if defined(_WIN32)
  // The Windows programs never change their locale from "C".
  double value = std::strtod(token.c_str(), &end);
#else
  static locale_t c_locale = newlocale(LC_ALL_MASK, "C", nullptr);
  double value = strtod_l(token.c_str(), &end, c_locale);
#endif
  *stop = first + (end - token.c_str());
  return value;
}

// Reads a number at p (white space already skipped) whose token ends at
// tokenEnd(p..) : the fast path when from_chars agrees with strtod, else
// strtod on the token.
template <typename FindEnd>
double ParseAt(const char* first, const char* p, const char* last, FindEnd findEnd, const char** stop) {
  double value = 0.0;
  auto [end, ec] = std::from_chars(p, last, value);
  if (ec == std::errc() && (end == last || CannotContinueNumber(*end))) {
    *stop = end;
    return value;
  }
  value = StrtodC(p, findEnd(p), stop);
  if (*stop == p) *stop = first;
  return value;
}

}  // namespace

double ParseLeading(const char* first, const char* last, const char** stop) {
  const char* p = first;
  while (p < last && IsSpace(*p)) ++p;
  if (p == last) {
    *stop = first;
    return 0.0;
  }
  return ParseAt(first, p, last, [last](const char*) { return last; }, stop);
}

double ParseCsvToken(const char* first, const char* last, const char** stop) {
  const char* p = first;
  while (p < last && IsSpace(*p) && *p != '\n') ++p;
  if (p == last || EndsCsvToken(*p)) {
    *stop = first;
    return 0.0;
  }
  const auto tokenEnd = [last](const char* q) {
    while (q < last && !EndsCsvToken(*q)) ++q;
    return q;
  };
  // A number cannot run past the token's end, so parsing up to `last` and
  // parsing up to the token's end agree.
  return ParseAt(first, p, last, tokenEnd, stop);
}

char* FormatFixed14(double value, char* out) {
  return std::to_chars(out, out + kMaxFixed14, value, std::chars_format::fixed, 14).ptr;
}

}  // namespace numbertext
