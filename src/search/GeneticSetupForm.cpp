#include "search/GeneticSetupForm.h"

#include "search/FieldNumber.h"

namespace {

constexpr const char16_t* kTitle = u"Genetic Initialization";

// Not a number fails as well.
bool IsProbability(double p) { return p >= 0.0 && p <= 1.0; }

}  // namespace

GeneticSetupForm::GeneticSetupForm(const trainingSetup& setup)
    : individuals(setup.genetic.population),
      generations(setup.genetic.generations),
      crossover(FieldNumber::Text(setup.genetic.crossover)),
      mutation(FieldNumber::Text(setup.genetic.mutation)),
      cycles(setup.initializationAttempts) {}

std::optional<Balloon> GeneticSetupForm::Accept(trainingSetup& setup) const {
  if (individuals < 1) return Balloon{kIndividuals, kTitle, u"There must be at least one individual"};
  if (generations < 1) return Balloon{kGenerations, kTitle, u"There must be at least one generation"};
  const double pc = FieldNumber::Read(crossover);
  if (!IsProbability(pc))
    return Balloon{kCrossover, kTitle, u"The probability of crossover must be between 0 and 1"};
  const double pm = FieldNumber::Read(mutation);
  if (!IsProbability(pm))
    return Balloon{kMutation, kTitle, u"The probability of mutate must be between 0 and 1"};
  if (cycles < 1) return Balloon{kCycles, kTitle, u"The number of cycles must be bigger than zero"};
  setup.genetic.population = individuals;
  setup.genetic.generations = generations;
  setup.genetic.crossover = pc;
  setup.genetic.mutation = pm;
  setup.initializationAttempts = cycles;
  return std::nullopt;
}
