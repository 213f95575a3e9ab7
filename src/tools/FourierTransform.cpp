#include "tools/FourierTransform.h"

#include <cmath>
#include <new>
#include <numbers>

FourierTransform::FourierTransform(std::int32_t doubles) : points(doubles / 2) {
  const std::int32_t length = points > 0 ? points : 1;
  reversed.reset(new (std::nothrow) std::int32_t[length]);
  cosines.reset(new (std::nothrow) double[length]);
  sines.reset(new (std::nothrow) double[length]);
  splitTwiddles.reset(new (std::nothrow) double[length + 2]);
  work.reset(new (std::nothrow) double[2 * length]);
  if (!reversed || !cosines || !sines || !splitTwiddles || !work) return;

  std::int32_t bits = 0;
  while ((std::int32_t{1} << bits) < points) ++bits;
  for (std::int32_t i = 0; i < points; ++i) {
    std::int32_t r = 0;
    for (std::int32_t b = 0; b < bits; ++b) r |= ((i >> b) & 1) << (bits - 1 - b);
    reversed[i] = r;
  }
  for (std::int32_t half = 1; half < points; half *= 2)
    for (std::int32_t j = 0; j < half; ++j) {
      const double angle = std::numbers::pi * j / half;
      cosines[half + j] = std::cos(angle);
      sines[half + j] = std::sin(angle);
    }
  for (std::int32_t k = 0; k <= points / 2; ++k) {
    const double angle = std::numbers::pi * k / points;
    splitTwiddles[2 * k] = std::cos(angle);
    splitTwiddles[2 * k + 1] = std::sin(angle);
  }
  ready = true;
}

void FourierTransform::Complex(double* data, Direction direction) {
  if (direction == kForward)
    Stages<false>(data);
  else
    Stages<true>(data);
  Scatter(data, 1.0);
}

void FourierTransform::Real(double* data, Direction direction) {
  if (points < 1) return;
  if (direction == kForward) {
    Stages<false>(data);
    SplitForward(data, 1.0);
  } else {
    SplitInverse(data);
    const double first = data[0];
    data[0] = 0.5 * (first + data[1]);
    data[1] = 0.5 * (first - data[1]);
    Complex(data, kInverse);
  }
}

void FourierTransform::ScaledForward(const double* in, double* out, bool realData, double scale) {
  Stages<false>(in);
  if (realData)
    SplitForward(out, scale);
  else
    Scatter(out, scale);
}

void FourierTransform::Scatter(double* data, double scale) const {
  const double* re = work.get();
  const double* im = re + points;
  for (std::int32_t i = 0; i < points; ++i) {
    data[2 * i] = re[i] * scale;
    data[2 * i + 1] = im[i] * scale;
  }
}

template <bool inverse>
void FourierTransform::Stages(const double* data) {
  double* __restrict re = work.get();
  double* __restrict im = re + points;
  if (points >= 4) {
    // Reordering and the half-lengths 1 and 2 in one pass: their twiddles
    // are 1 and +i (forward) or -i (inverse), so no multiplications.
    for (std::int32_t i = 0; i < points; i += 4) {
      const double* x0 = data + 2 * reversed[i];
      const double* x1 = data + 2 * reversed[i + 1];
      const double* x2 = data + 2 * reversed[i + 2];
      const double* x3 = data + 2 * reversed[i + 3];
      const double ar = x0[0] + x1[0], ai = x0[1] + x1[1];
      const double br = x0[0] - x1[0], bi = x0[1] - x1[1];
      const double cr = x2[0] + x3[0], ci = x2[1] + x3[1];
      const double dr = x2[0] - x3[0], di = x2[1] - x3[1];
      const double tr = inverse ? di : -di;
      const double ti = inverse ? -dr : dr;
      re[i] = ar + cr;
      im[i] = ai + ci;
      re[i + 2] = ar - cr;
      im[i + 2] = ai - ci;
      re[i + 1] = br + tr;
      im[i + 1] = bi + ti;
      re[i + 3] = br - tr;
      im[i + 3] = bi - ti;
    }
  } else {
    for (std::int32_t i = 0; i < points; ++i) {
      re[i] = data[2 * reversed[i]];
      im[i] = data[2 * reversed[i] + 1];
    }
    if (points == 2) {
      const double r = re[1], i = im[1];
      re[1] = re[0] - r;
      im[1] = im[0] - i;
      re[0] += r;
      im[0] += i;
    }
  }
  std::int32_t half = 4;
  for (; 4 * half <= points; half *= 4) TwoStages<inverse>(half);
  if (half < points) OneStage<inverse>(half);
}

// One radix-2 stage of half-length h: x[j] +- w^j x[j + h] within each block
// of 2h points, w = e^(+-i pi/h).
template <bool inverse>
void FourierTransform::OneStage(std::int32_t half) {
  double* __restrict re = work.get();
  double* __restrict im = re + points;
  const double* __restrict c = cosines.get() + half;
  const double* __restrict s = sines.get() + half;
  for (std::int32_t base = 0; base < points; base += 2 * half) {
    double* __restrict pr = re + base;
    double* __restrict pi = im + base;
    double* __restrict qr = pr + half;
    double* __restrict qi = pi + half;
    for (std::int32_t j = 0; j < half; ++j) {
      const double wi = inverse ? -s[j] : s[j];
      const double tr = c[j] * qr[j] - wi * qi[j];
      const double ti = c[j] * qi[j] + wi * qr[j];
      qr[j] = pr[j] - tr;
      qi[j] = pi[j] - ti;
      pr[j] += tr;
      pi[j] += ti;
    }
  }
}

// The stages of half-lengths h and 2h in one pass over each block of 4h
// points, so the data is loaded and stored once for two stages. The second
// stage's twiddle for j + h is i (or -i) times the one for j.
template <bool inverse>
void FourierTransform::TwoStages(std::int32_t half) {
  double* __restrict re = work.get();
  double* __restrict im = re + points;
  const double* __restrict c1 = cosines.get() + half;
  const double* __restrict s1 = sines.get() + half;
  const double* __restrict c2 = cosines.get() + 2 * half;
  const double* __restrict s2 = sines.get() + 2 * half;
  for (std::int32_t base = 0; base < points; base += 4 * half) {
    double* __restrict ar = re + base;
    double* __restrict ai = im + base;
    double* __restrict br = ar + half;
    double* __restrict bi = ai + half;
    double* __restrict cr = br + half;
    double* __restrict ci = bi + half;
    double* __restrict dr = cr + half;
    double* __restrict di = ci + half;
    for (std::int32_t j = 0; j < half; ++j) {
      const double w1r = c1[j], w1i = inverse ? -s1[j] : s1[j];
      const double w2r = c2[j], w2i = inverse ? -s2[j] : s2[j];
      const double tbr = w1r * br[j] - w1i * bi[j], tbi = w1r * bi[j] + w1i * br[j];
      const double tdr = w1r * dr[j] - w1i * di[j], tdi = w1r * di[j] + w1i * dr[j];
      const double a1r = ar[j] + tbr, a1i = ai[j] + tbi;
      const double b1r = ar[j] - tbr, b1i = ai[j] - tbi;
      const double c1r = cr[j] + tdr, c1i = ci[j] + tdi;
      const double d1r = cr[j] - tdr, d1i = ci[j] - tdi;
      const double ucr = w2r * c1r - w2i * c1i, uci = w2r * c1i + w2i * c1r;
      const double udr0 = w2r * d1r - w2i * d1i, udi0 = w2r * d1i + w2i * d1r;
      const double udr = inverse ? udi0 : -udi0;
      const double udi = inverse ? -udr0 : udr0;
      ar[j] = a1r + ucr;
      ai[j] = a1i + uci;
      cr[j] = a1r - ucr;
      ci[j] = a1i - uci;
      br[j] = b1r + udr;
      bi[j] = b1i + udi;
      dr[j] = b1r - udr;
      di[j] = b1i - udi;
    }
  }
}

// The step from the complex transform of the even/odd sample pairs (in the
// work arrays) to the packed spectrum of the real signal, pairing bin k with
// bin points - k. The middle bin (k = points/2) pairs with itself and is
// unchanged.
void FourierTransform::SplitForward(double* data, double scale) const {
  const double* re = work.get();
  const double* im = re + points;
  const double c1 = 0.5, c2 = -0.5;
  for (std::int32_t k = 1; 2 * k < points; ++k) {
    const std::int32_t m = points - k;
    const double wr = splitTwiddles[2 * k], wi = splitTwiddles[2 * k + 1];
    const double h1r = c1 * (re[k] + re[m]);
    const double h1i = c1 * (im[k] - im[m]);
    const double h2r = -c2 * (im[k] + im[m]);
    const double h2i = c2 * (re[k] - re[m]);
    data[2 * k] = (h1r + wr * h2r - wi * h2i) * scale;
    data[2 * k + 1] = (h1i + wr * h2i + wi * h2r) * scale;
    data[2 * m] = (h1r - wr * h2r + wi * h2i) * scale;
    data[2 * m + 1] = (-h1i + wr * h2i + wi * h2r) * scale;
  }
  if (points >= 2) {
    data[points] = re[points / 2] * scale;
    data[points + 1] = im[points / 2] * scale;
  }
  data[0] = (re[0] + im[0]) * scale;
  data[1] = (re[0] - im[0]) * scale;
}

// The same step backwards, in place on a packed spectrum (bin 0 excepted).
void FourierTransform::SplitInverse(double* data) const {
  const double c1 = 0.5, c2 = 0.5;
  for (std::int32_t k = 1; 2 * k < points; ++k) {
    const std::int32_t i1 = 2 * k, i3 = 2 * (points - k);
    const double wr = splitTwiddles[2 * k], wi = -splitTwiddles[2 * k + 1];
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
