#pragma once
#include "net/Layer.h"

// A layer of complex neurons. Inputs, weights, the bias and outputs are
// (real, imaginary) pairs; the activation acts on each part on its own.
class ComplexLayer final : public Layer {
 public:
  void Forward(const Matrix& in, std::int32_t row) override;
  bool IsComplex() const override { return true; }
};
