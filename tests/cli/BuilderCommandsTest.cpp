#include <gtest/gtest.h>

#include <sstream>

#include "builder/BuilderDocument.h"
#include "cli/BuilderCommands.h"
#include "cli/Command.h"
#include "support/CliRunner.h"
#include "support/TempDir.h"

namespace {

TEST(BuilderCommands, NewSetInfoAndBuild) {
  TempDir dir;
  const std::string doc = Utf8(dir.File("d.tsn"));
  ASSERT_EQ(Cli({"builder-new", doc, "--rows", "3", "--cols", "2"}).status, 0);
  EXPECT_EQ(TempDir::Read(dir.File("d.tsn")).size(), 7452u);
  char16_t probe[256];
  EXPECT_EQ(BuilderDocument::Probe(dir.File("d.tsn"), probe, 256), 1);
  ASSERT_EQ(Cli({"builder-set", doc, "--var", "1", "x01 = ( row * 10 ) + col;"}).status, 0);
  ASSERT_EQ(Cli({"builder-set", doc, "--var", "2", "unused = 5;"}).status, 0);
  ASSERT_EQ(Cli({"builder-set", doc, "--col", "2", "col2 = ( x01 BIT 1 );"}).status, 0);
  ASSERT_EQ(Cli({"builder-set", doc, "--col", "1", "col1 = x01;"}).status, 0);
  const CliRun info = Cli({"info", doc});
  ASSERT_EQ(info.status, 0) << info.err;
  EXPECT_EQ(info.out,
            "Builder document\nRows: 3\nCols: 2\nBuild type: By Column\n"
            "x01 = ( row × 10 ) + col;\n_______________________\ncol1 = x01;\ncol2 = ( x01 BIT 1 );\n");
  ASSERT_EQ(Cli({"build", doc, Utf8(dir.File("o.csv"))}).status, 0);
  EXPECT_EQ(TempDir::Read(dir.File("o.csv")),
            "0.00000000000000, 0.00000000000000\r\n10.00000000000000, 1.00000000000000\r\n"
            "20.00000000000000, 0.00000000000000\r\n");
  ASSERT_EQ(Cli({"build", doc, Utf8(dir.File("o.csv")), "--rows", "1"}).status, 0);
  EXPECT_EQ(TempDir::Read(dir.File("o.csv")), "0.00000000000000, 0.00000000000000\r\n");
}

// builder-set then info: every form comes back in the text it was given.
TEST(BuilderCommands, SetRoundTripForEveryForm) {
  TempDir dir;
  const std::string doc = Utf8(dir.File("d.tsn"));
  ASSERT_EQ(Cli({"builder-new", doc}).status, 0);
  const std::string texts[] = {
      "col1 = -0.125;",
      "col1 = randr(x07);",
      "col1 = ( row % 3 );",
      "col1 = ( x01 ^ 0.5 ) MIN x02;",
      "col1 = ( π × row ) ≤ ( col XOR (cols-1) );",
      "IF ( x03 )   THEN   col1 = x04   ELSE   col1 = 2π;",
      "col1 = x90;",
  };
  for (const std::string& text : texts) {
    ASSERT_EQ(Cli({"builder-set", doc, "--col", "1", text}).status, 0) << text;
    const CliRun info = Cli({"info", doc});
    const std::size_t separator = info.out.find("_______________________\n");
    ASSERT_NE(separator, std::string::npos);
    EXPECT_EQ(info.out.substr(separator + 24, text.size() + 1), text + "\n");
  }
}

TEST(BuilderCommands, RefusalsAndMessages) {
  TempDir dir;
  const std::string doc = Utf8(dir.File("d.tsn"));
  ASSERT_EQ(Cli({"builder-new", doc, "--by-cell", "--cols", "4"}).status, 0);
  EXPECT_EQ(TempDir::Read(dir.File("d.tsn")).size(), 92u + 7200 + 80);
  EXPECT_EQ(Cli({"builder-new", doc, "--rows", "0"}).status, 2);
  EXPECT_EQ(Cli({"builder-new", doc, "--cols", "2049"}).status, 2);
  EXPECT_EQ(Cli({"builder-set", doc, "--col", "1", "col1 = 1;"}).status, 2);
  EXPECT_EQ(Cli({"builder-set", doc, "--var", "91", "x = 1;"}).status, 2);
  EXPECT_EQ(Cli({"builder-set", doc, "--var", "1", "--cell", "x = 1;"}).status, 2);
  const CliRun fixed = Cli({"builder-set", doc, "--cell", "col1 = 1;"});
  EXPECT_EQ(fixed.status, 1);
  EXPECT_EQ(fixed.err, "The name of this equation is fixed: cell\n");
  const CliRun taken = Cli({"builder-set", doc, "--var", "3", "row = 1;"});
  EXPECT_EQ(taken.status, 1);
  EXPECT_EQ(taken.err, "A variable with this name already exists\n");
  EXPECT_EQ(Cli({"builder-set", doc, "--cell", "cell = ( x01 + x90 );"}).status, 0);

  const auto csv = dir.Write("n.tsn", std::string("\x5c\0\0\0\2\0\0\0\0\0\0\0", 12) + std::string(80, 'x'));
  const CliRun notBuilder = Cli({"info", Utf8(csv)});
  EXPECT_EQ(notBuilder.status, 1);
  EXPECT_EQ(notBuilder.err, "Tessarion 3.1 does not open version 2.0 files\n");
  char16_t probe[256];
  EXPECT_NE(BuilderDocument::Probe(csv, probe, 256), 1);
  const CliRun missing = Cli({"build", Utf8(dir.File("none.tsn")), Utf8(dir.File("o.csv"))});
  EXPECT_EQ(missing.status, 1);
  EXPECT_FALSE(missing.err.empty());
}

}  // namespace
