#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "numerics/Vector.h"
#include "support/FaultEnv.h"
#include "support/TempDir.h"

namespace {

std::vector<double> Values(const Vector& v) { return std::vector<double>(v.Data(), v.Data() + v.Length()); }

TEST(VectorContainer, ExtremesKeepTheFirstOccurrenceAndTruncateChecksBounds) {
  Vector v;
  EXPECT_EQ(v.Maximum(), 0.0);
  EXPECT_EQ(v.Minimum(), 0.0);
  ASSERT_TRUE(v.Resize(5));
  const double data[] = {3, -1, 7, 7, -1};
  std::copy(data, data + 5, v.Data());
  EXPECT_EQ(v.Maximum(), 7);
  EXPECT_EQ(v.Minimum(), -1);

  EXPECT_FALSE(v.Truncate(0, 0));
  EXPECT_FALSE(v.Truncate(2, 5));
  EXPECT_FALSE(v.Truncate(-1, 2));
  EXPECT_EQ(v.Length(), 5);
  ASSERT_TRUE(v.Truncate(1, 3));
  EXPECT_EQ(Values(v), (std::vector<double>{-1, 7, 7}));

  EXPECT_FALSE(v.Resize(0));
  EXPECT_EQ(v.Length(), 0);
  EXPECT_EQ(v.Data(), nullptr);
}

TEST(VectorText, ParseSplitsAtTheSeparator) {
  const struct {
    std::u16string text, separator;
    std::vector<double> expected;
  } cases[] = {
      {u"1,2,3", u",", {1, 2, 3}},
      {u"1,2,", u",", {1, 2, 0}},
      {u"4.5", u",", {4.5}},
      {u"1;;2", u";;", {1, 2}},
      {u"1, -2e1 ,x", u",", {1, -20, 0}},
      {u"12345678901234567890123456789012,5", u",", {0, 5}},  // 32 characters: not converted
      {u"1234567890123456789012345678901,5", u",", {1234567890123456789012345678901.0, 5}},
      {u"7,8", u"", {7}},
  };
  for (const auto& c : cases) {
    Vector v;
    v.ParseText(c.text, c.separator);
    EXPECT_EQ(Values(v), c.expected);
  }
}

TEST(VectorText, LoadReadsOnlyTheFirstLineAndSaveUsesTheFormat) {
  TempDir dir;
  Vector v;
  ASSERT_EQ(v.LoadText(dir.Write("a.txt", "1,2,\r\n9,9,9\r\n")), nullptr);
  EXPECT_EQ(Values(v), (std::vector<double>{1, 2, 0}));

  ASSERT_EQ(v.LoadText(dir.Write("b.txt", "1,2,3")), nullptr);
  ASSERT_EQ(v.SaveText(dir.File("out.txt"), "%g"), nullptr);
  EXPECT_EQ(TempDir::Read(dir.File("out.txt")), "1,2,3");
  ASSERT_EQ(v.SaveText(dir.File("out4.txt")), nullptr);
  EXPECT_EQ(TempDir::Read(dir.File("out4.txt")), "1.0000,2.0000,3.0000");
  ASSERT_EQ(v.SaveText(dir.File("tab.txt"), "%g", u"\t"), nullptr);
  EXPECT_EQ(TempDir::Read(dir.File("tab.txt")), "1\t2\t3");

  std::string longLine(20000, '5');
  ASSERT_EQ(v.LoadText(dir.Write("long.txt", "1," + longLine + "\n2")), nullptr);
  EXPECT_EQ(v.Length(), 2);
  EXPECT_EQ(v[0], 1);
}

TEST(VectorText, FailedOpenGivesTheSystemMessage) {
  TempDir dir;
  FaultEnv env;
  FaultEnv::Scoped scoped(env);
  env.failOpenWith = u"Path not found.\r\n";
  env.failCreateWith = u"Access is denied.\r\n";
  Vector v(2);
  EXPECT_EQ(std::u16string(v.LoadText(dir.File("x.txt"))), u"Path not found.\r\n");
  EXPECT_EQ(std::u16string(v.SaveText(dir.File("x.txt"))), u"Access is denied.\r\n");
  EXPECT_FALSE(v.SaveBinary(dir.File("x.bin")));
}

TEST(VectorBinary, RoundTripAndHostileCounts) {
  TempDir dir;
  Vector v(3);
  v[0] = 1.5;
  v[2] = -3;
  ASSERT_TRUE(v.SaveBinary(dir.File("v.bin")));
  const std::string bytes = TempDir::Read(dir.File("v.bin"));
  ASSERT_EQ(bytes.size(), 4u + 24u);
  EXPECT_EQ(bytes.substr(0, 4), std::string("\x03\0\0\0", 4));
  Vector back;
  ASSERT_TRUE(back.LoadBinary(dir.File("v.bin")));
  EXPECT_EQ(Values(back), (std::vector<double>{1.5, 0, -3}));

  EXPECT_FALSE(back.LoadBinary(dir.Write("huge.bin", std::string("\xff\xff\xff\x7f", 4) + "12345678")));
  EXPECT_EQ(back.Length(), 0);
  EXPECT_FALSE(back.LoadBinary(dir.Write("neg.bin", std::string("\xfe\xff\xff\xff", 4))));
  EXPECT_FALSE(back.LoadBinary(dir.Write("short.bin", std::string("\x02\0\0\0", 4) + "12345678")));
  EXPECT_FALSE(back.LoadBinary(dir.File("missing.bin")));
}

}  // namespace
