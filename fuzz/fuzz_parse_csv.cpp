// Any text given to the CSV parser must give a matrix whose shape follows
// the line and comma counts, or a clean refusal.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "numerics/Matrix.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  Matrix m;
  std::string_view text(reinterpret_cast<const char*>(data), size);
  if (m.ParseCsv(text)) {
    if (m.Rows() < 1 || m.Cols() < 1 || !m.IsAllocated()) std::abort();
    volatile double sum = 0;
    for (int r = 0; r < m.Rows(); ++r)
      for (int c = 0; c < m.Cols(); ++c) sum = sum + m[r][c];
  }
  return 0;
}
