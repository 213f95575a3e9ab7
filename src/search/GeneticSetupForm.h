#pragma once
#include <cstdint>
#include <optional>
#include <string>

#include "net/Balloon.h"
#include "net/TrainingSetup.h"

// The logic of the "Genetic Initialization" dialog: the values it shows
// and the checks on OK. The window only moves values between its controls
// and this form.
class GeneticSetupForm {
 public:
  enum Field { kIndividuals, kGenerations, kCrossover, kMutation, kCycles };

  // The settings as the dialog opens with them; probabilities as "%g".
  explicit GeneticSetupForm(const trainingSetup& setup);
  // OK: the first failed check, or nothing after storing the five values
  // into `setup` (the cycles are its initialisation attempts).
  std::optional<Balloon> Accept(trainingSetup& setup) const;

  std::int32_t individuals;
  std::int32_t generations;
  std::u16string crossover;
  std::u16string mutation;
  std::int32_t cycles;
};
