#pragma once
#include <cstdint>
#include <memory>

#include "search/MatingPool.h"

// The genetic search over network weights: every individual is a string of
// signed 16-bit genes, one per searched weight (the network decodes them).
// The caller stores each individual's error into Current() and calls Step
// for the next generation; it also keeps the best individual itself.
class WeightGenetic {
 public:
  struct Individual {
    double error = 1e100;
    double expectation = 0.0;
    std::int32_t geneCount = 0;
    std::int16_t* genes = nullptr;
  };

  WeightGenetic() = default;
  WeightGenetic(const WeightGenetic&) = delete;
  WeightGenetic& operator=(const WeightGenetic&) = delete;

  // A population of `size` individuals of `geneCount` random genes. False,
  // with everything freed, when memory runs out or a count is below 1.
  bool Initialise(std::int32_t size, std::int32_t geneCount);
  void Free();
  // The current population, PopulationSize() individuals.
  Individual* Current() { return current; }
  // One generation: selection, crossover with probability pc, then every
  // gene of every child mutates with probability pm. Returns Generation().
  std::int32_t Step(double pc, double pm);

  std::int32_t PopulationSize() const { return populationSize; }
  std::int32_t GeneCount() const { return geneCount; }
  std::int32_t Generation() const { return generation; }

  // trunc(Uniform() x 65534 - 0.5) kept in 16 bits: 0 ... 32767 and
  // -32768 ... -3.
  static std::int16_t RandomGene();

 private:
  struct Population {
    std::unique_ptr<Individual[]> individuals;
    std::unique_ptr<std::int16_t[]> genes;
  };
  bool Allocate(Population& population);
  // Blend of two parents with weight alpha on `first`.
  void Blend(const Individual& first, const Individual& second, double alpha, Individual& child) const;
  void Mutate(Individual* children, double pm) const;

  std::int32_t populationSize = 0;
  std::int32_t geneCount = 0;
  std::int32_t generation = 0;
  MatingPool matingPool;
  // The selection's working copy of the expectations.
  std::unique_ptr<double[]> expectations;
  Population a;
  Population b;
  Individual* current = nullptr;
};
