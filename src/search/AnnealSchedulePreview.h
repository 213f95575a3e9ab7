#pragma once
#include <cstdint>
#include <vector>

#include "net/TrainingSetup.h"

// The annealing dialog's drawing of the schedule: temperature against time
// over 1024 points spanning NT x C iterations, C being the number of cycles
// (at most 512), each cycle running the schedule again from T0.
class AnnealSchedulePreview {
 public:
  static constexpr int kPoints = 1024;
  static constexpr std::int32_t kMaxCycles = 512;

  struct Point {
    double time;
    double temperature;
  };

  // Point i at time x = i NT C / 1024, with the temperature of step
  // trunc(x) mod NT: T0 ratio^step (geometric) or T0 + step x (T1 - T0) /
  // (NT - 1) (linear). No points without temperatures.
  static std::vector<Point> Compute(const annealingParameters& parameters, std::int32_t cycles);
};
