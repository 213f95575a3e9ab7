#pragma once
#include "numerics/Matrix.h"

// A copy of a network's weights with the mse they gave. A network without
// hidden layers uses only `output`, one with a hidden layer `hidden1` too.
struct WeightSnapshot {
  Matrix hidden1;
  Matrix hidden2;
  Matrix output;
  double mse = 1.0;
};
