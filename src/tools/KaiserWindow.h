#pragma once
#include <cstdint>

// The Kaiser window of the filtering lab: taps 0 .. count, shape beta,
// w(i) = I0(beta sqrt(1 - ((i - M)/M)^2)) / I0(beta) with M = count/2, and 0
// outside the taps.
class KaiserWindow {
 public:
  KaiserWindow(std::int32_t count, double beta) : count(count), beta(beta) {}

  double operator()(std::int32_t i) const;
  // The zeroth-order modified Bessel function of the first kind, summed from
  // its power series until the terms stop changing the sum.
  static double BesselI0(double x);

 private:
  std::int32_t count;
  double beta;
};
