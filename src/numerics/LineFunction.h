#pragma once

// A function of one variable t along a line p + t d through some space.
class LineFunction {
 public:
  virtual double ValueAt(double t) = 0;
  // d/dt of ValueAt: the gradient at p + t d dotted with d.
  virtual double SlopeAt(double t) = 0;
  virtual ~LineFunction() = default;
};
