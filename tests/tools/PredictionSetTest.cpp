#include <gtest/gtest.h>

#include <algorithm>

#include "support/FaultEnv.h"
#include "support/TempDir.h"
#include "tools/PredictionSet.h"

namespace {

TEST(PredictionSet, WindowsOfTheFirstRow) {
  TempDir dir;
  const auto in = dir.Write("series.csv", "1,2,3,4,5,6,7,8,9,10\r\n100,200\r\n");
  struct Case {
    const char16_t* width;
    std::size_t lines;
  };
  for (const Case c : {Case{u"5", 6}, Case{u"10", 1}, Case{u"1", 10}, Case{u"+3", 8}}) {
    ASSERT_EQ(PredictionSet::Build(in, c.width, dir.File("out.csv")), u"");
    const std::string text = TempDir::Read(dir.File("out.csv"));
    EXPECT_EQ(static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n')), c.lines);
  }
  ASSERT_EQ(PredictionSet::Build(in, u"9", dir.File("out.csv")), u"");
  EXPECT_EQ(TempDir::Read(dir.File("out.csv")).substr(0, 30), "1.000000, 2.000000, 3.000000, ");
  for (const char16_t* width : {u"11", u"0", u"-2", u"abc", u"", u"5x", u"99999999999"})
    EXPECT_EQ(PredictionSet::Build(in, width, dir.File("bad.csv")), u"The number of columns is incorrect");
  EXPECT_FALSE(std::filesystem::exists(dir.File("bad.csv")));
}

TEST(PredictionSet, SixDecimalsAndLineEnds) {
  const double series[] = {0.1234567, -2, 3.5};
  EXPECT_EQ(PredictionSet::Lines(series, 3, 2), "0.123457, -2.000000\r\n-2.000000, 3.500000\r\n");
  EXPECT_EQ(PredictionSet::Lines(series, 3, 1), "0.123457\r\n-2.000000\r\n3.500000\r\n");
}

TEST(PredictionSet, FailuresAndTheBuildButton) {
  TempDir dir;
  EXPECT_NE(PredictionSet::Build(dir.File("none.csv"), u"2", dir.File("out.csv")), u"");
  const auto in = dir.Write("s.csv", "1,2,3\r\n");
  FaultEnv env;
  FaultEnv::Scoped scoped(env);
  env.failCreateWith = u"Access is denied.\r\n";
  EXPECT_EQ(PredictionSet::Build(in, u"2", dir.File("out.csv")), u"Access is denied.\r\n");
  EXPECT_TRUE(PredictionSet::BuildEnabled(u"a.csv", u"b.csv"));
  EXPECT_FALSE(PredictionSet::BuildEnabled(u"a.cs", u"b.csv"));
}

}  // namespace
