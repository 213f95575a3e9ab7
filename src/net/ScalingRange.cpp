#include "net/ScalingRange.h"

namespace ScalingRange {

RowTexts TextsOf(Scaler& scaler, std::int32_t row) { return {scaler.MethodText(row), scaler.RangeText(row)}; }

std::optional<Balloon> Accept(Scaler& scaler, const std::vector<std::int32_t>& selectedRows,
                              std::uint32_t method, double min, double max) {
  if (method == 0) {
    min = max = 0.0;  // "No scaling" clears both boxes
  } else if (max <= min) {
    return Balloon{kMaximum, u"Tessarion", u"The maximum value must be greater than the minimum value"};
  }
  for (std::int32_t row : selectedRows) scaler.Set(row, min, max, method);
  return std::nullopt;
}

}  // namespace ScalingRange
