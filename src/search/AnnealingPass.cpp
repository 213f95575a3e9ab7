#include "search/AnnealingPass.h"

#include <cmath>

#include "numerics/Random.h"
#include "search/AnnealingSchedule.h"

double AnnealingPass::Run(AnnealingSubject& subject, const annealingParameters& parameters, double goal,
                          double startError) {
  const AnnealingSchedule schedule(parameters);
  centreError = startError;
  lastAcceptedError = 1.0;
  double temperature = parameters.startTemperature;
  for (std::int32_t t = 0; t < parameters.temperatures; ++t) {
    if (parameters.linearCooling) temperature = schedule.LinearAt(t);
    subject.Publish(temperature, lastAcceptedError);
    bool accepted = false;
    const Outcome outcome = RunTemperature(subject, parameters, goal, temperature, accepted);
    if (accepted) {
      subject.MoveCentreToLastAccepted();
      centreError = lastAcceptedError;
      if (centreError <= goal) break;
    }
    if (outcome == Outcome::kFinished) break;
    temperature = schedule.Next(temperature);
  }
  subject.TakeCentre(centreError);
  return lastAcceptedError;
}

AnnealingPass::Outcome AnnealingPass::RunTemperature(AnnealingSubject& subject,
                                                     const annealingParameters& parameters, double goal,
                                                     double temperature, bool& accepted) {
  const double s = temperature / parameters.startTemperature;
  for (std::int32_t i = 0; i < parameters.iterations; ++i) {
    subject.Perturb(s);
    const double error = subject.MeasureError();
    const double delta = error - centreError;
    if (delta == 0.0) continue;
    if (delta < 0.0 ||
        std::exp(-static_cast<double>(parameters.k) * delta / temperature) > Random::Uniform()) {
      subject.KeepAsLastAccepted();
      lastAcceptedError = error;
      accepted = true;
      if (error <= goal) return Outcome::kFinished;
    }
    if (subject.StopRequested()) return Outcome::kFinished;
  }
  return Outcome::kContinue;
}
