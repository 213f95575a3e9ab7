#include "net/RealLayer.h"

namespace {

// Four neurons at a time: four independent sums keep the adder busy while
// each sum still runs over its inputs in order, so every output is the
// exact value of the plain neuron-by-neuron loop.
void WeightedSums4(const Matrix& w, std::int32_t first, const double* x, std::int32_t n, double* sums) {
  const double* w0 = w[first];
  const double* w1 = w[first + 1];
  const double* w2 = w[first + 2];
  const double* w3 = w[first + 3];
  double s0 = 0.0, s1 = 0.0, s2 = 0.0, s3 = 0.0;
  for (std::int32_t k = 0; k < n; ++k) {
    const double xk = x[k];
    s0 += w0[k] * xk;
    s1 += w1[k] * xk;
    s2 += w2[k] * xk;
    s3 += w3[k] * xk;
  }
  sums[0] = s0 + w0[n];
  sums[1] = s1 + w1[n];
  sums[2] = s2 + w2[n];
  sums[3] = s3 + w3[n];
}

double WeightedSum(const double* w, const double* x, std::int32_t n) {
  double s = 0.0;
  for (std::int32_t k = 0; k < n; ++k) s += w[k] * x[k];
  return s + w[n];
}

}  // namespace

void RealLayer::Forward(const Matrix& in, std::int32_t row) {
  const double* x = in[row];
  double* y = output[0];
  const std::int32_t neurons = weights.Rows();
  std::int32_t i = 0;
  for (; i + 4 <= neurons; i += 4) WeightedSums4(weights, i, x, inputCount, y + i);
  for (; i < neurons; ++i) y[i] = WeightedSum(weights[i], x, inputCount);
  activation->Apply(y, neurons);
}
