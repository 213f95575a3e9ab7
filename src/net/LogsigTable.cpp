#include "net/LogsigTable.h"

#include <algorithm>

LogsigTable::LogsigTable() {
  table.Fill(kScale, [](int i) { return 1.0 / (1.0 + std::exp(-i / kScale)); });
}

double LogsigTable::Derivative(double y) const { return y * (1.0 - y); }

double LogsigTable::Inverse(double y) const {
  y = std::clamp(y, 1e-12, 0.999999999999);
  return -std::log(1.0 / y - 1.0);
}

void LogsigTable::Apply(double* values, int count) const {
#if defined(__SSE2__)
  const __m128d one = _mm_set1_pd(1.0);
  table.ApplyPairs(
      values, count, kBound, [this](double x) { return Squash(x); },
      [one](__m128d y) { return _mm_sub_pd(one, y); });
#else
  for (int i = 0; i < count; ++i) values[i] = Squash(values[i]);
#endif
}
