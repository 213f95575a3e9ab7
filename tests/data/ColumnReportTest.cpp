#include <gtest/gtest.h>

#include "data/ColumnReport.h"
#include "support/NetworkBuilders.h"

namespace {

struct Expected {
  std::u16string label;
  ColumnReportRow::Status status;
};

void ExpectReport(const Matrix& set, const networkSetup& network, const std::vector<Expected>& expected) {
  const auto rows = ColumnReport(set, network);
  ASSERT_EQ(rows.size(), expected.size());
  for (std::size_t j = 0; j < rows.size(); ++j) {
    EXPECT_EQ(rows[j].label, expected[j].label) << j;
    EXPECT_EQ(rows[j].status, expected[j].status) << j;
  }
}

TEST(ColumnReport, StatisticsScanInRowOrder) {
  const Matrix set = MakeMatrix({{1, 5}, {2, 5}, {4, 5}});
  const auto rows = ColumnStatistics(set);
  EXPECT_DOUBLE_EQ(rows[0].mean, 7.0 / 3);
  EXPECT_DOUBLE_EQ(rows[0].variance, 21.0 / 2 - 49.0 / 6);
  EXPECT_EQ(rows[0].minimum, 1);
  EXPECT_EQ(rows[0].maximum, 4);
  EXPECT_DOUBLE_EQ(rows[1].variance, 0.0);
  EXPECT_EQ(ColumnStatistics(MakeMatrix({{3}}))[0].variance, 0.0);
}

TEST(ColumnReport, RealLayouts) {
  using S = ColumnReportRow::Status;
  const Matrix generic = MakeMatrix({{0.1, 2, 4, 0.5}, {0.9, 2, -1, 0.95}});
  ExpectReport(generic, MakeSetup(3, 0, 0, 1, 0, 0, 0),
               {{u"in 1 - OK", S::kOk},
                {u"in 2 - column has no information", S::kWarning},
                {u"in 3 - column is out of range", S::kError},
                {u"out 1 - column is out of range", S::kError}});
  ExpectReport(generic, MakeSetup(1, 0, 0, 2, 0, 0, 2),
               {{u"fs 1", S::kOk}, {u"fs 2", S::kOk}, {u"out 1", S::kOk}, {u"out 2", S::kOk}});
  const Matrix classes = MakeMatrix({{0.2, 0}, {0.8, 1}, {0.5, 2}});
  ExpectReport(classes, MakeSetup(1, 0, 0, 2, 0, 0, 0, kClassifier),
               {{u"in 1 - OK", S::kOk}, {u"class OK", S::kOk}});
  ExpectReport(classes, MakeSetup(1, 0, 0, 1, 0, 0, 0, kClassifier),
               {{u"in 1 - OK", S::kOk}, {u"class is out of range", S::kError}});
  ExpectReport(MakeMatrix({{0.2, 1.5}, {0.8, 1}}), MakeSetup(1, 0, 0, 2, 0, 0, 0, kClassifier),
               {{u"in 1 - OK", S::kOk}, {u"class is not a integer value", S::kError}});
  ExpectReport(classes, MakeSetup(2, 0, 0, 2, 0, 0, 0, kClassifier), {{u"fs 1", S::kOk}, {u"class", S::kOk}});
  ExpectReport(MakeMatrix({{0.2, 0.5, 0}, {0.8, 0.5, 1}}), MakeSetup(2, 0, 0, 2, 0, 0, 1, kOutputEqualsInput),
               {{u"in/out 1 - OK", S::kOk},
                {u"in/out 2 - column has no information", S::kWarning},
                {u"in/out 3 - extra column", S::kError}});
}

TEST(ColumnReport, ComplexLayouts) {
  using S = ColumnReportRow::Status;
  const Matrix set = MakeMatrix({{0.1, 1, 0.3, 0.5, 7}, {0.9, 2, 0.6, 0.5, 8}});
  ExpectReport(set, MakeSetup(1, 1, 0, 1, 0, 0, 0, kGeneric, true),
               {{u"Re[in 1] - OK", S::kOk},
                {u"Im[in 1] - OK", S::kOk},
                {u"Re[out 1] - OK", S::kOk},
                {u"Im[out 1] - OK", S::kOk},
                {u"Re[out 2] - extra column", S::kError}});
  ExpectReport(MakeMatrix({{0.1, 1, 0.3, 1}, {0.9, 2, 0.6, 0}}),
               MakeSetup(1, 1, 0, 1, 0, 0, 0, kClassifier, true),
               {{u"Re[in 1] - OK", S::kOk},
                {u"Im[in 1] - OK", S::kOk},
                {u"Re[out 1] - extra column", S::kError},
                {u"class OK", S::kOk}});
  ExpectReport(MakeMatrix({{0.1, 0.5, 3}, {0.9, 0.5, 3}}),
               MakeSetup(1, 1, 0, 1, 0, 0, 0, kOutputEqualsInput, true),
               {{u"Re[io 1] - OK", S::kOk},
                {u"Im[io 1] - column has no information", S::kWarning},
                {u"Re[io 2] - extra column", S::kError}});
}

}  // namespace
