#include <gtest/gtest.h>

#include "platform/Text.h"
#include "support/CliRunner.h"
#include "support/TempDir.h"

namespace {

TEST(EvaluationCommands, ValidatePrintsTheErrorsAndWritesTheCases) {
  TempDir dir;
  const std::string net = Utf8(dir.File("g.tsn"));
  ASSERT_EQ(Cli({"net-new", net, "--inputs", "1", "--outputs", "1", "--out-act", "linear", "--out-scale",
                 "1=3:0:12"})
                .status,
            0);
  // Zero weights output 0; the targets scale to -3 + 6 * t / 12.
  const auto set = dir.Write("v.csv", "1,6\n2,12\n");
  const CliRun run = Cli({"validate", net, Utf8(set), "--cases", Utf8(dir.File("cases.csv"))});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out, "Validate Set - mse = 4.5\nOutput 1: mse = 4.5, domain error = 4.24264\n");
  EXPECT_EQ(TempDir::Read(dir.File("cases.csv")), "0.00000000000000\r\n9.00000000000000\r\n");

  const CliRun wide = Cli({"validate", net, Utf8(dir.Write("w.csv", "1,2,3\n"))});
  EXPECT_EQ(wide.status, 1);
  EXPECT_EQ(wide.err, "The number of columns in the data set is invalid\n");
  EXPECT_EQ(Cli({"validate", net}).status, 2);
}

TEST(EvaluationCommands, ConfusionPrintsTheGridAndWritesThePage) {
  TempDir dir;
  const std::string net = Utf8(dir.File("c.tsn"));
  ASSERT_EQ(
      Cli({"net-new", net, "--inputs", "1", "--outputs", "2", "--style", "classifier", "--out-act", "linear"})
          .status,
      0);
  // Zero weights: both outputs 0, not below the threshold, so class 1 always.
  const auto set = dir.Write("s.csv", "1,1\n2,2\n3,2\n4,0\n");
  const CliRun run = Cli({"confusion", net, Utf8(set), "--html", Utf8(dir.File("c.htm"))});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out,
            "Confusion matrix (No. errors = 3)\n"
            "         class 1  class 2  reject\n"
            "class 1        1        0       0\n"
            "class 2       2*        0       0\n"
            " reject       1*        0       0\n");
  const std::string page = TempDir::Read(dir.File("c.htm"));
  EXPECT_NE(page.find(platform::Utf16LeBytes(u"<title>1 : 2L</title>")), std::string::npos);
  EXPECT_NE(page.find(platform::Utf16LeBytes(u"Number of errors: 2</body>")), std::string::npos);

  const std::string generic = Utf8(dir.File("g.tsn"));
  ASSERT_EQ(Cli({"net-new", generic, "--inputs", "1", "--outputs", "1"}).status, 0);
  const CliRun refused = Cli({"confusion", generic, Utf8(dir.Write("g.csv", "1,1\n"))});
  EXPECT_EQ(refused.status, 1);
  EXPECT_EQ(refused.err, "Unable to compute confusion matrix\n");
}

}  // namespace
