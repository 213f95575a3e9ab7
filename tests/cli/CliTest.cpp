#include <gtest/gtest.h>

#include <sstream>

#include "cli/Command.h"
#include "platform/Text.h"
#include "support/CliRunner.h"
#include "support/TempDir.h"

namespace {

TEST(Cli, VersionHelpAndUsageErrors) {
  EXPECT_EQ(Cli({"--version"}).out, "Tessarion 3.1\n");
  const CliRun help = Cli({"--help"});
  EXPECT_EQ(help.status, 0);
  EXPECT_NE(help.out.find("prune"), std::string::npos);
  const CliRun pruneHelp = Cli({"prune", "--help"});
  EXPECT_EQ(pruneHelp.status, 0);
  EXPECT_NE(pruneHelp.out.find("prune IN.csv OUT.csv --keep LIST"), std::string::npos);

  EXPECT_EQ(Cli({}).status, 2);
  EXPECT_EQ(Cli({"frobnicate"}).status, 2);
  EXPECT_EQ(Cli({"prune", "a.csv"}).status, 2);
  EXPECT_EQ(Cli({"prune", "a.csv", "b.csv", "--keep", "1,x"}).status, 2);
  EXPECT_EQ(Cli({"prune", "a.csv", "b.csv", "--keep", "0"}).status, 2);
  EXPECT_EQ(Cli({"prune", "a.csv", "b.csv", "--keep", "1", "--bogus"}).status, 2);
  const CliRun missingValue = Cli({"prune", "a.csv", "b.csv", "--keep"});
  EXPECT_EQ(missingValue.status, 2);
  EXPECT_NE(missingValue.err.find("--keep needs a value"), std::string::npos);
}

TEST(Cli, PruneWritesTheKeptColumns) {
  TempDir dir;
  const auto in = dir.Write("set.csv", "1,2,3\r\n4,5,6\r\n");
  const CliRun run = Cli({"prune", Utf8(in), Utf8(dir.File("out.csv")), "--keep", "3,1"});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out, "");
  EXPECT_EQ(TempDir::Read(dir.File("out.csv")),
            "1.00000000000000, 3.00000000000000\r\n4.00000000000000, 6.00000000000000\r\n");
}

TEST(Cli, FailuresPrintTheSystemTextAndExitOne) {
  TempDir dir;
  const CliRun missing = Cli({"prune", Utf8(dir.File("none.csv")), Utf8(dir.File("out.csv")), "--keep", "1"});
  EXPECT_EQ(missing.status, 1);
  EXPECT_FALSE(missing.err.empty());
  EXPECT_EQ(missing.err.find('\r'), std::string::npos);
  EXPECT_FALSE(std::filesystem::exists(dir.File("out.csv")));

  const auto in = dir.Write("set.csv", "1,2\r\n");
  const CliRun outside = Cli({"prune", Utf8(in), Utf8(dir.File("out.csv")), "--keep", "3"});
  EXPECT_EQ(outside.status, 1);
  EXPECT_EQ(outside.err, "Column 3 is outside the training set, which has 2 columns\n");
}

TEST(Cli, MessagesArePrintedOneLinePerLine) {
  std::ostringstream out, err;
  Terminal terminal(out, err);
  terminal.Message(u"ERROR: \r\nsecond line\r\n");
  EXPECT_EQ(err.str(), "ERROR: \nsecond line\n");
}

}  // namespace
