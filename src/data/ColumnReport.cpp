#include "data/ColumnReport.h"

#include <cmath>

#include "platform/Text.h"

namespace {

using Row = ColumnReportRow;

struct Check {
  const char* text;
  Row::Status status;
};

constexpr Check kOk = {"OK", Row::kOk};
constexpr Check kNoInformation = {"column has no information", Row::kWarning};
constexpr Check kOutOfRange = {"column is out of range", Row::kError};
constexpr Check kExtra = {"extra column", Row::kError};

Check InputCheck(const Row& row) {
  if (row.variance < 0.001) return kNoInformation;
  if (row.minimum < -3 || row.maximum > 3) return kOutOfRange;
  return kOk;
}

Check OutputCheck(const Row& row, std::int32_t activation) {
  double low = -3.0, high = 3.0;
  if (activation == 0) low = 0.1, high = 0.9;
  if (activation == 1) low = -0.9, high = 0.9;
  return row.minimum < low || row.maximum > high ? kOutOfRange : kOk;
}

Check InputOutputCheck(const Row& row, std::int32_t activation) {
  if (OutputCheck(row, activation).status == Row::kError) return kOutOfRange;
  return row.variance < 0.001 ? kNoInformation : kOk;
}

Check ClassCheck(const Matrix& set, std::int32_t column, const Row& row, std::int32_t outputs) {
  if (row.minimum < 0 || row.maximum > outputs) return {"class is out of range", Row::kError};
  for (std::int32_t r = 0; r < set.Rows(); ++r) {
    const double x = set[r][column];
    if (x != std::trunc(x)) return {"class is not a integer value", Row::kError};
  }
  return {"class OK", Row::kOk};
}

void Label(Row& row, const char* format, std::int32_t number, const Check& check) {
  row.label = platform::Format(format, number, check.text);
  row.status = check.status;
}

// "Re[in %d] - %s" for even columns, "Im[in %d] - %s" for odd ones.
void ComplexLabel(Row& row, std::int32_t column, const char* name, std::int32_t number, const Check& check) {
  const std::string format = std::string(column % 2 == 0 ? "Re[" : "Im[") + name + " %d] - %s";
  Label(row, format.c_str(), number, check);
}

void RealLabels(std::vector<Row>& rows, const Matrix& set, const networkSetup& n) {
  const std::int32_t cols = set.Cols(), inputs = n.inputs, outputs = n.outputs;
  for (std::int32_t j = 0; j < cols; ++j) {
    Row& row = rows[j];
    if (n.style == kGeneric) {
      if (cols == inputs + outputs) {
        if (j < inputs)
          Label(row, "in %d - %s", j + 1, InputCheck(row));
        else
          Label(row, "out %d - %s", j - inputs + 1, OutputCheck(row, n.outputActivation));
      } else {
        const bool target = j >= cols - outputs;
        row.label = platform::Format(target ? "out %d" : "fs %d", target ? j - (cols - outputs) + 1 : j + 1);
      }
    } else if (n.style == kClassifier) {
      const bool last = j == cols - 1;
      if (cols == inputs + 1) {
        if (!last) {
          Label(row, "in %d - %s", j + 1, InputCheck(row));
        } else {
          const Check check = ClassCheck(set, j, row, outputs);
          row.label = platform::Format("%s", check.text);
          row.status = check.status;
        }
      } else {
        row.label = last ? u"class" : platform::Format("fs %d", j + 1);
      }
    } else if (n.style == kOutputEqualsInput) {
      Label(row, "in/out %d - %s", j + 1, j < inputs ? InputOutputCheck(row, n.outputActivation) : kExtra);
    }
  }
}

void ComplexLabels(std::vector<Row>& rows, const Matrix& set, const networkSetup& n) {
  const std::int32_t cols = set.Cols(), inputColumns = 2 * n.inputs, targetEnd = 2 * (n.inputs + n.outputs);
  for (std::int32_t j = 0; j < cols; ++j) {
    Row& row = rows[j];
    if (n.style == kOutputEqualsInput) {
      ComplexLabel(row, j, "io", j / 2 + 1,
                   j < inputColumns ? InputOutputCheck(row, n.outputActivation) : kExtra);
    } else if (j < inputColumns) {
      ComplexLabel(row, j, "in", j / 2 + 1, InputCheck(row));
    } else if (n.style == kClassifier && j == cols - 1) {
      const Check check = ClassCheck(set, j, row, n.outputs);
      row.label = platform::Format("%s", check.text);
      row.status = check.status;
    } else {
      const bool target = n.style == kGeneric && j < targetEnd;
      ComplexLabel(row, j, "out", (j - inputColumns) / 2 + 1,
                   target ? OutputCheck(row, n.outputActivation) : kExtra);
    }
  }
}

}  // namespace

std::vector<ColumnReportRow> ColumnStatistics(const Matrix& set) {
  std::vector<Row> rows(set.Cols());
  const double n = set.Rows();
  for (std::int32_t j = 0; j < set.Cols() && set.Rows() > 0; ++j) {
    Row& row = rows[j];
    double sum = 0.0, squares = 0.0;
    row.minimum = row.maximum = set[0][j];
    for (std::int32_t r = 0; r < set.Rows(); ++r) {
      const double x = set[r][j];
      sum += x;
      squares += x * x;
      if (x < row.minimum) row.minimum = x;
      if (x > row.maximum) row.maximum = x;
    }
    row.mean = sum / n;
    row.variance = n <= 1 ? 0.0 : squares / (n - 1) - sum * sum / (n * (n - 1));
  }
  return rows;
}

std::vector<ColumnReportRow> ColumnReport(const Matrix& set, const networkSetup& network) {
  std::vector<Row> rows = ColumnStatistics(set);
  if (set.Rows() == 0) return rows;
  if (network.complex)
    ComplexLabels(rows, set, network);
  else
    RealLabels(rows, set, network);
  return rows;
}
