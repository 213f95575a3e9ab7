#include "net/Layer.h"

bool Layer::Allocate(std::int32_t neurons, std::int32_t inputs, bool withOutputs) {
  const std::int32_t width = IsComplex() ? 2 : 1;
  inputCount = inputs;
  if (!weights.Resize(neurons, width * (inputs + 1))) return false;
  if (withOutputs && !output.Resize(1, width * neurons)) return false;
  return true;
}
