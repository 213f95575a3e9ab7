#pragma once
#include <cstdint>

#include "net/TrainingSetup.h"

// The temperatures of one annealing pass: NT temperatures from T0 to T1,
// either geometric (each the previous times the ratio) or linear (equal
// steps). A single temperature (NT < 2) stays at T0.
class AnnealingSchedule {
 public:
  explicit AnnealingSchedule(const annealingParameters& parameters);

  // (T1 / T0)^(1 / (NT - 1)).
  double Ratio() const { return ratio; }
  // (T1 - T0) / (NT - 1).
  double Step() const { return step; }
  // The temperature of step t as the annealing pass reaches it: the linear
  // one computed afresh, the geometric one multiplied step by step.
  double LinearAt(std::int32_t t) const { return start + t * step; }
  double Next(double temperature) const { return temperature * ratio; }

 private:
  double start;
  double ratio = 1.0;
  double step = 0.0;
};
