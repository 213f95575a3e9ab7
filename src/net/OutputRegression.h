#pragma once
#include <cstdint>
#include <functional>

#include "numerics/Matrix.h"
#include "numerics/MatrixOperation.h"
#include "numerics/Vector.h"

// The least-squares fit of one layer's weights: one equation per training
// case (the layer's inputs for that case, then a constant 1 for the bias),
// decomposed once by SVD and solved for every neuron. It owns its work
// space, so a search that refits the output layer for every candidate
// allocates it only once.
class OutputRegression {
 public:
  enum Failure { kNone, kNoLayerInputTable, kNoDecomposition };
  // Fills b (one element per equation) with the right-hand sides of neuron k.
  using RightHandSide = std::function<void(std::int32_t k, Vector& b)>;

  // Sizes the work for `cases` equations over `layerInputs` inputs and the
  // bias, with a table of the layer's inputs per case when `withInputTable`.
  // Sizes are checked against the memory the platform reports before
  // anything is allocated. On failure nothing stays allocated.
  Failure Prepare(std::int32_t cases, std::int32_t layerInputs, bool withInputTable);
  bool IsPreparedFor(std::int32_t cases, std::int32_t layerInputs) const;
  void Release();
  // Row r holds the layer's inputs for case r (sized by Prepare).
  Matrix& LayerInputTable() { return inputTable; }

  // Fits `weights` (one row per neuron, bias last) to the prepared cases:
  // row r of `source` begins with the layer's inputs for case r. With
  // `clampLimit` > 0 every solved weight is clamped into [-limit, limit].
  // False when scratch memory runs out.
  bool Fit(const Matrix& source, const RightHandSide& rightHandSide, Matrix& weights, double clampLimit);

 private:
  void FillDesign(const Matrix& source);

  MatrixOperation decomposition;
  Matrix inputTable;
  Vector b;
  Vector x;
  std::int32_t cases = 0;
  std::int32_t layerInputs = 0;
};
