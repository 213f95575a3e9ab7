#include "app/MsePlot.h"

#include <algorithm>
#include <cmath>
#include <limits>

MsePlot::MsePlot(std::size_t width) : ring(width) {}

void MsePlot::Append(const Sample& sample) {
  ring[next] = sample;
  next = (next + 1) % ring.size();
  ++appended;
}

void MsePlot::Clear() {
  for (Sample& sample : ring) sample = Sample{};
}

// A goal of 0 (what a goal field without a number stores) would put the
// bottom at minus infinity; the smallest normal double keeps it drawable.
void MsePlot::SetRange(double goal) {
  bottom = std::log10(std::max(goal, std::numeric_limits<double>::min()));
}

std::vector<MsePlot::Sample> MsePlot::Samples() const { return Latest(ring.size()); }

std::vector<MsePlot::Sample> MsePlot::Latest(std::size_t count) const {
  if (count > ring.size()) count = ring.size();
  std::vector<Sample> samples;
  samples.reserve(count);
  for (std::size_t i = ring.size() - count; i < ring.size(); ++i)
    samples.push_back(ring[(next + i) % ring.size()]);
  return samples;
}

double MsePlot::Drawn(double value) const {
  if (value < bottom) return bottom - 1.0;
  if (value > Top()) return Top() + 1.0;
  return value;
}

bool MsePlot::HasGridLine(std::size_t index) const {
  const std::uint64_t age = ring.size() - 1 - index;
  return (appended + kGridSpacing * ring.size() - age) % kGridSpacing == 0;
}
