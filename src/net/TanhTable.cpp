#include "net/TanhTable.h"

#include <algorithm>

TanhTable::TanhTable() {
  table.Fill(kScale, [](int i) { return std::tanh(i * 1.5 / kScale); });
}

double TanhTable::Derivative(double y) const { return 1.5 * (1.0 - y * y); }

double TanhTable::Inverse(double y) const {
  y = std::clamp(y, -0.999999999999, 0.999999999999);
  return std::log((1.0 + y) / (1.0 - y)) * 0.333333333333333;
}

void TanhTable::Apply(double* values, int count) const {
#if defined(__SSE2__)
  const __m128d sign = _mm_set1_pd(-0.0);
  table.ApplyPairs(
      values, count, kBound, [this](double x) { return Squash(x); },
      [sign](__m128d y) { return _mm_xor_pd(y, sign); });
#else
  for (int i = 0; i < count; ++i) values[i] = Squash(values[i]);
#endif
}
