#include <gtest/gtest.h>

#include <sstream>

#include "cli/Command.h"
#include "numerics/Matrix.h"
#include "support/CliRunner.h"
#include "support/TempDir.h"

namespace {

TEST(ToolCommands, FftThenIfftRestoresTheSignal) {
  TempDir dir;
  const auto in = dir.Write("sig.csv", "1,2,3,4,5,6,7,8\r\n-1,0.5,2,0,3,1,1,2\r\n");
  for (std::vector<std::string> flags :
       {std::vector<std::string>{}, {"--complex"}, {"--window"}, {"--complex", "--window"}}) {
    std::vector<std::string> forward = {"fft", Utf8(in), Utf8(dir.File("spectra.csv"))};
    std::vector<std::string> inverse = {"ifft", Utf8(dir.File("spectra.csv")), Utf8(dir.File("back.csv"))};
    forward.insert(forward.end(), flags.begin(), flags.end());
    inverse.insert(inverse.end(), flags.begin(), flags.end());
    ASSERT_EQ(Cli(forward).status, 0);
    ASSERT_EQ(Cli(inverse).status, 0);
    Matrix original, back;
    ASSERT_EQ(original.LoadCsv(in), nullptr);
    ASSERT_EQ(back.LoadCsv(dir.File("back.csv")), nullptr);
    for (int r = 0; r < 2; ++r)
      for (int c = 0; c < 8; ++c) EXPECT_NEAR(back[r][c], original[r][c], 1e-13);
  }
}

TEST(ToolCommands, FftWritesTheLabsTextAndRefusesBadWidths) {
  TempDir dir;
  const auto ones = dir.Write("ones.csv", "1,1,1,1\r\n");
  ASSERT_EQ(Cli({"fft", Utf8(ones), Utf8(dir.File("spectra.csv"))}).status, 0);
  EXPECT_EQ(TempDir::Read(dir.File("spectra.csv")),
            "1.00000000000000, 0.00000000000000, 0.00000000000000, 0.00000000000000\r\n");

  const auto six = dir.Write("six.csv", "1,2,3,4,5,6\r\n");
  const CliRun refused = Cli({"fft", Utf8(six), Utf8(dir.File("out.csv"))});
  EXPECT_EQ(refused.status, 1);
  EXPECT_EQ(refused.err, "The number of columns must be a power of 2\n");
  EXPECT_FALSE(std::filesystem::exists(dir.File("out.csv")));
  EXPECT_EQ(Cli({"fft", Utf8(six)}).status, 2);
  EXPECT_EQ(Cli({"ifft", Utf8(six), Utf8(dir.File("out.csv")), "--leave-last"}).status, 2);
}

}  // namespace

namespace {

TEST(ToolCommands, FilterWritesTheChosenBands) {
  TempDir dir;
  const auto in = dir.Write("sig.csv", "1,2,3,4,5,6,7,8,9,10\r\n");
  const CliRun run = Cli({"filter", Utf8(in), "--wc1", "300", "--wc2", "600", "--band",
                          Utf8(dir.File("band.csv")), "--spectrum", Utf8(dir.File("spectra.csv"))});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(TempDir::Read(dir.File("spectra.csv")).substr(0, 8), "55.0000,");
  EXPECT_FALSE(std::filesystem::exists(dir.File("low.csv")));
  EXPECT_TRUE(std::filesystem::exists(dir.File("band.csv")));
  EXPECT_EQ(Cli({"filter", Utf8(in), "--wc1", "0", "--wc2", "600"}).status, 2);
  EXPECT_EQ(Cli({"filter", Utf8(in), "--wc1", "1001", "--wc2", "600"}).status, 2);
  EXPECT_EQ(Cli({"filter", Utf8(dir.File("none.csv")), "--wc1", "1", "--wc2", "2"}).status, 1);
}

}  // namespace

namespace {

TEST(ToolCommands, PreThenPostWithThePrintedValues) {
  TempDir dir;
  const auto in = dir.Write("s.csv", "3,5,7,9\r\n");
  const CliRun pre = Cli({"pre", "trend-ends", Utf8(in), Utf8(dir.File("t.csv"))});
  ASSERT_EQ(pre.status, 0) << pre.err;
  EXPECT_EQ(pre.out,
            "Un-transformed: Max 9  Min 3  Mean 6  STD 2.58199\n"
            "Transformed: Max 0  Min 0  Mean 0  STD 0\n"
            "m = 2  b = 3\n");
  EXPECT_EQ(TempDir::Read(dir.File("t.csv")), "0,0,0,0");
  const CliRun post =
      Cli({"post", "trend-ends", Utf8(dir.File("t.csv")), Utf8(dir.File("u.csv")), "--m", "2", "--b", "3"});
  ASSERT_EQ(post.status, 0) << post.err;
  EXPECT_EQ(TempDir::Read(dir.File("u.csv")), "3,5,7,9");
  const CliRun missing =
      Cli({"post", "trend-ends", Utf8(dir.File("t.csv")), Utf8(dir.File("u.csv")), "--m", "2"});
  EXPECT_EQ(missing.status, 1);
  EXPECT_EQ(missing.err, "You need to provide the value of b for the un-transformed data\n");
  EXPECT_EQ(Cli({"pre", "square", Utf8(in), Utf8(dir.File("t.csv"))}).status, 2);
}

}  // namespace

namespace {

TEST(ToolCommands, PredictSetAndReplace) {
  TempDir dir;
  const auto in = dir.Write("s.csv", "1;2;3\r\n");
  ASSERT_EQ(Cli({"replace", Utf8(in), Utf8(dir.File("c.csv")), "--this", ";", "--with", ","}).status, 0);
  EXPECT_EQ(TempDir::Read(dir.File("c.csv")), "1,2,3\r\n");
  ASSERT_EQ(Cli({"predict-set", Utf8(dir.File("c.csv")), Utf8(dir.File("p.csv")), "--columns", "2"}).status,
            0);
  EXPECT_EQ(TempDir::Read(dir.File("p.csv")), "1.000000, 2.000000\r\n2.000000, 3.000000\r\n");
  const CliRun wide =
      Cli({"predict-set", Utf8(dir.File("c.csv")), Utf8(dir.File("q.csv")), "--columns", "4"});
  EXPECT_EQ(wide.status, 1);
  EXPECT_EQ(wide.err, "The number of columns is incorrect\n");
  EXPECT_EQ(Cli({"predict-set", Utf8(dir.File("c.csv")), Utf8(dir.File("q.csv"))}).status, 2);
  const CliRun missing =
      Cli({"replace", Utf8(dir.File("none")), Utf8(dir.File("o")), "--this", ";", "--with", ","});
  EXPECT_EQ(missing.status, 1);
  EXPECT_EQ(missing.err.find(Utf8(dir.File("none")) + " opening the file\n"), 0u);
}

}  // namespace
