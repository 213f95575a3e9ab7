#pragma once
#include <cstdint>

#include "net/Activation.h"
#include "numerics/Matrix.h"

// One fully connected layer: a weight matrix with one row per neuron and the
// bias in the last column, a one-row output matrix, and a non-owning pointer
// to the network's activation object. Complex layers hold (real, imaginary)
// pairs, so both of their column counts are doubled.
class Layer {
 public:
  virtual ~Layer() = default;
  // Computes the outputs from row `row` of `in`, whose first columns are the
  // layer's inputs.
  virtual void Forward(const Matrix& in, std::int32_t row) = 0;
  virtual bool IsComplex() const = 0;

  // Sizes W to neurons x (inputs + 1) and, when withOutputs, the output to
  // 1 x neurons (both doubled for a complex layer). False when memory fails.
  bool Allocate(std::int32_t neurons, std::int32_t inputs, bool withOutputs);
  void SetActivation(const Activation* function) { activation = function; }
  const Activation* GetActivation() const { return activation; }

  Matrix& Weights() { return weights; }
  const Matrix& Weights() const { return weights; }
  const Matrix& Output() const { return output; }
  std::int32_t Neurons() const { return weights.Rows(); }
  std::int32_t Inputs() const { return inputCount; }

 protected:
  Matrix weights;
  Matrix output;
  std::int32_t inputCount = 0;
  const Activation* activation = nullptr;
};
