#pragma once
#include <array>
#include <cstdint>
#include <filesystem>
#include <string>

#include "numerics/Matrix.h"
#include "tools/FourierTransform.h"
#include "tools/Plot.h"

// The choices of the FFT options dialog.
struct FftOptions {
  bool leaveLastColumn = false;  // the last column is a class label, copied unchanged
  bool applyWindow = false;      // taper before the transform (divide by it after the inverse)
  bool realData = true;          // real samples, or interleaved (real, imaginary) pairs
  bool phaseNormalization = false;
};

// The FFT lab (forward mode) and the inverse FFT lab: one signal or spectrum
// per row of a comma-separated file. Holds the loaded and computed tables and
// what the window shows: the four plots, the current row, the title and
// whether the compute button is enabled. The computations are also offered
// alone for callers without a window.
class FftLab {
 public:
  enum PlotIndex { kTimeReal, kTimeImag, kFrequencyReal, kFrequencyImag };
  enum ScrollAction { kLineUp, kLineDown, kPageUp, kPageDown, kThumbTrack, kTop, kBottom };

  // The texts of the controls and dialogs, which differ by mode.
  struct Captions {
    const char16_t* fileButton;
    const char16_t* computeButton;
    const char16_t* openTitle;
    const char16_t* saveTitle;
    const char16_t* applyWindowOption;
  };

  explicit FftLab(bool forwardMode);
  const Captions& ModeCaptions() const;
  // The inverse lab's options dialog clears and disables these two options.
  bool ClassifierAndPhaseOptionsEnabled() const { return forwardMode; }

  // The options dialog's result; the inverse lab has no classifier column and
  // no phase normalisation.
  void SetOptions(const FftOptions& chosen);
  const FftOptions& Options() const { return options; }

  // Forward mode: loads signals (tapering them when the window is chosen).
  // The inverse lab loads spectra. Empty on success, else the message.
  std::u16string LoadTimeFile(const std::filesystem::path& path);
  std::u16string LoadFrequencyFile(const std::filesystem::path& path);
  // "FFT>>" and "<<IFFT": transform every row and save the result.
  std::u16string Forward(const std::filesystem::path& destination);
  std::u16string Inverse(const std::filesystem::path& destination);
  // Shows row r (clamped to the rows of the file in view) on the plots.
  void ShowRow(std::int32_t r);
  // The scroll bar moved: by a line, by a page of `amount` rows, to the
  // thumb's position `amount`, or to either end.
  void Scroll(ScrollAction action, std::int32_t amount);

  bool ForwardMode() const { return forwardMode; }
  bool ComputeEnabled() const { return computeEnabled; }
  const std::u16string& Title() const { return title; }
  std::int32_t CurrentRow() const { return currentRow; }
  // The scroll bar's range is 0 .. ScrollMax().
  std::int32_t ScrollMax() const;
  const Plot& GetPlot(PlotIndex index) const { return plots[index]; }
  const Matrix& TimeData() const { return timeData; }
  const Matrix& FrequencyData() const { return frequencyData; }

  // The computations.
  static bool IsPowerOfTwo(std::int32_t n);
  // w(k) = 1 - ((k - c)/h)^2 over P points, c = (P - 1)/2, h = (P + 1)/2.
  static double Taper(std::int32_t k, std::int32_t points);
  // Multiplies (or divides) the first n values of a row by the taper; complex
  // rows taper both parts of each sample over n/2 points.
  static void ApplyTaper(double* row, std::int32_t n, bool complexData, bool divide);
  // Rotates a spectrum row of n values so the strongest pair and its
  // harmonics come to phase 0.
  static void NormalizePhase(double* row, std::int32_t n);
  // Every row of `signals` to its spectrum (scaled by 1/N) and back (times 2).
  static Message TransformRows(const Matrix& signals, const FftOptions& options, Matrix& spectra);
  static Message InverseRows(const Matrix& spectra, const FftOptions& options, Matrix& signals);

 private:
  std::int32_t SignalColumns(const Matrix& data) const;
  void SetTimePoints(std::int32_t count, bool complexData);
  void SetSpectrumPoints(std::int32_t count);
  void ClearSeries(PlotIndex first, PlotIndex last);
  void SetRange(PlotIndex first, PlotIndex last, double low, double high);

  bool forwardMode;
  FftOptions options;
  Matrix timeData;
  Matrix frequencyData;
  std::array<Plot, 4> plots;
  std::int32_t timePoints = 0;
  bool timeComplex = false;
  std::int32_t spectrumPoints = 0;
  std::int32_t currentRow = 0;
  bool computeEnabled = false;
  std::u16string title;
};
