#pragma once
#include <array>
#include <cstdint>
#include <filesystem>
#include <string>

#include "numerics/Vector.h"
#include "tools/KaiserWindow.h"
#include "tools/Plot.h"

// The filtering lab: one signal split into low, band and high bands by two
// windowed-sinc filters whose cut-offs come from two sliders, with the
// signal's magnitude spectrum and the cut-off markers. Holds the signal, the
// bands and what the window shows.
class FilteringLab {
 public:
  enum PlotIndex { kInputPlot, kSpectrumPlot, kOutputPlot };
  enum Band { kLowPass, kBandPass, kHighPass };
  static constexpr std::int32_t kTaps = 128;
  static constexpr std::int32_t kSliderMin = 1, kSliderMax = 1000;

  FilteringLab();

  // Loads the first line of a comma-separated file, analyses and filters it.
  // Empty on success, else the message (the lab is then cleared).
  std::u16string LoadSignal(const std::filesystem::path& path);
  // A slider was dragged or released: filter again with both positions.
  void MoveSliders(std::int32_t wc1, std::int32_t wc2);
  std::u16string SaveBand(Band band, const std::filesystem::path& path) const;

  const std::u16string& Title() const { return title; }
  bool ControlsEnabled() const { return controlsEnabled; }
  std::int32_t Wc1() const { return wc1; }
  std::int32_t Wc2() const { return wc2; }
  const Plot& GetPlot(PlotIndex index) const { return plots[index]; }
  const Vector& InputSignal() const { return inputSignal; }
  const Vector& Spectrum() const { return spectrum; }
  const Vector& GetBand(Band band) const { return bands[band]; }

  // The computations.
  static double CutOff(std::int32_t position);
  // Magnitudes of the first L/2 bins (FFT for powers of two, else a direct DFT).
  static bool MagnitudeSpectrum(const Vector& signal, Vector& magnitudes);
  static void LowPassTaps(double omega, const KaiserWindow& window, double* taps);
  static void HighPassTaps(double omega, const KaiserWindow& window, double* taps);
  // The convolution with the filter's delay removed: L samples.
  static bool Convolve(const Vector& signal, const double* taps, Vector& result);

 private:
  void Clear();
  void Filter();
  void PlaceMarkers();

  KaiserWindow kaiserWindow{kTaps, 6.0};
  Vector inputSignal;
  Vector spectrum;
  std::array<Vector, 3> bands;
  std::array<Plot, 3> plots;
  std::int32_t wc1 = 300, wc2 = 600;
  bool controlsEnabled = false;
  std::u16string title = u"Filtering Lab";
};
