#include "numerics/NumberText.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
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

constexpr double kPowersOfTen[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
                                   1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
constexpr std::uint64_t kExactInteger = 1ull << 53;

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Clinger's fast path for plain decimals ("-0.12345678901234"): when the
// digits form an integer below 2^53 and there are at most 22 decimals, both
// the integer and the power of ten are exact doubles, so one division gives
// the correctly rounded value, exactly what strtod returns. False when the
// text needs the general reader.
// Eight ASCII digits at p as a number, when all eight are digits (the
// classic SWAR reduction: pairs, then quads, then the whole word).
bool ReadEightDigits(const char* p, std::uint64_t& value) {
  std::uint64_t word;
  std::memcpy(&word, p, 8);
  if ((((word & 0xF0F0F0F0F0F0F0F0ull) | (((word + 0x0606060606060606ull) & 0xF0F0F0F0F0F0F0F0ull) >> 4))) !=
      0x3333333333333333ull)
    return false;
  word -= 0x3030303030303030ull;
  word = word * 10 + (word >> 8);
  word = (((word & 0x000000FF000000FFull) * (100 + (1000000ull << 32))) +
          (((word >> 16) & 0x000000FF000000FFull) * (1 + (10000ull << 32)))) >>
         32;
  value = word;
  return true;
}

// Appends the digits at p to `digits`, eight at a time where possible.
const char* ReadDigits(const char* p, const char* last, std::uint64_t& digits, int& count) {
  std::uint64_t eight;
  while (last - p >= 8 && count <= 11 && ReadEightDigits(p, eight)) {
    digits = digits * 100000000 + eight;
    count += 8;
    p += 8;
  }
  for (; p < last && IsDigit(*p) && count < 20; ++p, ++count) digits = digits * 10 + (*p - '0');
  return p;
}

// Clinger's fast path for plain decimals ("-0.12345678901234"): when the
// digits form an integer below 2^53 and there are at most 22 decimals, both
// the integer and the power of ten are exact doubles, so one division gives
// the correctly rounded value, exactly what strtod returns. False when the
// text needs the general reader.
bool ParsePlainDecimal(const char* p, const char* last, double& value, const char** stop) {
  const bool negative = *p == '-';
  if (negative) ++p;
  std::uint64_t digits = 0;
  int count = 0;
  p = ReadDigits(p, last, digits, count);
  int decimals = 0;
  if (p < last && *p == '.') {
    const int before = count;
    p = ReadDigits(p + 1, last, digits, count);
    decimals = count - before;
  }
  if (count == 0 || count >= 20 || decimals > 22 || digits > kExactInteger) return false;
  if (p < last && !CannotContinueNumber(*p)) return false;
  const double magnitude = static_cast<double>(digits) / kPowersOfTen[decimals];
  value = negative ? -magnitude : magnitude;
  *stop = p;
  return true;
}

// Reads a number at p (white space already skipped) whose token ends at
// tokenEnd(p..) : the fast path when from_chars agrees with strtod, else
// strtod on the token.
template <typename FindEnd>
double ParseAt(const char* first, const char* p, const char* last, FindEnd findEnd, const char** stop) {
  double value = 0.0;
  if (ParsePlainDecimal(p, last, value, stop)) return value;
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

namespace {

// |x| below this has |x| * 1e14 below 2^63, so the scaled value fits an
// unsigned 64-bit integer.
constexpr double kFixedFastLimit = 92233.0;
constexpr std::uint64_t kFivePow14 = 6103515625ull;
constexpr std::uint64_t kTenPow14 = 100000000000000ull;

// round(|x| * 10^14), ties to even, computed exactly: |x| = m * 2^e, so
// |x| * 10^14 = m * 5^14 * 2^(e + 14), an integer product and a shift.
std::uint64_t ScaledByTenPow14(double magnitude) {
  int exponent;
  const double fraction = std::frexp(magnitude, &exponent);
  const auto mantissa = static_cast<std::uint64_t>(std::ldexp(fraction, 53));
  const int shift = exponent - 53 + 14;
  const unsigned __int128 product = static_cast<unsigned __int128>(mantissa) * kFivePow14;
  if (shift >= 0) return static_cast<std::uint64_t>(product << shift);
  if (-shift > 90) return 0;  // product < 2^86: below one half
  const int down = -shift;
  std::uint64_t quotient = static_cast<std::uint64_t>(product >> down);
  const unsigned __int128 remainder = product & ((static_cast<unsigned __int128>(1) << down) - 1);
  const unsigned __int128 half = static_cast<unsigned __int128>(1) << (down - 1);
  if (remainder > half || (remainder == half && (quotient & 1))) ++quotient;
  return quotient;
}

char* WriteDigits(std::uint64_t value, int width, char* out) {
  for (int i = width - 1; i >= 0; --i) {
    out[i] = static_cast<char>('0' + value % 10);
    value /= 10;
  }
  return out + width;
}

}  // namespace

char* FormatFixed14(double value, char* out) {
  const double magnitude = std::fabs(value);
  if (!(magnitude < kFixedFastLimit)) {
    return std::to_chars(out, out + kMaxFixed14, value, std::chars_format::fixed, 14).ptr;
  }
  if (std::signbit(value)) *out++ = '-';
  const std::uint64_t scaled = magnitude == 0.0 ? 0 : ScaledByTenPow14(magnitude);
  const std::uint64_t whole = scaled / kTenPow14;
  int wholeDigits = 1;
  for (std::uint64_t rest = whole / 10; rest > 0; rest /= 10) ++wholeDigits;
  out = WriteDigits(whole, wholeDigits, out);
  *out++ = '.';
  return WriteDigits(scaled % kTenPow14, 14, out);
}

}  // namespace numbertext
