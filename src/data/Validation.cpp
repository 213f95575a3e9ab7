#include "data/Validation.h"

#include "data/TrainingSetLayout.h"
#include "platform/Env.h"

namespace {

// The squared errors of row r, one per output value, into `errors`.
void RowErrors(LayerNet1& network, const Matrix& set, std::int32_t r, double* errors) {
  network.Forward(set, r);
  const double* y = network.OutputLayer()->Output()[0];
  const double* row = set[r];
  const std::int32_t values = OutputValueCount(network);
  const Activation* activation = network.OutputLayer()->GetActivation();
  switch (network.Style()) {
    case kGeneric: {
      const double* target = row + (network.IsComplex() ? 2 : 1) * network.Inputs();
      for (std::int32_t j = 0; j < values; ++j) errors[j] = (y[j] - target[j]) * (y[j] - target[j]);
      break;
    }
    case kOutputEqualsInput:
      for (std::int32_t j = 0; j < values; ++j) errors[j] = (y[j] - row[j]) * (y[j] - row[j]);
      break;
    default: {
      const std::int32_t c = static_cast<std::int32_t>(row[set.Cols() - 1]);
      for (std::int32_t j = 0; j < values; ++j) errors[j] = 0.0;
      for (std::int32_t j = 0; j < network.Outputs(); ++j) {
        const double target = j == c - 1 ? activation->UpperTarget() : activation->LowerTarget();
        if (network.IsComplex()) {
          const double re = y[2 * j] - target;
          const double im = y[2 * j + 1] - target;
          errors[j] = re * re + im * im;
        } else {
          errors[j] = (y[j] - target) * (y[j] - target);
        }
      }
      break;
    }
  }
}

std::u16string LowerCase(std::u16string text) {
  for (char16_t& unit : text)
    if (unit >= u'A' && unit <= u'Z') unit = static_cast<char16_t>(unit - u'A' + u'a');
  return text;
}

}  // namespace

std::int32_t OutputValueCount(const LayerNet1& network) {
  return (network.IsComplex() ? 2 : 1) * network.Outputs();
}

bool Validate(LayerNet1& network, const Matrix& set, ValidationResult& result) {
  const std::int32_t rows = set.Rows();
  const std::int32_t values = OutputValueCount(network);
  Matrix squared;
  if (rows < 1 || values < 1 ||
      !platform::MemoryCanHold(static_cast<std::uint64_t>(rows) * values * sizeof(double)) ||
      !squared.Resize(rows, values) || !result.caseError.Resize(rows) || !result.outputError.Resize(values) ||
      !result.domainError.Resize(values))
    return false;

  const bool tanhOutput = network.OutputLayer()->GetActivation()->Code() == 1;
  double total = 0.0;
  for (std::int32_t r = 0; r < rows; ++r) {
    double* errors = squared[r];
    RowErrors(network, set, r, errors);
    double caseSum = 0.0;
    for (std::int32_t j = 0; j < values; ++j) caseSum += errors[j];
    total += caseSum;
    result.caseError[r] = caseSum / values * (tanhOutput ? 0.25 : 1.0);
  }

  // A complex value's two parts share one scaler entry.
  const std::int32_t width = network.IsComplex() ? 2 : 1;
  const Scaler& scaler =
      network.Style() == kOutputEqualsInput ? network.InputScaler() : network.OutputScaler();
  for (std::int32_t j = 0; j < values; ++j) {
    double sum = 0.0;
    for (std::int32_t r = 0; r < rows; ++r) sum += squared[r][j];
    result.outputError[j] = sum / rows;
    result.domainError[j] = scaler.ErrorToRaw(result.outputError[j], j / width);
    if (tanhOutput) result.outputError[j] *= 0.25;
  }
  result.mse = total / (static_cast<double>(values) * rows) * (tanhOutput ? 0.25 : 1.0);
  return true;
}

std::u16string LoadValidationSet(const std::filesystem::path& path, LayerNet1& network, Matrix& set) {
  networkSetup setup;
  network.GetSetup(setup);
  const std::int32_t width = ExpectedColumns(setup, true);
  set.Free();
  const std::u16string extension = LowerCase(path.extension().u16string());
  Message error = nullptr;
  if (extension == u".csv")
    error = set.LoadCsv(path);
  else if (extension == u".dat")
    error = set.LoadRawDoubles(path, width);
  std::u16string text = error ? std::u16string(error) : std::u16string();
  if (text.empty() && set.Cols() != width) text = u"The number of columns in the data set is invalid";
  if (!text.empty()) {
    set.Free();
    return text;
  }
  network.ScaleTrainingSet(set, -1);
  return text;
}
