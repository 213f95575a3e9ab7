#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <vector>
#include <random>
#include <string>

#include "numerics/CsvFile.h"
#include "support/FaultEnv.h"
#include "support/TempDir.h"

namespace {

bool SameCells(const Matrix& a, const Matrix& b) {
  if (a.Rows() != b.Rows() || a.Cols() != b.Cols()) return false;
  for (int r = 0; r < a.Rows(); ++r)
    if (std::memcmp(a[r], b[r], sizeof(double) * a.Cols()) != 0) return false;
  return true;
}

// Random texts with the awkward features real files have: short and long
// lines, empty fields, blank lines, CRLF and LF, stray text, a NUL.
std::string RandomCsv(std::mt19937& random, bool regular) {
  std::string text;
  const int cols = 1 + random() % 5, lines = 1 + random() % 60;
  for (int line = 0; line < lines; ++line) {
    const int fields = regular ? cols : static_cast<int>(random() % (cols + 3));
    for (int f = 0; f < fields; ++f) {
      if (f > 0) text += random() % 9 == 0 ? ",," : ",";
      text += std::to_string(static_cast<int>(random() % 2000) - 1000);
      if (random() % 4 == 0) text += "." + std::to_string(random() % 100000);
      if (!regular && random() % 15 == 0) text += "xyz";
    }
    text += random() % 3 == 0 ? "\n" : "\r\n";
    if (!regular && random() % 12 == 0) text += "\n";
  }
  if (!regular && random() % 10 == 0) text.insert(random() % text.size(), 1, '\0');
  if (random() % 4 == 0) text.pop_back();
  return text;
}

TEST(CsvFile, SplitAndChunkedReadsMatchTheWholeTextParse) {
  TempDir dir;
  std::mt19937 random(11);
  for (int i = 0; i < 400; ++i) {
    const bool regular = i % 2 == 0;
    const std::string text = RandomCsv(random, regular);
    const auto file = dir.Write("t.csv", text);
    Matrix expected;
    ASSERT_TRUE(expected.ParseCsv(std::string_view(text)));
    for (CsvFile::Tuning tuning : {CsvFile::Tuning{3, 0}, CsvFile::Tuning{16, 0}, CsvFile::Tuning{1 << 22, 0},
                                   CsvFile::Tuning{5, 1 << 30}}) {
      Matrix loaded;
      std::u16string error;
      ASSERT_EQ(CsvFile::Load(file, loaded, error, tuning), nullptr);
      ASSERT_TRUE(SameCells(loaded, expected)) << "case " << i << " chunk " << tuning.chunk << "\n" << text;
    }
  }
}

TEST(CsvFile, LongTokenGrowsTheBuffer) {
  TempDir dir;
  const std::string text = "1," + std::string(100, '7') + ",3\n4,5,6\n";
  Matrix loaded, expected;
  std::u16string error;
  ASSERT_EQ(CsvFile::Load(dir.Write("long.csv", text), loaded, error, {8, 0}), nullptr);
  ASSERT_TRUE(expected.ParseCsv(std::string_view(text)));
  EXPECT_TRUE(SameCells(loaded, expected));
}

TEST(CsvFile, ShortReadIsAnError) {
  TempDir dir;
  const auto file = dir.Write("r.csv", "1,2,3\n4,5,6\n7,8,9\n");
  FaultEnv env;
  FaultEnv::Scoped scoped(env);
  for (std::uint64_t budget : {0ull, 5ull, 20ull, 30ull}) {
    env.readBudget = budget;
    Matrix m;
    std::u16string error;
    EXPECT_EQ(std::u16string(CsvFile::Load(file, m, error, {4, 0})), u"Error reading file") << budget;
  }
}

}  // namespace

namespace {

TEST(CsvFile, RowsReadyReportsFinalRowsInOrder) {
  TempDir dir;
  std::string text;
  for (int r = 0; r < 50; ++r) text += std::to_string(r) + "," + std::to_string(-r) + "\r\n";
  std::vector<std::int32_t> reports;
  Matrix m;
  std::u16string error;
  ASSERT_EQ(CsvFile::Load(dir.Write("p.csv", text), m, error, {16, 0},
                          [&](std::int32_t ready) {
                            // Every row reported as ready already holds its values.
                            for (std::int32_t r = 0; r < ready; ++r) ASSERT_EQ(m[r][0], r);
                            reports.push_back(ready);
                          }),
            nullptr);
  ASSERT_GE(reports.size(), 3u);
  EXPECT_EQ(reports.front(), 0);
  EXPECT_EQ(reports.back(), 50);
  EXPECT_TRUE(std::is_sorted(reports.begin(), reports.end()));
}

}  // namespace
