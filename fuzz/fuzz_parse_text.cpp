// The vector text parser with any text and a separator taken from the input.
#include <cstdint>
#include <string>

#include "numerics/Vector.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 1) return 0;
  const std::size_t separatorLength = data[0] % 3;
  if (size < 1 + 2 * separatorLength) return 0;
  std::u16string separator, text;
  for (std::size_t i = 0; i < separatorLength; ++i) separator += static_cast<char16_t>(data[1 + i] | 0x20);
  for (std::size_t i = 1 + separatorLength; i < size; ++i) text += static_cast<char16_t>(data[i]);
  Vector v;
  v.ParseText(text, separator);
  return 0;
}
