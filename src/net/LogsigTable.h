#pragma once
#include <cmath>

#include "net/Activation.h"
#include "net/LookupTable.h"

// "Logsig": 1 / (1 + e^-x), read from a table over |x| <= 15.
class LogsigTable final : public Activation {
 public:
  static constexpr double kBound = 15.0;
  static constexpr double kScale = 136.46666666666667;

  LogsigTable();
  double Evaluate(double x) const override { return Squash(x); }
  double Derivative(double y) const override;
  double Inverse(double y) const override;
  int Code() const override { return 0; }
  char Letter() const override { return 'S'; }
  double UpperTarget() const override { return 0.9; }
  double LowerTarget() const override { return 0.1; }
  double Threshold() const override { return 0.5; }
  void Apply(double* values, int count) const override;
  const LookupTable& Table() const { return table; }

 private:
  double Squash(double x) const {
    const double magnitude = std::fabs(x);
    // Written so that NaN also leaves here: a NaN must not index the table.
    if (!(magnitude <= kBound)) return std::isnan(x) ? x : (x > 0.0 ? 1.0 : 0.0);
    const double y = table.Interpolate(magnitude);
    return x < 0.0 ? 1.0 - y : y;
  }

  LookupTable table;
};
