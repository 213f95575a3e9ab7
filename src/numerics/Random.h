#pragma once
#include <cstdint>

// The process-wide uniform generator: L'Ecuyer's combined multiplicative
// congruential generator with a Bays-Durham shuffle. It is never seeded from
// the clock, so every start of the program draws the same sequence.
// Not thread-safe: only one thread may draw at a time.
namespace Random {

// The next number of the sequence, in (0, 1).
double Uniform();
// trunc(Uniform() * (hi - lo + 1) + lo): every whole number in [lo, hi].
std::int32_t RandomInt(std::int32_t lo, std::int32_t hi);
// Uniform() * (hi - lo) + lo.
double RandomReal(double lo, double hi);

// Restarts the sequence from its beginning, as at program start. Lets a
// test (or a second run in one process) reproduce the fixed sequence.
void Restart();

}  // namespace Random
