#include "search/AnnealingSchedule.h"

#include <cmath>

AnnealingSchedule::AnnealingSchedule(const annealingParameters& parameters)
    : start(parameters.startTemperature) {
  if (parameters.temperatures < 2) return;
  const double intervals = parameters.temperatures - 1;
  ratio = std::pow(parameters.endTemperature / parameters.startTemperature, 1.0 / intervals);
  step = (parameters.endTemperature - parameters.startTemperature) / intervals;
}
