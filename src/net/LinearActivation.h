#pragma once
#include "net/Activation.h"

// "Linear": the identity.
class LinearActivation final : public Activation {
 public:
  double Evaluate(double x) const override { return x; }
  double Derivative(double) const override { return 1.0; }
  double Inverse(double y) const override { return y; }
  int Code() const override { return 2; }
  char Letter() const override { return 'L'; }
  double UpperTarget() const override { return 3.0; }
  double LowerTarget() const override { return -3.0; }
  double Threshold() const override { return 0.0; }
  void Apply(double*, int) const override {}
};
