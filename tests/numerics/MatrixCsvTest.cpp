#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <string>
#include <vector>

#include "numerics/Matrix.h"
#include "platform/Text.h"
#include "support/FaultEnv.h"
#include "support/TempDir.h"

namespace {

std::vector<std::vector<double>> Cells(const Matrix& m) {
  std::vector<std::vector<double>> cells(m.Rows());
  for (int r = 0; r < m.Rows(); ++r) cells[r].assign(m[r], m[r] + m.Cols());
  return cells;
}

using Rows = std::vector<std::vector<double>>;

struct CsvCase {
  const char* name;
  std::string text;
  Rows expected;
};

TEST(MatrixCsv, ShapesAndTokenFilling) {
  const std::vector<CsvCase> cases = {
      {"empty text is one zero cell", "", {{0.0}}},
      {"one line without a line feed", "1.5,2,3", {{1.5, 2, 3}}},
      {"CRLF lines", "1,2\r\n3,4\r\n", {{1, 2}, {3, 4}}},
      {"bare LF then a blank line adds a zero row", "1,2\n3,4\n\n", {{1, 2}, {3, 4}, {0, 0}}},
      {"an empty field shifts later values left", "1,,2\r\n3,4\r\n", {{1, 2, 3}, {4, 0, 0}}},
      {"a longer line spills into the next row", "1,2\n3,4,5\n6\n", {{1, 2}, {3, 4}, {5, 6}}},
      {"surplus tokens are ignored", "1,2\n3,4,5,6,7", {{1, 2}, {3, 4}}},
      {"blank CRLF line is a carriage-return token", "1,2\r\n\r\n3,4\r\n", {{1, 2}, {0, 3}, {4, 0}}},
      {"leading blanks and text after the number", " 7x, \t-2.5e1;9\r\n", {{7, -25}}},
      {"a token with no number is zero", "abc,4\n", {{0, 4}}},
      {"the written form reads back", "1.00000000000000, -0.50000000000000\r\n", {{1, -0.5}}},
      {"text ends at the first NUL", std::string("1,2\n3,4\n\0 9,9\n", 14), {{1, 2}, {3, 4}}},
  };
  for (const auto& c : cases) {
    Matrix m;
    ASSERT_TRUE(m.ParseCsv(c.text)) << c.name;
    EXPECT_EQ(Cells(m), c.expected) << c.name;
  }
}

TEST(MatrixCsv, NumbersReadAsStrtodReadsThem) {
  // Forms the fast path hands to the C library, and values near the limits.
  const std::vector<std::string> tokens = {
      "+1.25",   "0x1p3",      "-0x.8",   "1e",      "1e+",     ".5",        "-.5e-1",  "5.",
      "inf",     "-Infinity",  "1e400",   "-1e400",  "1e-400",  "4.9e-324",  "nan",     "-0",
      "00012",   "1.7976931348623157e308", "2.2250738585072014e-308",
      "0.1000000000000000055511151231257827", "123456789012345678901234567890",
      "\v\f 3",  "1,5",  "-",  "+",  ".",  "e5",  "0x",  "1.5e+2x",
  };
  for (const std::string& token : tokens) {
    Matrix m;
    std::string text = token + "\n";
    ASSERT_TRUE(m.ParseCsv(text));
    const double expected = std::strtod(token.c_str(), nullptr);
    const double got = m[0][0];
    if (std::isnan(expected)) {
      EXPECT_TRUE(std::isnan(got)) << token;
    } else {
      EXPECT_EQ(std::memcmp(&got, &expected, sizeof got), 0) << token << " gave " << got;
    }
  }
}

TEST(MatrixCsv, OversizedShapeIsRefusedWithoutAllocating) {
  // 70,000 commas on the first line and 70,000 line feeds: 4.9e9 cells.
  std::string text(70000, ',');
  text += std::string(70000, '\n');
  Matrix m(2, 2);
  EXPECT_FALSE(m.ParseCsv(text));
  EXPECT_EQ(m.Rows(), 0);

  TempDir dir;
  const auto file = dir.Write("huge.csv", text);
  EXPECT_EQ(std::u16string(m.LoadCsv(file)), u"The file has no data");
}

TEST(MatrixCsv, ShapeBeyondFreeMemoryIsRefused) {
  FaultEnv env;
  env.reportMemory = true;
  env.memory.availablePhysical = env.memory.availablePageFile = 100ull << 20;
  FaultEnv::Scoped scoped(env);
  std::string text(5000, ',');  // 5,001 columns
  text += std::string(4000, '\n');  // x 4,000 rows = 160 MB
  Matrix m;
  EXPECT_FALSE(m.ParseCsv(text));
  EXPECT_TRUE(m.ParseCsv("1,2\n"));
}

TEST(MatrixCsv, SaveWritesFixedFourteenDigits) {
  TempDir dir;
  Matrix ones(2, 2);
  for (int r = 0; r < 2; ++r) ones[r][0] = ones[r][1] = 1.0;
  ASSERT_EQ(ones.SaveCsv(dir.File("ones.csv")), nullptr);
  EXPECT_EQ(TempDir::Read(dir.File("ones.csv")),
            "1.00000000000000, 1.00000000000000\r\n1.00000000000000, 1.00000000000000\r\n");

  Matrix half(1, 1);
  half[0][0] = -0.5;
  ASSERT_EQ(half.SaveCsv(dir.File("half.csv")), nullptr);
  EXPECT_EQ(TempDir::Read(dir.File("half.csv")), "-0.50000000000000\r\n");
}

TEST(MatrixCsv, SaveMatchesPrintfForAwkwardValues) {
  const std::vector<double> values = {0.0, -0.0, 0.5e-14, 0.49999999999999994e-14, 1.0 / 3, -2.0 / 3,
                                      123456789.123456789, 1e22, 1e300, -1.7976931348623157e308,
                                      5e-324, 0.125, 2.675, 1e15 + 0.3,
                                      // exact ties at the 15th decimal round to even
                                      1.0 / 32768, 3.0 / 32768, -5.0 / 32768, 92232.99999999999, 92233.0,
                                      -1e-20, 0.999999999999995, 9.9999999999999995e-15};
  TempDir dir;
  Matrix m(1, static_cast<int>(values.size()));
  std::string expected;
  char buffer[400];
  for (std::size_t i = 0; i < values.size(); ++i) {
    m[0][i] = values[i];
    std::snprintf(buffer, sizeof buffer, i + 1 < values.size() ? "%.14f, " : "%.14f\r\n", values[i]);
    expected += buffer;
  }
  ASSERT_EQ(m.SaveCsv(dir.File("awkward.csv")), nullptr);
  EXPECT_EQ(TempDir::Read(dir.File("awkward.csv")), expected);

  Matrix back;
  ASSERT_EQ(back.LoadCsv(dir.File("awkward.csv")), nullptr);
  ASSERT_EQ(back.Cols(), m.Cols());
  EXPECT_EQ(back[0][9], values[9]);  // a whole number survives the round trip
}

TEST(MatrixCsv, FileFailuresGiveTheirMessages) {
  TempDir dir;
  Matrix m(1, 2);
  m[0][0] = 3;
  FaultEnv env;
  FaultEnv::Scoped scoped(env);

  env.failCreateWith = u"Access is denied.\r\n";
  EXPECT_EQ(std::u16string(m.SaveCsv(dir.File("x.csv"))), u"Access is denied.\r\n");
  env.failCreateWith.clear();

  env.writeBudget = 10;
  EXPECT_EQ(std::u16string(m.SaveCsv(dir.File("x.csv"))), u"Error writting file");
  env.writeBudget = FaultEnv::kUnlimited;

  Matrix loaded(3, 3);
  env.failOpenWith = std::u16string(300, u'e');  // longer than the 255-character buffer
  const std::u16string message = loaded.LoadCsv(dir.File("x.csv"));
  EXPECT_EQ(message, std::u16string(255, u'e'));
  EXPECT_EQ(loaded.Rows(), 3) << "a failed open leaves the matrix alone";
}

TEST(MatrixCsv, MissingFileGivesTheSystemText) {
  TempDir dir;
  Matrix m;
  Message message = m.LoadCsv(dir.File("no-such-file.csv"));
  ASSERT_NE(message, nullptr);
  EXPECT_GT(std::u16string(message).size(), 3u);
}

TEST(MatrixCsv, NonAsciiFileNamesWork) {
  TempDir dir;
  const auto file = dir.Path() / platform::PathFromUtf8(reinterpret_cast<const char*>(u8"d\u00e9j\u00e0-\u03bb.csv"));
  Matrix m(1, 1);
  m[0][0] = 2;
  ASSERT_EQ(m.SaveCsv(file), nullptr);
  Matrix back;
  ASSERT_EQ(back.LoadCsv(file), nullptr);
  EXPECT_EQ(back[0][0], 2.0);
}

}  // namespace
