#include "data/ReducedSet.h"

#include <algorithm>
#include <vector>

bool BuildReducedSet(const std::uint8_t* bits, const Matrix& fullSet, std::int32_t features,
                     std::int32_t targets, Matrix& set) {
  if (set.Rows() != fullSet.Rows() || features + targets != fullSet.Cols()) return false;
  std::vector<std::int32_t> chosen;
  for (std::int32_t i = 0; i < features; ++i)
    if ((bits[i / 8] >> (i % 8)) & 1) chosen.push_back(i);
  const std::int32_t width = static_cast<std::int32_t>(chosen.size());
  if (set.Cols() != width + targets) return false;
  for (std::int32_t r = 0; r < fullSet.Rows(); ++r) {
    const double* from = fullSet[r];
    double* to = set[r];
    for (std::int32_t c = 0; c < width; ++c) to[c] = from[chosen[c]];
    std::copy_n(from + features, targets, to + width);
  }
  return true;
}
