#include "tools/FilteringLab.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "tools/FftLab.h"
#include "tools/FourierTransform.h"

namespace {

enum SpectrumSeries { kSpectrumSeries, kWc1Marker, kWc2Marker };

void Fill(PlotSeries& series, const Vector& values) {
  series.Clear();
  for (std::int32_t i = 0; i < values.Length(); ++i) {
    series.x.push_back(i + 1);
    series.y.push_back(values[i]);
  }
}

}  // namespace

FilteringLab::FilteringLab() {
  plots[kInputPlot].series.resize(1);
  plots[kInputPlot].series[0].title = u"Input Signal";
  plots[kSpectrumPlot].series.resize(3);
  plots[kSpectrumPlot].series[kSpectrumSeries].title = u"Input Signal Spectrum";
  plots[kSpectrumPlot].series[kWc1Marker] = {u"Wc1", {255, 0, 0}, {}, {}};
  plots[kSpectrumPlot].series[kWc2Marker] = {u"Wc2", {255, 0, 255}, {}, {}};
  plots[kOutputPlot].series = {{u"Low Pass", {255, 0, 0}, {}, {}},
                               {u"Band Pass", {0, 60, 255}, {}, {}},
                               {u"High Pass", {255, 0, 255}, {}, {}}};
}

double FilteringLab::CutOff(std::int32_t position) { return position * 0.0031415926535897933; }

bool FilteringLab::MagnitudeSpectrum(const Vector& signal, Vector& magnitudes) {
  const std::int32_t length = signal.Length();
  Vector bins;
  if (FftLab::IsPowerOfTwo(length)) {
    FourierTransform transform(length);
    if (!transform.IsReady() || !bins.Resize(length)) return false;
    std::copy_n(signal.Data(), length, bins.Data());
    transform.Real(bins.Data(), FourierTransform::kForward);
  } else {
    // The angles j k 2 pi/L repeat every L steps, so one table of L cosines
    // and sines serves every product j k (taken modulo L).
    Vector cosines, sines;
    if (!bins.Resize(2 * length) || !cosines.Resize(length) || !sines.Resize(length)) return false;
    const double angle = 2 * std::numbers::pi / length;
    for (std::int32_t m = 0; m < length; ++m) {
      cosines[m] = std::cos(angle * m);
      sines[m] = std::sin(angle * m);
    }
    // Only the first L/2 bins are shown.
    for (std::int32_t k = 0; k < length / 2; ++k) {
      double re = 0, im = 0;
      std::int64_t step = 0;  // j k modulo L
      for (std::int32_t j = 0; j < length; ++j) {
        re += signal[j] * cosines[static_cast<std::int32_t>(step)];
        im += signal[j] * sines[static_cast<std::int32_t>(step)];
        step += k;
        if (step >= length) step -= length;
      }
      bins[2 * k] = re;
      bins[2 * k + 1] = im;
    }
  }
  const std::int32_t pairs = length / 2;
  if (!magnitudes.Resize(pairs)) return pairs == 0;
  for (std::int32_t k = 0; k < pairs; ++k)
    magnitudes[k] = std::sqrt(bins[2 * k] * bins[2 * k] + bins[2 * k + 1] * bins[2 * k + 1]);
  return true;
}

void FilteringLab::LowPassTaps(double omega, const KaiserWindow& window, double* taps) {
  for (std::int32_t i = 0; i < kTaps; ++i) {
    const std::int32_t m = i - kTaps / 2;
    const double ideal = m == 0 ? omega * 0.3183098861837907 : std::sin(omega * m) / (std::numbers::pi * m);
    taps[i] = ideal * window(i);
  }
}

void FilteringLab::HighPassTaps(double omega, const KaiserWindow& window, double* taps) {
  for (std::int32_t i = 0; i < kTaps; ++i) {
    const std::int32_t m = i - kTaps / 2;
    const double allPass = m == 0 ? 1 : std::sin(std::numbers::pi * m) / (std::numbers::pi * m);
    const double lowPass = m == 0 ? omega * 0.3183098861837907 : std::sin(omega * m) / (std::numbers::pi * m);
    taps[i] = (allPass - lowPass) * window(i);
  }
}

bool FilteringLab::Convolve(const Vector& signal, const double* taps, Vector& result) {
  const std::int32_t length = signal.Length();
  if (!result.Resize(length)) return false;
  const std::int32_t delay = kTaps / 2;
  for (std::int32_t j = 0; j < length; ++j) {
    const std::int32_t n = j + delay;  // index into the full convolution
    const std::int32_t first = std::max(0, n - (length - 1));
    const std::int32_t last = std::min(kTaps - 1, n);
    double sum = 0;
    for (std::int32_t i = first; i <= last; ++i) sum += taps[i] * signal[n - i];
    result[j] = sum;
  }
  return true;
}

void FilteringLab::Clear() {
  title = u"Filtering Lab";
  controlsEnabled = false;
  inputSignal.Free();
  spectrum.Free();
  for (Vector& band : bands) band.Free();
  for (Plot& plot : plots)
    for (PlotSeries& series : plot.series) series.Clear();
}

std::u16string FilteringLab::LoadSignal(const std::filesystem::path& path) {
  Vector loaded;
  Message error = loaded.LoadText(path);
  // A signal needs two samples for a spectrum; an empty first line reads as one.
  if (!error && loaded.Length() < 2) error = u"The input signal has less than two values";
  if (error) {
    std::u16string message = error;
    Clear();
    return message;
  }
  inputSignal = std::move(loaded);
  controlsEnabled = true;
  title = u"Filtering Lab - " + path.filename().u16string();
  const std::int32_t length = inputSignal.Length();
  Fill(plots[kInputPlot].series[0], inputSignal);
  plots[kInputPlot].yMin = inputSignal.Minimum();
  plots[kInputPlot].yMax = inputSignal.Maximum();
  if (!MagnitudeSpectrum(inputSignal, spectrum)) spectrum.Free();
  Fill(plots[kSpectrumPlot].series[kSpectrumSeries], spectrum);
  plots[kSpectrumPlot].yMin = spectrum.Minimum();
  plots[kSpectrumPlot].yMax = spectrum.Maximum();
  for (PlotIndex i : {kInputPlot, kOutputPlot}) {
    plots[i].xMin = 1;
    plots[i].xMax = length;
  }
  plots[kSpectrumPlot].xMin = 1;
  plots[kSpectrumPlot].xMax = length / 2;
  Filter();
  return {};
}

void FilteringLab::MoveSliders(std::int32_t position1, std::int32_t position2) {
  wc1 = std::clamp(position1, kSliderMin, kSliderMax);
  wc2 = std::clamp(position2, kSliderMin, kSliderMax);
  if (controlsEnabled) Filter();
}

void FilteringLab::Filter() {
  double taps[kTaps];
  LowPassTaps(CutOff(wc1), kaiserWindow, taps);
  if (!Convolve(inputSignal, taps, bands[kLowPass])) bands[kLowPass].Free();
  HighPassTaps(CutOff(wc2), kaiserWindow, taps);
  if (!Convolve(inputSignal, taps, bands[kHighPass])) bands[kHighPass].Free();
  Vector& band = bands[kBandPass];
  if (band.Resize(inputSignal.Length()) && bands[kLowPass].Length() == band.Length() &&
      bands[kHighPass].Length() == band.Length()) {
    for (std::int32_t j = 0; j < band.Length(); ++j)
      band[j] = inputSignal[j] - bands[kLowPass][j] - bands[kHighPass][j];
  } else {
    band.Free();
  }
  double low = 1e300, high = -1e300;
  for (int b = 0; b < 3; ++b) {
    Fill(plots[kOutputPlot].series[b], bands[b]);
    if (bands[b].Length() > 0) {
      low = std::min(low, bands[b].Minimum());
      high = std::max(high, bands[b].Maximum());
    }
  }
  plots[kOutputPlot].yMin = low;
  plots[kOutputPlot].yMax = high;
  PlaceMarkers();
}

void FilteringLab::PlaceMarkers() {
  const std::int32_t half = inputSignal.Length() / 2;
  const double top = spectrum.Maximum();
  const std::int32_t positions[2] = {wc1, wc2};
  for (int m = 0; m < 2; ++m) {
    const double x = (positions[m] - 1) * half * 0.001 + 0.9;
    PlotSeries& marker = plots[kSpectrumPlot].series[kWc1Marker + m];
    marker.x = {x, x};
    marker.y = {0, top};
  }
}

std::u16string FilteringLab::SaveBand(Band band, const std::filesystem::path& path) const {
  if (Message error = bands[band].SaveText(path)) return error;
  return {};
}
