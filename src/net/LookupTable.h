#pragma once
#include <cstdint>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

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

#if defined(__SSE2__)
  // Interpolate on two magnitudes at once, with the same operations in the
  // same order as the scalar form. Requires: both within the bound.
  __m128d InterpolatePair(__m128d magnitude) const {
    const __m128d t = _mm_mul_pd(magnitude, _mm_set1_pd(scale));
    const __m128i k = _mm_cvttpd_epi32(t);
    const __m128d fraction = _mm_sub_pd(t, _mm_cvtepi32_pd(k));
    const __m128d first = _mm_loadu_pd(&samples[_mm_cvtsi128_si32(k)].value);
    const __m128d second = _mm_loadu_pd(&samples[_mm_cvtsi128_si32(_mm_srli_si128(k, 4))].value);
    const __m128d values = _mm_unpacklo_pd(first, second);
    const __m128d differences = _mm_unpackhi_pd(first, second);
    return _mm_add_pd(values, _mm_mul_pd(fraction, differences));
  }

  // For each lane, x < 0 ? negative : positive.
  static __m128d SelectBySign(__m128d x, __m128d negative, __m128d positive) {
    const __m128d mask = _mm_cmplt_pd(x, _mm_setzero_pd());
    return _mm_or_pd(_mm_and_pd(mask, negative), _mm_andnot_pd(mask, positive));
  }

  // Applies a curve to values two at a time; a pair with a value beyond the
  // bound (or a NaN) goes through the scalar `squash` instead.
  template <typename Scalar, typename Negate>
  void ApplyPairs(double* values, int count, double bound, Scalar squash, Negate negate) const {
    const __m128d magnitudeMask = _mm_castsi128_pd(_mm_set1_epi64x(0x7fffffffffffffffLL));
    const __m128d limit = _mm_set1_pd(bound);
    int i = 0;
    for (; i + 2 <= count; i += 2) {
      const __m128d x = _mm_loadu_pd(values + i);
      const __m128d magnitude = _mm_and_pd(x, magnitudeMask);
      if (_mm_movemask_pd(_mm_cmple_pd(magnitude, limit)) != 3) {
        values[i] = squash(values[i]);
        values[i + 1] = squash(values[i + 1]);
        continue;
      }
      const __m128d y = InterpolatePair(magnitude);
      _mm_storeu_pd(values + i, SelectBySign(x, negate(y), y));
    }
    for (; i < count; ++i) values[i] = squash(values[i]);
  }
#endif

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
