#include "data/FeatureSelectionForm.h"

#include <algorithm>
#include <cmath>

#include "platform/Text.h"

namespace {

constexpr double kPopulationLimit = 4096.0;

bool IsProbability(double p) { return p >= 0.0 && p <= 1.0; }

}  // namespace

double SubsetCount(std::int32_t features, std::int32_t chosen) {
  if (chosen < 0 || chosen > features) return 0.0;
  const double logCount =
      std::lgamma(features + 1.0) - std::lgamma(chosen + 1.0) - std::lgamma(features - chosen + 1.0);
  return std::floor(std::exp(logCount) + 0.5);
}

FeatureSelectionForm::FeatureSelectionForm(const FeatureSelectionSettings& settings, std::int32_t features,
                                           std::int32_t chosen)
    : fields(settings),
      features(features),
      chosen(chosen),
      maxPopulation(static_cast<std::int32_t>(std::min(SubsetCount(features, chosen), kPopulationLimit))) {
  if (fields.population == 0) {
    const std::int32_t proposal = maxPopulation / 10;
    fields.population = proposal < 2 ? 4 : proposal;
  }
}

std::optional<Balloon> FeatureSelectionForm::Accept(FeatureSelectionSettings& settings) {
  if (!IsProbability(fields.crossover))
    return Balloon{kCrossover, u"Tessarion", u"The probability of crossover must be between 0 and 1"};
  if (!IsProbability(fields.mutation))
    return Balloon{kMutation, u"Tessarion", u"The probability of mutation must be between 0 and 1"};
  if (fields.generations <= 0)
    return Balloon{kGenerations, u"Tessarion", u"The number of generations must be greater than 0"};
  if (fields.population <= 0 || fields.population > maxPopulation) {
    populationText =
        platform::Format("The population size must be less than %d and bigger than 0", maxPopulation);
    return Balloon{kPopulation, u"Feature Selection", populationText.c_str()};
  }
  settings = fields;
  return std::nullopt;
}
