#include "tools/KaiserWindow.h"

#include <cmath>

double KaiserWindow::operator()(std::int32_t i) const {
  if (i < 0 || i > count) return 0;
  const std::int32_t middle = count / 2;
  const double ratio = static_cast<double>(i - middle) / middle;
  return BesselI0(beta * std::sqrt(1 - ratio * ratio)) / BesselI0(beta);
}

double KaiserWindow::BesselI0(double x) {
  // I0(x) = sum over k of ((x/2)^k / k!)^2; every term is positive, so the
  // sum is exact to rounding once a term no longer changes it.
  const double half = x / 2;
  double term = 1;
  double sum = 1;
  for (int k = 1; k < 500; ++k) {
    term *= half / k;
    const double next = sum + term * term;
    if (next == sum) break;
    sum = next;
  }
  return sum;
}
