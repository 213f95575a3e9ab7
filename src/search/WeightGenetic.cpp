#include "search/WeightGenetic.h"

#include <algorithm>
#include <cmath>
#include <new>

#include "numerics/Random.h"
#include "platform/Env.h"

std::int16_t WeightGenetic::RandomGene() {
  const auto value = static_cast<std::int32_t>(Random::Uniform() * 65534.0 - 0.5);
  return static_cast<std::int16_t>(static_cast<std::uint16_t>(value));
}

bool WeightGenetic::Allocate(Population& population) {
  const std::uint64_t genes = static_cast<std::uint64_t>(populationSize) * geneCount;
  if (!platform::MemoryCanHold(2 * genes * sizeof(std::int16_t))) return false;
  population.individuals.reset(new (std::nothrow) Individual[populationSize]);
  population.genes.reset(new (std::nothrow) std::int16_t[genes]);
  if (!population.individuals || !population.genes) return false;
  for (std::int32_t i = 0; i < populationSize; ++i) {
    Individual& individual = population.individuals[i];
    individual.geneCount = geneCount;
    individual.genes = population.genes.get() + static_cast<std::size_t>(i) * geneCount;
  }
  return true;
}

bool WeightGenetic::Initialise(std::int32_t size, std::int32_t genes) {
  Free();
  if (size < 1 || genes < 1) return false;
  populationSize = size;
  geneCount = genes;
  expectations.reset(new (std::nothrow) double[size]);
  if (!Allocate(a) || !Allocate(b) || !matingPool.Resize(size) || !expectations) {
    Free();
    return false;
  }
  current = a.individuals.get();
  for (std::int32_t i = 0; i < size; ++i)
    for (std::int32_t g = 0; g < genes; ++g) current[i].genes[g] = RandomGene();
  return true;
}

void WeightGenetic::Free() {
  a = Population();
  b = Population();
  matingPool.Free();
  expectations.reset();
  current = nullptr;
  populationSize = geneCount = generation = 0;
}

void WeightGenetic::Blend(const Individual& first, const Individual& second, double alpha,
                          Individual& child) const {
  for (std::int32_t g = 0; g < geneCount; ++g) {
    const double value = alpha * first.genes[g] + (1.0 - alpha) * second.genes[g] + 0.5;
    child.genes[g] = static_cast<std::int16_t>(static_cast<std::int32_t>(value));
  }
}

void WeightGenetic::Mutate(Individual* children, double pm) const {
  for (std::int32_t i = 0; i < populationSize; ++i)
    for (std::int32_t g = 0; g < geneCount; ++g)
      if (Random::Uniform() < pm) children[i].genes[g] = RandomGene();
}

std::int32_t WeightGenetic::Step(double pc, double pm) {
  Individual* parents = current;
  Individual* children = current == a.individuals.get() ? b.individuals.get() : a.individuals.get();
  for (std::int32_t i = 0; i < populationSize; ++i) expectations[i] = parents[i].error;
  MatingPool::ScaleFitness(expectations.get(), populationSize);
  for (std::int32_t i = 0; i < populationSize; ++i) parents[i].expectation = expectations[i];
  matingPool.Fill(expectations.get());
  ++generation;
  double alpha = 0.0;
  matingPool.Breed(
      pc,
      [&](std::int32_t k, std::int32_t p1, std::int32_t p2, bool even) {
        if (even) {
          alpha = Random::RandomReal(0.55, 0.95);
          Blend(parents[p1], parents[p2], alpha, children[k]);
        } else {
          Blend(parents[p2], parents[p1], alpha, children[k]);
        }
      },
      [&](std::int32_t k, std::int32_t parent) {
        std::copy_n(parents[parent].genes, geneCount, children[k].genes);
      });
  Mutate(children, pm);
  for (std::int32_t i = 0; i < populationSize; ++i) {
    children[i].error = 1e100;
    children[i].expectation = 0.0;
  }
  current = children;
  return generation;
}
