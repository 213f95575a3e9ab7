#pragma once
#include "net/TrainingSetup.h"
#include "search/AnnealingSubject.h"

// One simulated-annealing pass: for each temperature of the schedule, a
// number of candidates drawn around the centre with a spread that shrinks
// with the temperature, each accepted by the Metropolis rule scaled by k
// (an improvement always; a worsening d with probability exp(-k d / T)).
// Within one temperature every candidate is compared with the centre as it
// stood when the temperature began; the centre then moves to the last
// accepted candidate. The pass ends early once an accepted error reaches
// the goal or a stop is requested.
class AnnealingPass {
 public:
  // Runs the pass from the subject's present weights, whose error is
  // `startError`. The subject ends holding the centre. Returns the error
  // of the last accepted candidate, 1.0 when none was accepted.
  double Run(AnnealingSubject& subject, const annealingParameters& parameters, double goal,
             double startError);

 private:
  enum class Outcome { kContinue, kFinished };
  // The candidates of one temperature.
  Outcome RunTemperature(AnnealingSubject& subject, const annealingParameters& parameters, double goal,
                         double temperature, bool& accepted);

  double centreError = 0.0;
  double lastAcceptedError = 1.0;
};
