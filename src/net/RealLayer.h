#pragma once
#include "net/Layer.h"

// A layer of real neurons: output i = f(sum_k W[i][k] x[k] + W[i][bias]).
class RealLayer final : public Layer {
 public:
  void Forward(const Matrix& in, std::int32_t row) override;
  bool IsComplex() const override { return false; }
};
