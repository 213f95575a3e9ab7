#include "tools/FftLab.h"

#include <algorithm>
#include <cmath>

#include "platform/Text.h"

namespace {

constexpr char16_t kNotPowerOfTwo[] = u"The number of columns must be a power of 2";
constexpr char16_t kNoMemory[] = u"No enough memory to perform FFT";

std::u16string FileName(const std::filesystem::path& path) { return path.filename().u16string(); }

// The smallest and largest of the first `columns` values of every row,
// scanned from +1e300 and -1e300.
std::pair<double, double> Extent(const Matrix& data, std::int32_t columns) {
  double low = 1e300, high = -1e300;
  for (std::int32_t r = 0; r < data.Rows(); ++r) {
    const double* row = data[r];
    for (std::int32_t c = 0; c < columns; ++c) {
      low = std::min(low, row[c]);
      high = std::max(high, row[c]);
    }
  }
  return {low, high};
}

}  // namespace

FftLab::FftLab(bool forwardMode)
    : forwardMode(forwardMode), title(forwardMode ? u"FFT Lab" : u"Inverse FFT Lab") {
  const char16_t* captions[4][2] = {
      {u"Time", u"Real"}, {u"Time", u"Imag"}, {u"Frequency", u"Real"}, {u"Frequency", u"Imag"}};
  for (int i = 0; i < 4; ++i) {
    plots[i].xCaption = captions[i][0];
    plots[i].yCaption = captions[i][1];
    plots[i].series.resize(1);
  }
}

const FftLab::Captions& FftLab::ModeCaptions() const {
  static const Captions forward = {u"Select the time-domain data file", u"FFT>>",
                                   u"Open a time-domain data set", u"Save Frequency-Domain Data",
                                   u"Apply a Kaiser window before transforming"};
  static const Captions inverse = {u"Select the frequency domain data file", u"<<IFFT",
                                   u"Open a frequency-domain data set", u"Save Time-Domain Data",
                                   u"Apply an inverse Kaiser window after inverting"};
  return forwardMode ? forward : inverse;
}

void FftLab::SetOptions(const FftOptions& chosen) {
  options = chosen;
  if (!forwardMode) {
    options.leaveLastColumn = false;
    options.phaseNormalization = false;
  }
}

std::int32_t FftLab::ScrollMax() const {
  const Matrix& inView = forwardMode ? timeData : frequencyData;
  return std::max(inView.Rows() - 1, 0);
}

bool FftLab::IsPowerOfTwo(std::int32_t n) { return n > 0 && (n & (n - 1)) == 0; }

double FftLab::Taper(std::int32_t k, std::int32_t points) {
  const double c = (points - 1) / 2.0;
  const double h = (points + 1) / 2.0;
  return 1 - (k - c) * (k - c) / (h * h);
}

void FftLab::ApplyTaper(double* row, std::int32_t n, bool complexData, bool divide) {
  const std::int32_t points = complexData ? n / 2 : n;
  const std::int32_t width = complexData ? 2 : 1;
  for (std::int32_t k = 0; k < points; ++k) {
    const double w = Taper(k, points);
    for (std::int32_t part = 0; part < width; ++part) {
      double& value = row[width * k + part];
      value = divide ? value / w : value * w;
    }
  }
}

void FftLab::NormalizePhase(double* row, std::int32_t n) {
  const std::int32_t pairs = n / 2;
  std::int32_t strongest = 1;
  double largest = 0;
  for (std::int32_t k = 1; k < pairs; ++k) {
    const double magnitude = std::sqrt(row[2 * k] * row[2 * k] + row[2 * k + 1] * row[2 * k + 1]);
    if (magnitude > largest) {
      largest = magnitude;
      strongest = k;
    }
  }
  double omega = 0;
  if (largest > 0) {
    const double phi = std::atan2(row[2 * strongest + 1], row[2 * strongest]);
    if (phi != 0) omega = phi / strongest;
  }
  for (std::int32_t k = strongest; k < pairs; k += strongest) {
    double& re = row[2 * k];
    double& im = row[2 * k + 1];
    const double magnitude = std::sqrt(re * re + im * im);
    const double theta = magnitude == 0 ? 0 : std::atan2(im, re);
    re = magnitude * std::cos(theta - k * omega);
    im = magnitude * std::sin(theta - k * omega);
  }
}

Message FftLab::TransformRows(const Matrix& signals, const FftOptions& options, Matrix& spectra) {
  const std::int32_t n = signals.Cols() - (options.leaveLastColumn ? 1 : 0);
  if (!IsPowerOfTwo(n)) return kNotPowerOfTwo;
  FourierTransform transform(n);
  if (!transform.IsReady() || !spectra.Resize(signals.Rows(), signals.Cols())) {
    spectra.Free();
    return kNoMemory;
  }
  const double scale = 1.0 / n;
  for (std::int32_t r = 0; r < signals.Rows(); ++r) {
    double* out = spectra[r];
    const double* in = signals[r];
    if (n > 1)
      transform.ScaledForward(in, out, options.realData, scale);
    else
      out[0] = in[0] * scale;
    if (options.leaveLastColumn) out[n] = in[n];
  }
  return nullptr;
}

Message FftLab::InverseRows(const Matrix& spectra, const FftOptions& options, Matrix& signals) {
  const std::int32_t n = spectra.Cols();
  if (!IsPowerOfTwo(n)) return kNotPowerOfTwo;
  FourierTransform transform(n);
  if (!transform.IsReady() || !signals.Resize(spectra.Rows(), n)) {
    signals.Free();
    return kNoMemory;
  }
  // A single value is its own spectrum (scaled by 1/1), so it comes back as is.
  const double scale = n > 1 ? 2.0 : 1.0;
  for (std::int32_t r = 0; r < spectra.Rows(); ++r) {
    double* out = signals[r];
    std::copy_n(spectra[r], n, out);
    if (n > 1) {
      if (options.realData)
        transform.Real(out, FourierTransform::kInverse);
      else
        transform.Complex(out, FourierTransform::kInverse);
    }
    if (options.applyWindow) ApplyTaper(out, n, !options.realData, true);
    for (std::int32_t c = 0; c < n; ++c) out[c] *= scale;
  }
  return nullptr;
}

std::int32_t FftLab::SignalColumns(const Matrix& data) const {
  return data.Cols() - (options.leaveLastColumn ? 1 : 0);
}

void FftLab::SetTimePoints(std::int32_t count, bool complexData) {
  timePoints = count;
  timeComplex = complexData;
  for (PlotIndex i : {kTimeReal, kTimeImag}) {
    plots[i].xMin = 1;
    plots[i].xMax = std::max(count, 1);
  }
}

void FftLab::SetSpectrumPoints(std::int32_t count) {
  spectrumPoints = count;
  for (PlotIndex i : {kFrequencyReal, kFrequencyImag}) {
    plots[i].xMin = 1;
    plots[i].xMax = std::max(count, 1);
  }
}

void FftLab::ClearSeries(PlotIndex first, PlotIndex last) {
  for (int i = first; i <= last; ++i) plots[i].series[0].Clear();
}

void FftLab::SetRange(PlotIndex first, PlotIndex last, double low, double high) {
  for (int i = first; i <= last; ++i) {
    plots[i].yMin = low;
    plots[i].yMax = high;
  }
}

std::u16string FftLab::LoadTimeFile(const std::filesystem::path& path) {
  Matrix loaded;
  if (Message error = loaded.LoadCsv(path)) return error;
  if (loaded.Rows() < 1 || loaded.Cols() < 1) return {};
  timeData.Swap(loaded);
  frequencyData.Free();
  computeEnabled = true;
  title = platform::Utf8ToUtf16("FFT Lab - ") + FileName(path);
  const std::int32_t n = std::max(SignalColumns(timeData), 0);
  const auto [low, high] = Extent(timeData, n);
  SetRange(kTimeReal, kTimeImag, low, high);
  const bool complexData = !options.realData;
  SetTimePoints(complexData ? n / 2 : n, complexData);
  if (options.applyWindow)
    for (std::int32_t r = 0; r < timeData.Rows(); ++r) ApplyTaper(timeData[r], n, complexData, false);
  for (int i = 0; i < 4; ++i) plots[i].series[0].title = FileName(path);
  SetSpectrumPoints(0);
  ClearSeries(kFrequencyReal, kFrequencyImag);
  ShowRow(0);
  return {};
}

std::u16string FftLab::Forward(const std::filesystem::path& destination) {
  if (Message error = TransformRows(timeData, options, frequencyData)) return error;
  const std::int32_t n = SignalColumns(timeData);
  const auto [low, high] = Extent(frequencyData, n);
  SetRange(kFrequencyReal, kFrequencyImag, low, high);
  SetSpectrumPoints(n / 2);
  if (options.phaseNormalization)
    for (std::int32_t r = 0; r < frequencyData.Rows(); ++r) NormalizePhase(frequencyData[r], n);
  if (Message error = frequencyData.SaveCsv(destination)) {
    ClearSeries(kFrequencyReal, kFrequencyImag);
    return error;
  }
  ShowRow(0);
  return {};
}

std::u16string FftLab::LoadFrequencyFile(const std::filesystem::path& path) {
  Matrix loaded;
  if (Message error = loaded.LoadCsv(path)) return error;
  if (loaded.Rows() < 1 || loaded.Cols() < 1) return {};
  frequencyData.Swap(loaded);
  timeData.Free();
  computeEnabled = true;
  title = platform::Utf8ToUtf16("Inverse FFT Lab - ") + FileName(path);
  const std::int32_t n = frequencyData.Cols();
  for (PlotIndex i : {kFrequencyReal, kFrequencyImag}) plots[i].series[0].title = FileName(path);
  SetSpectrumPoints(n / 2);
  const auto [low, high] = Extent(frequencyData, n);
  SetRange(kFrequencyReal, kFrequencyImag, low, high);
  const double reach = 4 * std::max(std::fabs(low), std::fabs(high));
  SetRange(kTimeReal, kTimeImag, -reach, reach);
  SetTimePoints(0, false);
  ClearSeries(kTimeReal, kTimeImag);
  ShowRow(0);
  return {};
}

std::u16string FftLab::Inverse(const std::filesystem::path& destination) {
  if (Message error = InverseRows(frequencyData, options, timeData)) return error;
  const std::int32_t n = timeData.Cols();
  const auto [low, high] = Extent(timeData, n);
  SetRange(kTimeReal, kTimeImag, low, high);
  SetTimePoints(options.realData ? n : n / 2, !options.realData);
  if (Message error = timeData.SaveCsv(destination)) {
    ClearSeries(kTimeReal, kTimeImag);
    return error;
  }
  ShowRow(0);
  return {};
}

void FftLab::Scroll(ScrollAction action, std::int32_t amount) {
  switch (action) {
    case kLineUp: ShowRow(currentRow - 1); break;
    case kLineDown: ShowRow(currentRow + 1); break;
    case kPageUp: ShowRow(currentRow - amount); break;
    case kPageDown: ShowRow(currentRow + amount); break;
    case kThumbTrack: ShowRow(amount); break;
    case kTop: ShowRow(0); break;
    case kBottom: ShowRow(ScrollMax()); break;
  }
}

void FftLab::ShowRow(std::int32_t r) {
  const Matrix& inView = forwardMode ? timeData : frequencyData;
  currentRow = std::clamp(r, 0, std::max(inView.Rows() - 1, 0));
  ClearSeries(kTimeReal, kFrequencyImag);
  if (currentRow < timeData.Rows()) {
    const double* row = timeData[currentRow];
    for (std::int32_t k = 0; k < timePoints; ++k) {
      const double x = k + 1;
      if (timeComplex) {
        plots[kTimeReal].series[0].x.push_back(x);
        plots[kTimeReal].series[0].y.push_back(row[2 * k]);
        plots[kTimeImag].series[0].x.push_back(x);
        plots[kTimeImag].series[0].y.push_back(row[2 * k + 1]);
      } else {
        plots[kTimeReal].series[0].x.push_back(x);
        plots[kTimeReal].series[0].y.push_back(row[k]);
      }
    }
  }
  if (currentRow < frequencyData.Rows()) {
    const double* row = frequencyData[currentRow];
    for (std::int32_t k = 0; k < spectrumPoints; ++k) {
      plots[kFrequencyReal].series[0].x.push_back(k + 1);
      plots[kFrequencyReal].series[0].y.push_back(row[2 * k]);
      plots[kFrequencyImag].series[0].x.push_back(k + 1);
      plots[kFrequencyImag].series[0].y.push_back(row[2 * k + 1]);
    }
  }
}
