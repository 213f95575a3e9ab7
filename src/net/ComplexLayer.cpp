#include "net/ComplexLayer.h"

void ComplexLayer::Forward(const Matrix& in, std::int32_t row) {
  const double* x = in[row];
  double* y = output[0];
  const std::int32_t neurons = weights.Rows();
  for (std::int32_t i = 0; i < neurons; ++i) {
    const double* w = weights[i];
    double re = 0.0, im = 0.0;
    for (std::int32_t k = 0; k < inputCount; ++k) {
      const double a = x[2 * k], b = x[2 * k + 1];
      const double c = w[2 * k], d = w[2 * k + 1];
      re += c * a - d * b;
      im += c * b + d * a;
    }
    y[2 * i] = re + w[2 * inputCount];
    y[2 * i + 1] = im + w[2 * inputCount + 1];
  }
  activation->Apply(y, 2 * neurons);
}
