#include "net/OutputRegression.h"

#include <algorithm>

#include "platform/Env.h"

OutputRegression::Failure OutputRegression::Prepare(std::int32_t caseCount, std::int32_t inputCount,
                                                    bool withInputTable) {
  Release();
  const std::int32_t unknowns = inputCount + 1;
  // Fewer cases than unknowns are padded with zero equations, which leave
  // the minimum-norm least-squares solution unchanged.
  const std::int32_t equations = std::max(caseCount, unknowns);
  const std::uint64_t tableBytes =
      withInputTable ? static_cast<std::uint64_t>(caseCount) * inputCount * sizeof(double) : 0;
  const std::uint64_t designBytes = static_cast<std::uint64_t>(equations) * unknowns * sizeof(double);
  if (withInputTable && (!platform::MemoryCanHold(tableBytes) || !inputTable.Resize(caseCount, inputCount))) {
    Release();
    return kNoLayerInputTable;
  }
  if (!platform::MemoryCanHold(tableBytes + designBytes) || decomposition.Setup(equations, unknowns) ||
      !decomposition.w.Resize(unknowns) || !decomposition.V.Resize(unknowns, unknowns) ||
      !b.Resize(equations) || !x.Resize(unknowns)) {
    Release();
    return kNoDecomposition;
  }
  cases = caseCount;
  layerInputs = inputCount;
  return kNone;
}

bool OutputRegression::IsPreparedFor(std::int32_t caseCount, std::int32_t inputCount) const {
  return decomposition.A.IsAllocated() && caseCount == cases && inputCount == layerInputs;
}

void OutputRegression::Release() {
  decomposition.Release();
  inputTable.Free();
  b.Free();
  x.Free();
  cases = layerInputs = 0;
}

void OutputRegression::FillDesign(const Matrix& source) {
  Matrix& a = decomposition.A;
  for (std::int32_t r = 0; r < cases; ++r) {
    std::copy_n(source[r], layerInputs, a[r]);
    a[r][layerInputs] = 1.0;
  }
  for (std::int32_t r = cases; r < a.Rows(); ++r) std::fill_n(a[r], a.Cols(), 0.0);
}

bool OutputRegression::Fit(const Matrix& source, const RightHandSide& rightHandSide, Matrix& weights,
                           double clampLimit) {
  FillDesign(source);
  if (!decomposition.svdcmp()) return false;
  for (std::int32_t k = 0; k < weights.Rows(); ++k) {
    b.Zero();
    rightHandSide(k, b);
    if (!decomposition.BackSubstitute(b, x)) return false;
    double* row = weights[k];
    for (std::int32_t c = 0; c <= layerInputs; ++c)
      row[c] = clampLimit > 0.0 ? std::clamp(x[c], -clampLimit, clampLimit) : x[c];
  }
  return true;
}
