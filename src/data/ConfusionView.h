#pragma once
#include <cstdint>
#include <string>

#include "numerics/Matrix.h"

// What the "Confusion Matrix" window shows of a matrix: N + 1 header texts
// along each side, a text and an error mark per cell, and the title.
class ConfusionView {
 public:
  explicit ConfusionView(const Matrix& confusion) : confusion(confusion) {}

  // The number of rows (and columns) of the grid, "reject" included.
  std::int32_t Size() const { return confusion.Rows(); }
  // "Confusion matrix (No. errors = %d)" over the whole grid.
  std::u16string Title() const;
  // "class %d" for 0..N-1, "reject" for the last.
  std::u16string Header(std::int32_t index) const;
  // "%d", or "%d*" for an error cell, which the window draws in red.
  std::u16string CellText(std::int32_t actual, std::int32_t recognised) const;
  bool CellIsError(std::int32_t actual, std::int32_t recognised) const;

 private:
  const Matrix& confusion;
};
