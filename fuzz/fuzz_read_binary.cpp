// A binary matrix stream from any bytes: read blocks one after another, as a
// network file does, without crashing or allocating more than the input holds.
#include <cstdint>
#include <cstdlib>

#include "MemoryFile.h"
#include "numerics/Matrix.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  MemoryFile file(data, size);
  for (int block = 0; block < 4; ++block) {
    Matrix m;
    if (m.ReadBinary(file)) break;
    if (static_cast<std::size_t>(m.Rows()) * m.Cols() * 8 > size) std::abort();
  }
  return 0;
}
