#include "net/RealLayer.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace {

// The sums of one neuron, in input order, then its bias.
void WeightedSum(const double* w, const double* x, std::int32_t n, double* sum) {
  double s = 0.0;
  for (std::int32_t k = 0; k < n; ++k) s += w[k] * x[k];
  *sum = s + w[n];
}

#if defined(__SSE2__)
// 2 x kPairs neurons at once, two to a vector: lane j of a vector holds the
// running sum of one neuron, which still adds its products in input order,
// so every sum is bit for bit the one of the plain loop above. Row pairs
// are interleaved with unpack so each load serves two inputs.
template <int kPairs>
void WeightedSums(const Matrix& w, std::int32_t first, const double* x, std::int32_t n, double* sums) {
  const double* rows[2 * kPairs];
  for (int b = 0; b < 2 * kPairs; ++b) rows[b] = w[first + b];
  __m128d acc[kPairs];
  for (int p = 0; p < kPairs; ++p) acc[p] = _mm_setzero_pd();
  std::int32_t k = 0;
  for (; k + 2 <= n; k += 2) {
    const __m128d x0 = _mm_set1_pd(x[k]);
    const __m128d x1 = _mm_set1_pd(x[k + 1]);
    for (int p = 0; p < kPairs; ++p) {
      const __m128d a = _mm_loadu_pd(rows[2 * p] + k);
      const __m128d b = _mm_loadu_pd(rows[2 * p + 1] + k);
      acc[p] = _mm_add_pd(acc[p], _mm_mul_pd(_mm_unpacklo_pd(a, b), x0));
      acc[p] = _mm_add_pd(acc[p], _mm_mul_pd(_mm_unpackhi_pd(a, b), x1));
    }
  }
  if (k < n) {
    const __m128d xk = _mm_set1_pd(x[k]);
    for (int p = 0; p < kPairs; ++p)
      acc[p] = _mm_add_pd(acc[p], _mm_mul_pd(_mm_set_pd(rows[2 * p + 1][k], rows[2 * p][k]), xk));
  }
  for (int p = 0; p < kPairs; ++p) {
    const __m128d bias = _mm_set_pd(rows[2 * p + 1][n], rows[2 * p][n]);
    _mm_storeu_pd(sums + 2 * p, _mm_add_pd(acc[p], bias));
  }
}
#else
template <int kPairs>
void WeightedSums(const Matrix& w, std::int32_t first, const double* x, std::int32_t n, double* sums) {
  for (int b = 0; b < 2 * kPairs; ++b) WeightedSum(w[first + b], x, n, sums + b);
}
#endif

}  // namespace

void RealLayer::Forward(const Matrix& in, std::int32_t row) {
  const double* x = in[row];
  double* y = output[0];
  const std::int32_t neurons = weights.Rows();
  std::int32_t i = 0;
  for (; i + 8 <= neurons; i += 8) WeightedSums<4>(weights, i, x, inputCount, y + i);
  for (; i + 2 <= neurons; i += 2) WeightedSums<1>(weights, i, x, inputCount, y + i);
  if (i < neurons) WeightedSum(weights[i], x, inputCount, y + i);
  activation->Apply(y, neurons);
}
