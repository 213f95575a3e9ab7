#include <gtest/gtest.h>

#include <cmath>

#include "platform/Text.h"
#include "support/CliRunner.h"
#include "support/TempDir.h"

namespace {

TEST(EvaluationCli, ValidatePrintsTheErrorsAndWritesTheCases) {
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

TEST(EvaluationCli, ConfusionPrintsTheGridAndWritesThePage) {
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

namespace {

TEST(EvaluationCli, LoocvReportsTheErrorsOfEveryLeftOutRow) {
  TempDir dir;
  const std::string net = Utf8(dir.File("c.tsn"));
  ASSERT_EQ(Cli({"net-new", net, "--inputs", "1", "--outputs", "2", "--style", "classifier"}).status, 0);
  const auto set = dir.Write("s.csv", "-1,1\n-0.8,1\n-0.6,1\n-0.4,1\n0.4,2\n0.6,2\n0.8,2\n1,2\n");
  const CliRun run = Cli({"loocv", net, Utf8(set), "--init", "regression", "--goal", "0.3", "--quiet"});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out, "Errors = 0 (0 %)\n");

  const std::string generic = Utf8(dir.File("g.tsn"));
  ASSERT_EQ(Cli({"net-new", generic, "--inputs", "1", "--outputs", "1"}).status, 0);
  const CliRun refused = Cli({"loocv", generic, Utf8(dir.Write("g.csv", "1,1\n2,2\n")), "--quiet"});
  EXPECT_EQ(refused.status, 1);
  EXPECT_EQ(refused.err, "This type of network is not compatible with leave-one-out cross-validation\n");
}

TEST(EvaluationCli, SelectFeaturesFindsTheTellingColumnAndPrunes) {
  TempDir dir;
  const std::string net = Utf8(dir.File("n.tsn"));
  ASSERT_EQ(Cli({"net-new", net, "--inputs", "1", "--outputs", "1", "--out-act", "linear"}).status, 0);
  std::string wide;
  for (int r = 0; r < 12; ++r) {
    for (int c = 0; c < 4; ++c) wide += std::to_string(c == 1 ? r * 0.1 : std::sin(r * (c + 1.3))) + ",";
    wide += std::to_string(r * 0.05 + 0.2) + "\n";
  }
  const auto set = dir.Write("wide.csv", wide);
  const CliRun run = Cli({"select-features", net, Utf8(set), "--population", "4", "--generations", "1",
                          "--init", "regression", "--goal", "0.3", "--results", Utf8(dir.File("r.csv")), "-o",
                          Utf8(dir.File("pruned.csv")), "--quiet"});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out.substr(run.out.size() - 2), "2\n") << run.out;
  EXPECT_EQ(run.out.rfind("Feature Selection Results (MSE = 0.0000000000", 0), 0u) << run.out;
  EXPECT_EQ(TempDir::Read(dir.File("r.csv")), platform::Utf16LeBytes(u"2\r\n"));
  EXPECT_EQ(TempDir::Read(dir.File("pruned.csv")).substr(0, 20), "0.00000000000000, 0.");

  const CliRun tooFew = Cli({"select-features", net, Utf8(set), "--population", "9", "--quiet"});
  EXPECT_EQ(tooFew.status, 1);
  EXPECT_EQ(tooFew.err, "The population size must be less than 4 and bigger than 0\n");
}

}  // namespace

namespace {

TEST(EvaluationCli, ValidateAndConfusionTakeComplexNetworks) {
  TempDir dir;
  const std::string net = Utf8(dir.File("c.tsn"));
  ASSERT_EQ(Cli({"net-new", net, "--inputs", "1", "--hidden1", "2", "--outputs", "2", "--style", "classifier",
                 "--complex"})
                .status,
            0);
  // Zero weights: every part of every output is 0.5, so class 1 always,
  // and each part misses its target by 0.4.
  const auto set = dir.Write("s.csv", "0,0,1\n1,1,2\n");
  const CliRun validated = Cli({"validate", net, Utf8(set)});
  ASSERT_EQ(validated.status, 0) << validated.err;
  EXPECT_EQ(validated.out.substr(0, validated.out.find('\n')), "Validate Set - mse = 0.16");
  const CliRun confusion = Cli({"confusion", net, Utf8(set)});
  ASSERT_EQ(confusion.status, 0) << confusion.err;
  EXPECT_EQ(confusion.out.substr(0, confusion.out.find('\n')), "Confusion matrix (No. errors = 1)");
}

}  // namespace
