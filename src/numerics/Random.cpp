#include "numerics/Random.h"

#include <algorithm>

namespace Random {

namespace {

constexpr std::int32_t kM1 = 2147483563, kA1 = 40014, kQ1 = 53668, kR1 = 12211;
constexpr std::int32_t kM2 = 2147483399, kA2 = 40692, kQ2 = 52774, kR2 = 3791;
constexpr int kTableSize = 32;
constexpr std::int32_t kTableDivisor = 1 + (kM1 - 1) / kTableSize;
constexpr double kScale = 4.656613057391769e-10;
constexpr double kLargest = 0.9999999999988;

struct State {
  std::int32_t seed1 = 0;
  std::int32_t seed2 = 123456789;
  std::int32_t shuffleTable[kTableSize] = {};
  std::int32_t lastOutput = 0;
};

State state;

// seed = (a * seed) mod m without overflow (Schrage's method).
void Advance(std::int32_t& seed, std::int32_t a, std::int32_t q, std::int32_t r, std::int32_t m) {
  const std::int32_t k = seed / q;
  seed = a * (seed - k * q) - k * r;
  if (seed < 0) seed += m;
}

void FillTable() {
  state.seed1 = std::max(-state.seed1, 1);
  state.seed2 = state.seed1;
  for (int j = kTableSize + 7; j >= 0; --j) {
    Advance(state.seed1, kA1, kQ1, kR1, kM1);
    if (j < kTableSize) state.shuffleTable[j] = state.seed1;
  }
  state.lastOutput = state.shuffleTable[0];
}

}  // namespace

double Uniform() {
  if (state.seed1 <= 0) FillTable();
  Advance(state.seed1, kA1, kQ1, kR1, kM1);
  Advance(state.seed2, kA2, kQ2, kR2, kM2);
  const int j = state.lastOutput / kTableDivisor;
  state.lastOutput = state.shuffleTable[j] - state.seed2;
  state.shuffleTable[j] = state.seed1;
  if (state.lastOutput < 1) state.lastOutput += kM1 - 1;
  return std::min(state.lastOutput * kScale, kLargest);
}

std::int32_t RandomInt(std::int32_t lo, std::int32_t hi) {
  return static_cast<std::int32_t>(Uniform() * (static_cast<double>(hi) - lo + 1) + lo);
}

double RandomReal(double lo, double hi) { return Uniform() * (hi - lo) + lo; }

void Restart() { state = State(); }

}  // namespace Random
