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
  // Branch-free apart from the rare values beyond the bound: a NaN or a
  // value past the bound reads the table at the bound and is then replaced.
  double Squash(double x) const {
    const double magnitude = std::fabs(x);
    const bool inside = magnitude <= kBound;
    double y = table.Interpolate(inside ? magnitude : kBound);
    if (!inside) y = std::isnan(x) ? x : 1.0;
    return LookupTable::SelectBySign(x, 1.0 - y, y);
  }

  LookupTable table;
};
