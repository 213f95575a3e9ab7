#pragma once
#include <cstdint>
#include <functional>
#include <memory>

// The selection both genetic engines share: fitness scaling of the errors
// the caller measured, remainder stochastic sampling without replacement
// into a pool of N parent indices, and breeding a generation from parents
// drawn from that pool in pairs without replacement.
class MatingPool {
 public:
  // Produces child k of the pair (p1, p2); `even` tells the pair's first
  // child from its second.
  using Crossover = std::function<void(std::int32_t child, std::int32_t p1, std::int32_t p2, bool even)>;
  // Makes child k a copy of `parent`.
  using Copy = std::function<void(std::int32_t child, std::int32_t parent)>;

  // False when memory runs out (the pool is then empty).
  bool Resize(std::int32_t size);
  void Free();
  std::int32_t Size() const { return size; }

  // Turns n errors into expectations in place: f = exp(-20 error), linearly
  // scaled so the best gets 3.1 times the mean (less when that would make
  // the worst negative), floored at 0, divided by the new mean. The
  // expectations sum to n. A population whose fitness is all 0 (or not a
  // number) gets expectation 1 everywhere, so sampling always ends.
  static void ScaleFitness(double* values, std::int32_t n);
  // Fills the pool from the expectations (left holding what sampling did
  // not use): trunc(e) copies of each in order, then random draws, each
  // taken with the probability of its remaining fraction.
  void Fill(double* expectations);
  // One generation of `Size()` children: pairs of parents are drawn from
  // the pool; the first trunc(N pc) children come from crossover, the rest
  // are copies (a pair's first child of p1, its second of p2). With an odd
  // N the last child has a single parent left and is its copy.
  void Breed(double pc, const Crossover& crossover, const Copy& copy);

  std::int32_t operator[](std::int32_t i) const { return entries[i]; }

 private:
  // A parent from the undrawn part of the pool; its slot takes the last
  // undrawn entry.
  std::int32_t DrawParent(std::int32_t& last);

  std::unique_ptr<std::int32_t[]> entries;
  std::int32_t size = 0;
};
