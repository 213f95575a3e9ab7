#pragma once
#include <cstdint>
#include <cstring>

// A sampled odd-symmetric squashing curve on [0, bound]: 2048 values V and
// the differences D[i] = V[i+1] - V[i] between neighbours, evaluated by
// linear interpolation. D carries a 2048th entry of 0 so that |x| exactly at
// the bound (k = 2047, fraction 0) reads V[2047] without leaving the table.
// V[i] and D[i] sit side by side, so a lookup touches one cache line.
class LookupTable {
 public:
  static constexpr int kSize = 2048;

  // sample(i) for every index i; the curve at |x| = i / tableScale.
  template <typename Curve>
  void Fill(double tableScale, Curve sample) {
    scale = tableScale;
    for (int i = 0; i < kSize; ++i) samples[i].value = sample(i);
    for (int i = 0; i + 1 < kSize; ++i) samples[i].difference = samples[i + 1].value - samples[i].value;
    samples[kSize - 1].difference = 0.0;
  }

  // Requires: 0 <= magnitude <= the bound the table was built for.
  double Interpolate(double magnitude) const {
    const double t = magnitude * scale;
    const int k = static_cast<int>(t);
    return samples[k].value + (t - k) * samples[k].difference;
  }

  // x < 0 ? negative : positive, chosen without a branch: the sign of a
  // layer's sums is random, and a mispredicted jump per neuron costs more
  // than the table lookup itself.
  static double SelectBySign(double x, double negative, double positive) {
    const std::uint64_t mask = 0 - static_cast<std::uint64_t>(x < 0.0);
    std::uint64_t n, p;
    std::memcpy(&n, &negative, 8);
    std::memcpy(&p, &positive, 8);
    const std::uint64_t chosen = (n & mask) | (p & ~mask);
    double result;
    std::memcpy(&result, &chosen, 8);
    return result;
  }

  double Scale() const { return scale; }
  double Value(int i) const { return samples[i].value; }
  double Difference(int i) const { return samples[i].difference; }

 private:
  struct Sample {
    double value = 0.0;
    double difference = 0.0;
  };
  double scale = 1.0;
  Sample samples[kSize];
};
