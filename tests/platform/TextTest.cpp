#include <gtest/gtest.h>

#include "platform/Text.h"

namespace {

TEST(Text, ThousandsSeparators) {
  const struct {
    long long value;
    std::u16string text;
  } cases[] = {
      {0, u"0"},           {999, u"999"},           {-999, u"-999"},         {1000, u"1,000"},
      {1004, u"1,004"},    {1034, u"1,034"},        {-1234, u"-1,234"},      {999999, u"999,999"},
      {1000000, u"1,000,000"}, {12003004, u"12,003,004"}, {-7000001, u"-7,000,001"},
      {999999999, u"999,999,999"}, {1000000000, u"1000000000"}, {-2147483648LL, u"-2147483648"},
  };
  for (const auto& c : cases) EXPECT_EQ(platform::ThousandsText(c.value), c.text) << c.value;
}

TEST(Text, Utf8AndUtf16RoundTrip) {
  const std::u16string text = u"Tessarion \u00e9\u4e2d \U0001F600 end";
  const std::string utf8 = platform::Utf16ToUtf8(text);
  EXPECT_EQ(utf8, "Tessarion \xc3\xa9\xe4\xb8\xad \xf0\x9f\x98\x80 end");
  EXPECT_EQ(platform::Utf8ToUtf16(utf8), text);
  // Malformed input becomes replacement characters and never stops decoding.
  EXPECT_EQ(platform::Utf8ToUtf16("a\xff" "b\xc3"), u"a\ufffdb\ufffd");
  EXPECT_EQ(platform::Utf8ToUtf16("\xe0\x80\x80x"), u"\ufffd\ufffd\ufffdx");
  EXPECT_EQ(platform::Utf16ToUtf8(u"\xd800x"), "\xef\xbf\xbdx");
}

TEST(Text, FormatAndCopyTruncated) {
  EXPECT_EQ(platform::Format("Validate Set - mse = %g", 0.5), u"Validate Set - mse = 0.5");
  EXPECT_EQ(platform::Format("%d:%2.2d:%2.2d", 1, 2, 3), u"1:02:03");
  const std::string big(1000, 'x');
  EXPECT_EQ(platform::Format("%s!", big.c_str()).size(), 1001u);
  char16_t buffer[4];
  EXPECT_EQ(std::u16string(platform::CopyTruncated(buffer, 4, u"abcdef")), u"abc");
  EXPECT_EQ(std::u16string(platform::CopyTruncated(buffer, 4, u"a")), u"a");
}

}  // namespace
