#pragma once
#include <cstdint>
#include <optional>
#include <string>

#include "net/Balloon.h"

// The settings of a feature selection, kept between searches. A population
// of 0 means the user has never set one.
struct FeatureSelectionSettings {
  std::int32_t population = 0;
  std::int32_t generations = 20;
  double crossover = 1.0;
  double mutation = 1e-4;
};

// The number of distinct subsets of K out of F features, rounded from
// exp(ln F! - ln K! - ln (F - K)!), as the dialog counts them.
double SubsetCount(std::int32_t features, std::int32_t chosen);

// The logic of the "Feature Selection" dialog: the largest population that
// makes sense, the one it proposes, and the checks on OK.
class FeatureSelectionForm {
 public:
  enum Field { kPopulation, kGenerations, kCrossover, kMutation };

  FeatureSelectionForm(const FeatureSelectionSettings& settings, std::int32_t features, std::int32_t chosen);

  // min(C(F, K), 4096).
  std::int32_t MaxPopulation() const { return maxPopulation; }
  std::int32_t Features() const { return features; }
  std::int32_t Chosen() const { return chosen; }
  // OK: the first failed check, or nothing after storing into `settings`.
  std::optional<Balloon> Accept(FeatureSelectionSettings& settings);

  // What the dialog shows and edits; the population starts with the
  // proposal while none was ever set.
  FeatureSelectionSettings fields;

 private:
  std::int32_t features;
  std::int32_t chosen;
  std::int32_t maxPopulation;
  std::u16string populationText;
};
