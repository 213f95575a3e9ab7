// Any parsed table goes through the FFT lab's forward and inverse steps in
// both modes, with and without the classifier column, the taper and phase
// normalisation: a refusal or a result of the same shape, never a crash.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "numerics/Matrix.h"
#include "tools/FftLab.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 1) return 0;
  Matrix table;
  if (!table.ParseCsv(std::string_view(reinterpret_cast<const char*>(data) + 1, size - 1))) return 0;
  if (static_cast<std::int64_t>(table.Rows()) * table.Cols() > 1 << 16) return 0;
  FftOptions options;
  options.realData = (data[0] & 1) != 0;
  options.applyWindow = (data[0] & 2) != 0;
  options.leaveLastColumn = (data[0] & 4) != 0;
  options.phaseNormalization = (data[0] & 8) != 0;
  Matrix spectra, signals;
  if (!FftLab::TransformRows(table, options, spectra)) {
    if (spectra.Rows() != table.Rows() || spectra.Cols() != table.Cols()) std::abort();
    const std::int32_t n = table.Cols() - (options.leaveLastColumn ? 1 : 0);
    if (options.phaseNormalization)
      for (std::int32_t r = 0; r < spectra.Rows(); ++r) FftLab::NormalizePhase(spectra[r], n);
  }
  if (!FftLab::InverseRows(table, options, signals) && signals.Cols() != table.Cols()) std::abort();
  return 0;
}
