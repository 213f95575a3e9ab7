#pragma once

// A sampled odd-symmetric squashing curve on [0, bound]: 2048 values V and
// the differences D[i] = V[i+1] - V[i] between neighbours, evaluated by
// linear interpolation. D carries a 2048th entry of 0 so that |x| exactly at
// the bound (k = 2047, fraction 0) reads V[2047] without leaving the table.
class LookupTable {
 public:
  static constexpr int kSize = 2048;

  // sample(i) for every index i; the curve at |x| = i / tableScale.
  template <typename Curve>
  void Fill(double tableScale, Curve sample) {
    scale = tableScale;
    for (int i = 0; i < kSize; ++i) values[i] = sample(i);
    for (int i = 0; i + 1 < kSize; ++i) differences[i] = values[i + 1] - values[i];
    differences[kSize - 1] = 0.0;
  }

  // Requires: 0 <= magnitude <= the bound the table was built for.
  double Interpolate(double magnitude) const {
    const double t = magnitude * scale;
    const int k = static_cast<int>(t);
    return values[k] + (t - k) * differences[k];
  }

  double Scale() const { return scale; }
  double Value(int i) const { return values[i]; }
  double Difference(int i) const { return differences[i]; }

 private:
  double scale = 1.0;
  double values[kSize] = {};
  double differences[kSize] = {};
};
