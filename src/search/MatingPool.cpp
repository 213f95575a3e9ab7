#include "search/MatingPool.h"

#include <algorithm>
#include <cmath>
#include <new>

#include "numerics/Random.h"

namespace {

constexpr double kTiny = 1e-20;

}  // namespace

bool MatingPool::Resize(std::int32_t n) {
  Free();
  if (n < 1) return false;
  entries.reset(new (std::nothrow) std::int32_t[n]);
  if (!entries) return false;
  size = n;
  return true;
}

void MatingPool::Free() {
  entries.reset();
  size = 0;
}

void MatingPool::ScaleFitness(double* values, std::int32_t n) {
  double sum = 0.0, max = 0.0, min = 0.0;
  for (std::int32_t i = 0; i < n; ++i) {
    const double f = std::exp(-20.0 * values[i]);
    values[i] = std::isnan(f) ? 0.0 : f;
    sum += values[i];
    if (i == 0 || values[i] > max) max = values[i];
    if (i == 0 || values[i] < min) min = values[i];
  }
  const double avg = sum / n;
  double a = 1.0, b = 0.0;
  if (max - avg > kTiny) {
    a = 2.1 * avg / (max - avg);
    b = avg * (max - 3.1 * avg) / (max - avg);
  }
  if (a * min + b < 0.0) {
    if (avg - min > kTiny) {
      a = avg / (avg - min);
      b = -min * avg / (avg - min);
    } else {
      a = 1.0;
      b = 0.0;
    }
  }
  sum = 0.0;
  for (std::int32_t i = 0; i < n; ++i) {
    values[i] = std::max(a * values[i] + b, 0.0);
    sum += values[i];
  }
  const double mean = sum / n;
  const bool usable = mean > 0.0 && std::isfinite(mean);
  for (std::int32_t i = 0; i < n; ++i) values[i] = usable ? values[i] / mean : 1.0;
}

void MatingPool::Fill(double* expectations) {
  std::int32_t filled = 0;
  for (std::int32_t i = 0; i < size; ++i) {
    const double copies = std::trunc(expectations[i]);
    for (double c = 0; c < copies && filled < size; ++c) entries[filled++] = i;
    expectations[i] -= copies;
  }
  while (filled < size) {
    const std::int32_t i = Random::RandomInt(0, size - 1);
    if (expectations[i] > 0.0 && Random::Uniform() < expectations[i]) {
      entries[filled++] = i;
      expectations[i] -= 1.0;
    }
  }
}

std::int32_t MatingPool::DrawParent(std::int32_t& last) {
  const std::int32_t slot = Random::RandomInt(0, last);
  const std::int32_t parent = entries[slot];
  entries[slot] = entries[last];
  --last;
  return parent;
}

void MatingPool::Breed(double pc, const Crossover& crossover, const Copy& copy) {
  std::int32_t crossings = pc > 0.0 ? static_cast<std::int32_t>(size * std::min(pc, 1.0)) : 0;
  std::int32_t last = size - 1;
  std::int32_t p1 = 0, p2 = 0;
  for (std::int32_t k = 0; k < size; ++k, --crossings) {
    const bool even = k % 2 == 0;
    if (even) {
      p1 = DrawParent(last);
      if (last < 0) {
        copy(k, p1);
        continue;
      }
      p2 = DrawParent(last);
    }
    if (crossings > 0)
      crossover(k, p1, p2, even);
    else
      copy(k, even ? p1 : p2);
  }
}
