#pragma once
#include <cmath>
#include <cstdint>

#include "net/LayerNet1.h"
#include "numerics/Matrix.h"

// A set of `rows` rows of repeatable pseudo-random inputs in (-1, 1) and
// the targets the network's style reads: `outputs` values in (0.1, 0.9)
// for "Generic", a class number 1..outputs for "Classifier", nothing more
// for "Output = Input".
inline Matrix MakeTrainingSet(const LayerNet1& net, std::int32_t rows) {
  const std::int32_t inputs = net.Inputs();
  Matrix set(rows, net.ColumnCount(true));
  for (std::int32_t r = 0; r < rows; ++r) {
    for (std::int32_t c = 0; c < inputs; ++c) set[r][c] = std::sin((1.7 + 0.31 * c) * r + 2.3 * c + 0.4);
    if (net.Style() == kGeneric)
      for (std::int32_t k = 0; k < net.Outputs(); ++k)
        set[r][inputs + k] = 0.5 + 0.4 * std::cos(0.9 * r + 1.3 * k);
    if (net.Style() == kClassifier) set[r][inputs] = 1 + r % net.Outputs();
  }
  return set;
}

// sinc(x) on `rows` points of x in [-1, 1], scaled so the targets lie in
// [-0.22, 1]: one input column and one target column.
inline Matrix MakeSincSet(std::int32_t rows) {
  Matrix set(rows, 2);
  for (std::int32_t r = 0; r < rows; ++r) {
    const double x = -1.0 + 2.0 * r / (rows - 1);
    const double u = 6.0 * x;
    set[r][0] = x;
    set[r][1] = u == 0.0 ? 1.0 : std::sin(u) / u;
  }
  return set;
}
