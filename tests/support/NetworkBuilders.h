#pragma once
#include <initializer_list>
#include <string>

#include "net/LayerNet3.h"
#include "net/NetworkSetup.h"
#include "numerics/Matrix.h"

// A description with the given sizes; activations are codes (0 Logsig,
// 1 Tanh, 2 Linear).
inline networkSetup MakeSetup(int inputs, int hidden1, int hidden2, int outputs, int act1, int act2,
                              int actOut, int style = kGeneric, bool complex = false) {
  networkSetup s;
  s.SetFileIdentity();
  s.inputs = inputs;
  s.hidden1 = hidden1;
  s.hidden2 = hidden2;
  s.outputs = outputs;
  s.hidden1Activation = act1;
  s.hidden2Activation = act2;
  s.outputActivation = actOut;
  s.style = style;
  s.complex = complex ? 1 : 0;
  return s;
}

// A matrix from rows of values.
inline Matrix MakeMatrix(std::initializer_list<std::initializer_list<double>> rows) {
  Matrix m(static_cast<std::int32_t>(rows.size()), static_cast<std::int32_t>(rows.begin()->size()));
  std::int32_t r = 0;
  for (const auto& row : rows) {
    std::int32_t c = 0;
    for (double v : row) m[r][c++] = v;
    ++r;
  }
  return m;
}

// Fills every weight with a distinct, repeatable value in (-1, 1).
inline void FillWeights(LayerNet1& net) {
  Vector w(net.WeightCount());
  for (std::int32_t i = 0; i < w.Length(); ++i) w[i] = ((i * 37 % 23) - 11) / 13.0;
  net.SetWeights(w);
}
