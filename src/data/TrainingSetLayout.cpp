#include "data/TrainingSetLayout.h"

#include <cmath>
#include <limits>

std::int32_t ExpectedColumns(const networkSetup& network, bool withTargets) {
  const std::int32_t width = network.complex ? 2 : 1;
  std::int32_t columns = width * network.inputs;
  if (!withTargets) return columns;
  if (network.style == kGeneric) columns += width * network.outputs;
  if (network.style == kClassifier) columns += 1;
  return columns;
}

std::int32_t MinimumRows(std::int32_t inputs, std::int32_t hidden1, std::int32_t hidden2,
                         std::int32_t outputs, bool complex) {
  std::int32_t weights = (inputs + 1) * outputs;
  if (hidden1 > 0) {
    weights = (inputs + 1) * hidden1;
    if (hidden2 > 0) weights += (hidden1 + 1) * hidden2;
  }
  return (complex ? 6 : 3) * weights;
}

double RoundTo(double x, std::int32_t digits) {
  std::int32_t power = 1;
  for (std::int32_t i = 0; i < digits && power <= std::numeric_limits<std::int32_t>::max() / 10; ++i)
    power *= 10;
  const double shifted = x * power + 0.5;
  // Beyond 32 bits the whole part is kept as it is rather than wrapped.
  const bool fits = shifted > std::numeric_limits<std::int32_t>::min() - 1.0 &&
                    shifted < std::numeric_limits<std::int32_t>::max() + 1.0;
  const double whole = fits ? static_cast<double>(static_cast<std::int32_t>(shifted)) : std::trunc(shifted);
  return whole / power;
}

Message CheckNetworkFitsSet(const networkSetup& n, const Matrix& set) {
  const std::int64_t c = set.Cols();
  const std::int64_t i = n.inputs, o = n.outputs;
  switch (n.style) {
    case kGeneric:
      if (!n.complex && c != i + o)
        return u"The size of the (generic) network is not appropriate for the currente training set";
      if (n.complex && c != 2 * (i + o))
        return u"The size of the (generic) complex domain network is not appropriate for the currente "
               u"training set";
      break;
    case kClassifier:
      if (!n.complex && c != i + 1)
        return u"The size of the (classifier) network is not appropriate for the currente training set";
      if (n.complex && c != 2 * i + 1)
        return u"The size of the (classifier) complex domain network is not appropriate for the currente "
               u"training "
               u"set";
      break;
    case kOutputEqualsInput:
      if (!n.complex && (c != i || c != o))
        return u"The size of the (autoassociative) network is not appropriate for the currente training set";
      if (n.complex && (c != 2 * i || c != 2 * o))
        return u"The size of (autoassociative) complex domain network is not appropriate for the currente "
               u"training "
               u"set";
      break;
    default: break;
  }
  return nullptr;
}
