#pragma once
#include <cstdint>
#include <memory>

// Radix-2 transforms over rows of `doubles` values (a power of two): the
// complex FFT of doubles/2 interleaved (real, imaginary) points and the
// packed real FFT of `doubles` real samples. The forward direction uses the
// positive exponent, X_k = sum_j x_j e^(+2 pi i jk/M); the inverse uses the
// negative one. Neither direction scales. The tables are built once per
// width so a file of many rows pays for the cosines only once; the butterflies
// run on separate real and imaginary arrays so the compiler can vectorise
// them. One object serves one thread (it owns its work arrays).
class FourierTransform {
 public:
  enum Direction { kForward = 1, kInverse = -1 };

  explicit FourierTransform(std::int32_t doubles);
  // False when the tables could not be allocated.
  bool IsReady() const { return ready; }

  // In place over doubles/2 complex points.
  void Complex(double* data, Direction direction);
  // In place over `doubles` reals. Forward packs H_0 into element 0, H_(N/2)
  // into element 1 and H_k into elements 2k, 2k + 1; the inverse unpacks the
  // same layout and returns N/2 times the signal.
  void Real(double* data, Direction direction);
  // The forward transform (complex or packed real) of `in` written to `out`
  // with every value multiplied by `scale`; `in` may be `out`.
  void ScaledForward(const double* in, double* out, bool realData, double scale);

 private:
  // Reorders `data` into the work arrays and runs every stage there.
  template <bool inverse>
  void Stages(const double* data);
  template <bool inverse>
  void OneStage(std::int32_t half);
  template <bool inverse>
  void TwoStages(std::int32_t half);
  // The work arrays back into interleaved pairs, times `scale`.
  void Scatter(double* data, double scale) const;
  void SplitForward(double* data, double scale) const;
  void SplitInverse(double* data) const;

  std::int32_t points = 0;  // complex points of the complex transform
  bool ready = false;
  std::unique_ptr<std::int32_t[]> reversed;  // bit-reversed index of every point
  // For every stage of half-length h, cos and sin of pi j/h, j = 0 .. h - 1,
  // stored from index h on, so each stage reads its own run in order.
  std::unique_ptr<double[]> cosines;
  std::unique_ptr<double[]> sines;
  // (cos, sin) of pi k/points for the real split step, k = 0 .. points/2.
  std::unique_ptr<double[]> splitTwiddles;
  // The points in bit-reversed order, real and imaginary parts apart.
  std::unique_ptr<double[]> work;
};
