#include "tools/FourierTransform.h"

#include <cmath>
#include <new>
#include <numbers>
#include <utility>

FourierTransform::FourierTransform(std::int32_t doubles) : points(doubles / 2) {
  const std::int32_t tableLength = 2 * (points > 0 ? points : 1);
  swaps.reset(new (std::nothrow) std::int32_t[tableLength]);
  stageTwiddles.reset(new (std::nothrow) double[tableLength]);
  splitTwiddles.reset(new (std::nothrow) double[points + 2]);
  if (!swaps || !stageTwiddles || !splitTwiddles) return;

  std::int32_t bits = 0;
  while ((std::int32_t{1} << bits) < points) ++bits;
  for (std::int32_t i = 0; i < points; ++i) {
    std::int32_t reversed = 0;
    for (std::int32_t b = 0; b < bits; ++b) reversed |= ((i >> b) & 1) << (bits - 1 - b);
    if (i < reversed) {
      swaps[swapCount++] = i;
      swaps[swapCount++] = reversed;
    }
  }
  for (std::int32_t half = 1; half < points; half *= 2)
    for (std::int32_t j = 0; j < half; ++j) {
      const double angle = std::numbers::pi * j / half;
      stageTwiddles[2 * (half + j)] = std::cos(angle);
      stageTwiddles[2 * (half + j) + 1] = std::sin(angle);
    }
  for (std::int32_t k = 0; k <= points / 2; ++k) {
    const double angle = std::numbers::pi * k / points;
    splitTwiddles[2 * k] = std::cos(angle);
    splitTwiddles[2 * k + 1] = std::sin(angle);
  }
  ready = true;
}

void FourierTransform::Complex(double* data, Direction direction) const {
  Reorder(data);
  if (direction == kForward)
    Butterflies<false>(data);
  else
    Butterflies<true>(data);
}

void FourierTransform::Real(double* data, Direction direction) const {
  if (points < 1) return;
  if (direction == kForward) {
    Complex(data, kForward);
    Split<false>(data);
    const double first = data[0];
    data[0] = first + data[1];
    data[1] = first - data[1];
  } else {
    Split<true>(data);
    const double first = data[0];
    data[0] = 0.5 * (first + data[1]);
    data[1] = 0.5 * (first - data[1]);
    Complex(data, kInverse);
  }
}

void FourierTransform::Reorder(double* data) const {
  for (std::int32_t s = 0; s < swapCount; s += 2) {
    double* a = data + 2 * swaps[s];
    double* b = data + 2 * swaps[s + 1];
    std::swap(a[0], b[0]);
    std::swap(a[1], b[1]);
  }
}

template <bool inverse>
void FourierTransform::Butterflies(double* data) const {
  const std::int32_t n = 2 * points;
  // Half-length 1: the twiddle is 1.
  for (std::int32_t i = 0; i + 3 < n; i += 4) {
    const double re = data[i + 2], im = data[i + 3];
    data[i + 2] = data[i] - re;
    data[i + 3] = data[i + 1] - im;
    data[i] += re;
    data[i + 1] += im;
  }
  // Half-length 2: the twiddles are 1 and +i (forward) or -i (inverse).
  for (std::int32_t i = 0; i + 7 < n; i += 8) {
    double* p = data + i;
    const double re0 = p[4], im0 = p[5];
    p[4] = p[0] - re0;
    p[5] = p[1] - im0;
    p[0] += re0;
    p[1] += im0;
    const double re1 = inverse ? p[7] : -p[7];
    const double im1 = inverse ? -p[6] : p[6];
    p[6] = p[2] - re1;
    p[7] = p[3] - im1;
    p[2] += re1;
    p[3] += im1;
  }
  for (std::int32_t half = 4; half < points; half *= 2) {
    const double* w = stageTwiddles.get() + 2 * half;
    const std::int32_t span = 4 * half;
    for (std::int32_t base = 0; base < n; base += span) {
      double* p = data + base;
      double* q = p + 2 * half;
      for (std::int32_t j = 0; j < 2 * half; j += 2) {
        const double wr = w[j];
        const double wi = inverse ? -w[j + 1] : w[j + 1];
        const double re = wr * q[j] - wi * q[j + 1];
        const double im = wr * q[j + 1] + wi * q[j];
        q[j] = p[j] - re;
        q[j + 1] = p[j + 1] - im;
        p[j] += re;
        p[j + 1] += im;
      }
    }
  }
}

// The step between the complex transform of the even/odd sample pairs and the
// spectrum of the real signal (and back), pairing bin k with bin points - k.
template <bool inverse>
void FourierTransform::Split(double* data) const {
  const double c1 = 0.5;
  const double c2 = inverse ? 0.5 : -0.5;
  // The middle bin (k = points/2) pairs with itself and is left unchanged.
  for (std::int32_t k = 1; 2 * k < points; ++k) {
    const std::int32_t i1 = 2 * k, i3 = 2 * (points - k);
    const double wr = splitTwiddles[2 * k];
    const double wi = inverse ? -splitTwiddles[2 * k + 1] : splitTwiddles[2 * k + 1];
    const double h1r = c1 * (data[i1] + data[i3]);
    const double h1i = c1 * (data[i1 + 1] - data[i3 + 1]);
    const double h2r = -c2 * (data[i1 + 1] + data[i3 + 1]);
    const double h2i = c2 * (data[i1] - data[i3]);
    data[i1] = h1r + wr * h2r - wi * h2i;
    data[i1 + 1] = h1i + wr * h2i + wi * h2r;
    data[i3] = h1r - wr * h2r + wi * h2i;
    data[i3 + 1] = -h1i + wr * h2i + wi * h2r;
  }
}
