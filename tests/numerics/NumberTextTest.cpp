#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <cmath>
#include <cstring>
#include <random>
#include <string>

#include "numerics/NumberText.h"

namespace {

// Random doubles across the whole range, printed in the forms data files use.
TEST(NumberText, AgreesWithStrtodAndPrintfOnRandomValues) {
  std::mt19937_64 bits(7);
  char printed[400], ours[400];
  const char* formats[] = {"%.14f", "%.17g", "%g", "%.3e", "%a"};
  for (int i = 0; i < 200000; ++i) {
    std::uint64_t raw = bits();
    double value;
    std::memcpy(&value, &raw, 8);
    if (i % 2) value = std::ldexp(static_cast<double>(raw >> 11), -53 + static_cast<int>(raw % 40) - 20);
    if (std::isnan(value)) continue;

    const int n = std::snprintf(printed, sizeof printed, "%.14f", value);
    const char* end = numbertext::FormatFixed14(value, ours);
    ASSERT_EQ(std::string(static_cast<const char*>(ours), end), std::string(printed, n));

    const char* format = formats[i % 5];
    const int m = std::snprintf(printed, sizeof printed, format, value);
    const char* stop;
    const double parsed = numbertext::ParseLeading(printed, printed + m, &stop);
    const double expected = std::strtod(printed, nullptr);
    ASSERT_EQ(std::memcmp(&parsed, &expected, 8), 0) << printed;
    ASSERT_EQ(stop, printed + m) << printed;
  }
}

TEST(NumberText, StopsWhereStrtodStops) {
  const char* texts[] = {"12abc", "  -3.5e2,7", "1e+", "0x1Ap-1z", "nanx", "-.e1", "  ", "+7\r"};
  for (const char* text : texts) {
    const char* stop;
    const std::size_t length = std::strlen(text);
    const double value = numbertext::ParseLeading(text, text + length, &stop);
    char* expectedStop;
    const double expected = std::strtod(text, &expectedStop);
    if (expectedStop != text) {
      EXPECT_EQ(stop, expectedStop) << text;
      EXPECT_TRUE(value == expected || (std::isnan(value) && std::isnan(expected))) << text;
    } else {
      EXPECT_EQ(stop, text) << text;
      EXPECT_EQ(value, 0.0) << text;
    }
  }
}

}  // namespace
