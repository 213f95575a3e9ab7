#include "search/AnnealSetupForm.h"

#include "search/FieldNumber.h"

namespace {

constexpr const char16_t* kTitle = u"Sim. Annealing Initialization";

}  // namespace

AnnealSetupForm::AnnealSetupForm(const trainingSetup& setup)
    : temperatures(setup.annealing.temperatures),
      iterations(setup.annealing.iterations),
      from(FieldNumber::Text(setup.annealing.startTemperature)),
      to(FieldNumber::Text(setup.annealing.endTemperature)),
      k(setup.annealing.k),
      linearCooling(setup.annealing.linearCooling != 0),
      cycles(setup.initializationAttempts) {}

annealingParameters AnnealSetupForm::Parameters() const {
  annealingParameters p;
  p.temperatures = temperatures;
  p.iterations = iterations;
  p.startTemperature = FieldNumber::Read(from);
  p.endTemperature = FieldNumber::Read(to);
  p.k = k;
  p.linearCooling = linearCooling ? 1 : 0;
  return p;
}

std::vector<AnnealSchedulePreview::Point> AnnealSetupForm::Preview() const {
  return AnnealSchedulePreview::Compute(Parameters(), cycles);
}

std::optional<Balloon> AnnealSetupForm::Accept(trainingSetup& setup) const {
  if (temperatures < 3) return Balloon{kTemperatures, kTitle, u"The number of temperatures is invalid"};
  if (iterations < 3) return Balloon{kIterations, kTitle, u"The number of iterations is invalid"};
  const annealingParameters p = Parameters();
  // Written so that a temperature that is not a number fails too.
  if (!(p.endTemperature < p.startTemperature)) return Balloon{kTo, kTitle, u"The temperatures are invalid"};
  if (cycles < 1) return Balloon{kCycles, kTitle, u"The number of cycles is invalid"};
  setup.annealing = p;
  setup.initializationAttempts = cycles;
  return std::nullopt;
}
