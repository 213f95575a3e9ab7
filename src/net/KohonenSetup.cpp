#include "net/KohonenSetup.h"

std::optional<Balloon> KohonenSetup::Accept(std::int32_t newInputs, std::int32_t newOutputs) {
  if (newInputs < 1)
    return Balloon{kInputs, u"Kohonen network", u"The number of input must be greater than zero"};
  if (newOutputs < 1)
    return Balloon{kOutputs, u"Kohonen network", u"The number of outputs must be greater than zero"};
  inputs = newInputs;
  outputs = newOutputs;
  return std::nullopt;
}
