#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "net/NetworkSetup.h"
#include "numerics/Matrix.h"

// One line of the training-set report.
struct ColumnReportRow {
  enum Status { kOk = 0, kWarning = 1, kError = 2 };
  std::u16string label;  // empty for plain statistics
  double mean = 0.0;
  double variance = 0.0;  // the sample variance; 0 for fewer than two rows
  double minimum = 0.0;
  double maximum = 0.0;
  Status status = kOk;
};

// Statistics of every column, with the labels and checks of the network's
// layout (the set is already scaled, so the ranges are the activations').
std::vector<ColumnReportRow> ColumnReport(const Matrix& set, const networkSetup& network);
// Statistics alone.
std::vector<ColumnReportRow> ColumnStatistics(const Matrix& set);
