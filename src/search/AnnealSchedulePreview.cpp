#include "search/AnnealSchedulePreview.h"

#include <algorithm>
#include <cmath>

#include "search/AnnealingSchedule.h"

std::vector<AnnealSchedulePreview::Point> AnnealSchedulePreview::Compute(
    const annealingParameters& parameters, std::int32_t cycles) {
  std::vector<Point> points;
  const std::int32_t temperatures = parameters.temperatures;
  if (temperatures < 1) return points;
  const AnnealingSchedule schedule(parameters);
  const double span = static_cast<double>(temperatures) * std::min(cycles, kMaxCycles);
  points.reserve(kPoints);
  for (int i = 0; i < kPoints; ++i) {
    const double x = i * span / kPoints;
    const double step = static_cast<double>(static_cast<std::int64_t>(x) % temperatures);
    const double t = parameters.linearCooling
                         ? parameters.startTemperature + schedule.Step() * step
                         : parameters.startTemperature * std::pow(schedule.Ratio(), step);
    points.push_back({x, t});
  }
  return points;
}
