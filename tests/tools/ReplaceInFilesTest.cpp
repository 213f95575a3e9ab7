#include <gtest/gtest.h>

#include "numerics/Matrix.h"
#include "support/FaultEnv.h"
#include "support/TempDir.h"
#include "tools/ReplaceInFiles.h"

namespace {

TEST(ReplaceInFiles, ReplacesBytes) {
  TempDir dir;
  const std::string semicolons = "1;2;3\r\n4;5;6\r\n";
  const auto in = dir.Write("in.csv", semicolons);
  ReplaceInFiles::Failure failure;
  struct Case {
    const char16_t *from, *to;
    std::string expected;
  };
  for (const Case& c : {Case{u";", u",", "1,2,3\r\n4,5,6\r\n"}, Case{u"x", u",", semicolons},
                        Case{u";abc", u",def", "1,2,3\r\n4,5,6\r\n"}, Case{u"", u",", semicolons},
                        Case{u";", u"", semicolons}, Case{u";", u"\u0394", semicolons}}) {
    ASSERT_TRUE(ReplaceInFiles::Replace(in, dir.File("out.csv"), c.from, c.to, failure));
    EXPECT_EQ(TempDir::Read(dir.File("out.csv")), c.expected);
  }
  ASSERT_TRUE(ReplaceInFiles::Replace(in, dir.File("out.csv"), u";", u",", failure));
  Matrix set;
  ASSERT_EQ(set.LoadCsv(dir.File("out.csv")), nullptr);
  EXPECT_EQ(set.Cols(), 3);
  EXPECT_EQ(set.Rows(), 2);
}

TEST(ReplaceInFiles, SameFileIsRewrittenNotLost) {
  TempDir dir;
  const auto file = dir.Write("in.csv", "1;2\r\n");
  ReplaceInFiles::Failure failure;
  ASSERT_TRUE(ReplaceInFiles::Replace(file, file, u";", u",", failure));
  EXPECT_EQ(TempDir::Read(file), "1,2\r\n");
}

TEST(ReplaceInFiles, FailuresNameThePathAndTheStep) {
  TempDir dir;
  ReplaceInFiles::Failure failure;
  const auto missing = dir.File("none.csv");
  EXPECT_FALSE(ReplaceInFiles::Replace(missing, dir.File("out.csv"), u";", u",", failure));
  EXPECT_EQ(failure.caption, missing.u16string() + u" opening the file");
  EXPECT_FALSE(failure.text.empty());

  const auto in = dir.Write("in.csv", "1;2\r\n");
  FaultEnv env;
  FaultEnv::Scoped scoped(env);
  env.failCreateWith = u"Access is denied.\r\n";
  EXPECT_FALSE(ReplaceInFiles::Replace(in, dir.File("out.csv"), u";", u",", failure));
  EXPECT_EQ(failure.text, u"Access is denied.\r\n");
  EXPECT_EQ(failure.caption, dir.File("out.csv").u16string() + u" writting the file");
  EXPECT_TRUE(ReplaceInFiles::ReplaceEnabled(u"a.csv", u"b.csv"));
  EXPECT_FALSE(ReplaceInFiles::ReplaceEnabled(u"a.csv", u"b"));
}

}  // namespace
