#pragma once
#include "numerics/Vector.h"

// A differentiable function of n variables, minimised along lines by
// FindMinimumD.
class ObjectiveFunction {
 public:
  virtual double Value(const Vector& x) = 0;
  // Fills g (sized by the callee) with the gradient at x.
  virtual void Gradient(const Vector& x, Vector& g) = 0;
  virtual ~ObjectiveFunction() = default;
};
