#include "search/SubsetGenetic.h"

#include <algorithm>
#include <cstring>
#include <new>

#include "numerics/Random.h"
#include "platform/Env.h"
#include "platform/Text.h"

namespace {

constexpr std::int64_t kRedrawLimit = 500000000;

// Whether at least `needed` distinct subsets of `chosen` out of `features`
// exist (the binomial coefficient, stopped once it reaches `needed`).
bool EnoughSubsets(std::int32_t features, std::int32_t chosen, std::int32_t needed) {
  const std::int32_t k = std::min(chosen, features - chosen);
  double count = 1.0;
  for (std::int32_t i = 1; i <= k && count < needed; ++i) count = count * (features - k + i) / i;
  return count + 0.5 >= needed;
}

}  // namespace

bool SubsetGenetic::Allocate(Population& target, std::int32_t count) const {
  const std::uint64_t bytes = static_cast<std::uint64_t>(count) * BytesPerIndividual();
  if (!platform::MemoryCanHold(bytes)) return false;
  target.individuals.reset(new (std::nothrow) Individual[count]);
  target.bits.reset(new (std::nothrow) std::uint8_t[bytes]());
  if (!target.individuals || !target.bits) return false;
  for (std::int32_t i = 0; i < count; ++i)
    target.individuals[i].bits = target.bits.get() + static_cast<std::size_t>(i) * BytesPerIndividual();
  return true;
}

bool SubsetGenetic::Initialise(std::int32_t size, std::int32_t features, std::int32_t chosen) {
  Free();
  if (size < 1 || features < 1 || chosen < 0 || chosen > features || !EnoughSubsets(features, chosen, size))
    return false;
  populationSize = size;
  featureCount = features;
  chosenCount = chosen;
  expectations.reset(new (std::nothrow) double[size]);
  if (!expectations || !Allocate(storage, size) || !Allocate(bestStorage, 1) || !matingPool.Resize(size)) {
    Free();
    return false;
  }
  population = storage.individuals.get();
  best = bestStorage.individuals[0];
  for (std::int32_t i = 0; i < size; ++i) {
    if (!DrawDistinct(i)) {
      Free();
      return false;
    }
  }
  return true;
}

void SubsetGenetic::Free() {
  storage = Population();
  bestStorage = Population();
  best = Individual();
  population = nullptr;
  matingPool.Free();
  expectations.reset();
  populationSize = featureCount = chosenCount = generation = cursor = 0;
}

bool SubsetGenetic::Equal(const Individual& x, const Individual& y) const {
  return std::memcmp(x.bits, y.bits, BytesPerIndividual()) == 0;
}

void SubsetGenetic::SetBit(Individual& x, std::int32_t i, bool value) const {
  const std::uint8_t mask = static_cast<std::uint8_t>(1u << (i % 8));
  if (value)
    x.bits[i / 8] |= mask;
  else
    x.bits[i / 8] &= static_cast<std::uint8_t>(~mask);
}

void SubsetGenetic::Copy(const Individual& from, Individual& to) const {
  std::copy_n(from.bits, BytesPerIndividual(), to.bits);
  to.error = from.error;
  to.fitness = from.fitness;
}

void SubsetGenetic::Draw(Individual& x) const {
  std::fill_n(x.bits, BytesPerIndividual(), 0);
  for (std::int32_t ones = 0; ones < chosenCount;) {
    const std::int32_t j = Random::RandomInt(0, featureCount - 1);
    if (!x.Bit(j)) {
      SetBit(x, j, true);
      ++ones;
    }
  }
}

bool SubsetGenetic::DrawDistinct(std::int32_t i) {
  Individual& x = population[i];
  for (std::int64_t redraws = 0;; ++redraws) {
    if (redraws > kRedrawLimit) return false;
    Draw(x);
    bool unique = true;
    for (std::int32_t e = 0; e < i && unique; ++e) unique = !Equal(x, population[e]);
    if (unique) return true;
  }
}

void SubsetGenetic::Report(double error) {
  if (cursor >= populationSize) return;
  Individual& x = population[cursor];
  x.error = error;
  if (error < best.error) Copy(x, best);
  ++cursor;
}

void SubsetGenetic::Cross(const Individual& p1, const Individual& p2, double pm, Individual& child) const {
  std::fill_n(child.bits, BytesPerIndividual(), 0);
  std::int32_t ones = 0;
  auto assign = [&](std::int32_t j, bool value) {
    ones += static_cast<int>(value) - static_cast<int>(child.Bit(j));
    SetBit(child, j, value);
  };
  do {
    const std::int32_t j = Random::RandomInt(0, featureCount - 1);
    const int parents = p1.Bit(j) + p2.Bit(j);
    if (parents == 2)
      assign(j, true);
    else if (parents == 0)
      assign(j, false);
    else
      assign(j, Random::Uniform() > 0.95);
    const std::int32_t j2 = Random::RandomInt(0, featureCount - 1);
    if (Random::Uniform() < pm) assign(j2, !child.Bit(j2));
  } while (ones != chosenCount);
}

std::int32_t SubsetGenetic::Step(double pc, double pm) {
  Population next;
  if (!Allocate(next, populationSize)) return -1;
  for (std::int32_t i = 0; i < populationSize; ++i) expectations[i] = population[i].error;
  MatingPool::ScaleFitness(expectations.get(), populationSize);
  for (std::int32_t i = 0; i < populationSize; ++i) population[i].fitness = expectations[i];
  matingPool.Fill(expectations.get());
  ++generation;
  Individual* children = next.individuals.get();
  matingPool.Breed(
      pc,
      [&](std::int32_t k, std::int32_t p1, std::int32_t p2, bool) {
        Cross(population[p1], population[p2], pm, children[k]);
      },
      [&](std::int32_t k, std::int32_t parent) { Copy(population[parent], children[k]); });
  for (std::int32_t i = 0; i < populationSize; ++i) {
    Copy(children[i], population[i]);
    population[i].error = 1e30;
    population[i].fitness = 0.0;
  }
  cursor = 0;
  return generation;
}

void SubsetGenetic::Describe(const Individual& individual, char16_t* text, std::int32_t capacity) const {
  if (capacity < 1) return;
  std::u16string list;
  for (std::int32_t i = 0; i < featureCount; ++i)
    if (individual.Bit(i)) list += platform::Format("%d,", i + 1);
  if (!list.empty()) list.pop_back();
  platform::CopyTruncated(text, capacity, list);
}
