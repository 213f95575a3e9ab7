#include "data/LeaveOneOut.h"

#include <algorithm>

#include "data/Confusion.h"
#include "platform/Text.h"

Message LeaveOneOut::Refusal(const LayerNet1& network) {
  if (network.IsComplex())
    return u"This version of Tessarion does not support leave-one-out cross-validation for "
           u"complex-domain neural networks.";
  if (network.Style() != kClassifier)
    return u"This type of network is not compatible with leave-one-out cross-validation";
  if (!network.HasNetwork()) return u"Leave-one-out cross-validation is only valid for layer networks.";
  return nullptr;
}

bool LeaveOneOut::Begin(Matrix& trainingSet) {
  Matrix copy;
  if (!copy.Resize(trainingSet.Rows(), trainingSet.Cols())) return false;
  copy.CopyFrom(trainingSet);
  fullSet.Swap(copy);
  rows = fullSet.Rows();
  row = 0;
  errors = 0;
  memoryFailed = false;
  keepGoing = true;
  if (BuildFold(trainingSet)) return true;
  trainingSet.Swap(fullSet);
  fullSet.Free();
  return false;
}

LeaveOneOut::Next LeaveOneOut::Advance(LayerNet1& network, Matrix& trainingSet) {
  if (keepGoing) keepGoing = network.Mse() != 1e100;
  const std::int32_t column = ClassifyCase(network, fullSet, row);
  const std::int32_t recognised = column == network.Outputs() ? 0 : column + 1;
  const std::int32_t actual = static_cast<std::int32_t>(fullSet[row][fullSet.Cols() - 1]);
  if (recognised != actual) ++errors;
  ++row;
  if (row >= rows || !keepGoing) return Next::Finished;
  if (!BuildFold(trainingSet)) {
    memoryFailed = true;
    return Next::Finished;
  }
  return Next::Train;
}

void LeaveOneOut::Finish(Matrix& trainingSet) {
  if (!fullSet.IsAllocated()) return;
  trainingSet.Swap(fullSet);
  fullSet.Free();
}

std::u16string LeaveOneOut::ResultText() const {
  return platform::Format("Errors = %d (%g %%)", errors, rows > 0 ? errors * 100.0 / rows : 0.0);
}

bool LeaveOneOut::BuildFold(Matrix& trainingSet) const {
  const std::int32_t cols = fullSet.Cols();
  if (!trainingSet.Resize(rows - 1, cols)) return false;
  for (std::int32_t r = 0, out = 0; r < rows; ++r)
    if (r != row) std::copy_n(fullSet[r], cols, trainingSet[out++]);
  return true;
}
