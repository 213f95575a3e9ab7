#pragma once
#include <cstdint>
#include <memory>

#include "search/MatingPool.h"

// The genetic search over feature subsets: every individual is a bit string
// over F candidate features with exactly K ones. The caller measures one
// individual at a time (CurrentIndividual, then Report); the engine keeps
// the best one seen.
class SubsetGenetic {
 public:
  struct Individual {
    // Bit i is bit i % 8 of byte i / 8; the unused bits of the last byte are 0.
    std::uint8_t* bits = nullptr;
    double error = 1e30;
    double fitness = 0.0;

    bool Bit(std::int32_t i) const { return (bits[i / 8] >> (i % 8)) & 1; }
  };

  SubsetGenetic() = default;
  SubsetGenetic(const SubsetGenetic&) = delete;
  SubsetGenetic& operator=(const SubsetGenetic&) = delete;

  // `size` distinct random individuals of `featureCount` bits with `chosen`
  // ones. False, with everything freed, when memory runs out, the counts
  // are out of range, or the individuals cannot all differ (more than
  // 500000000 redraws for one of them, or fewer distinct subsets than
  // individuals).
  bool Initialise(std::int32_t size, std::int32_t featureCount, std::int32_t chosen);
  void Free();
  // The individual whose error the caller reports next.
  const Individual& CurrentIndividual() const { return population[cursor]; }
  // Stores the error of the current individual, keeps it as the best when
  // it is better, and moves to the next. Reports beyond the last
  // individual of a generation are ignored.
  void Report(double error);
  // One generation: selection, subset crossover (with its own mutation)
  // with probability pc, copies otherwise. Returns Generation(), or -1 with
  // the population unchanged when the new one cannot be allocated.
  std::int32_t Step(double pc, double pm);
  // The 1-based numbers of the set bits separated by commas ("1,3,6"), cut
  // to capacity - 1 units and terminated.
  void Describe(const Individual& individual, char16_t* text, std::int32_t capacity) const;

  const Individual& Best() const { return best; }
  const Individual& At(std::int32_t i) const { return population[i]; }
  std::int32_t PopulationSize() const { return populationSize; }
  std::int32_t FeatureCount() const { return featureCount; }
  std::int32_t ChosenCount() const { return chosenCount; }
  std::int32_t Generation() const { return generation; }
  std::int32_t Cursor() const { return cursor; }
  std::int32_t BytesPerIndividual() const { return featureCount / 8 + 1; }

 private:
  struct Population {
    std::unique_ptr<Individual[]> individuals;
    std::unique_ptr<std::uint8_t[]> bits;
  };
  bool Allocate(Population& target, std::int32_t count) const;
  bool Equal(const Individual& x, const Individual& y) const;
  void SetBit(Individual& x, std::int32_t i, bool value) const;
  void Copy(const Individual& from, Individual& to) const;
  // Clears x and sets random bits until it has K ones.
  void Draw(Individual& x) const;
  bool DrawDistinct(std::int32_t i);
  // Per-position inheritance from two parents, one random flip per round,
  // until the child has K ones.
  void Cross(const Individual& p1, const Individual& p2, double pm, Individual& child) const;

  std::int32_t populationSize = 0;
  std::int32_t featureCount = 0;
  std::int32_t chosenCount = 0;
  std::int32_t generation = 0;
  std::int32_t cursor = 0;
  Population storage;
  Individual* population = nullptr;
  Population bestStorage;
  Individual best;
  MatingPool matingPool;
  std::unique_ptr<double[]> expectations;
};
