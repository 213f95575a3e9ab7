#include "cli/TransformKindArgument.h"

#include "platform/Text.h"

bool ParseTransformKind(const std::string& word, TransformLab::Kind& kind) {
  const std::pair<const char*, TransformLab::Kind> names[] = {{"normal", TransformLab::kNormal},
                                                              {"trend-ls", TransformLab::kTrendLeastSquares},
                                                              {"log", TransformLab::kLogarithm},
                                                              {"cbrt", TransformLab::kCubeRoot},
                                                              {"trend-ends", TransformLab::kTrendEndPoints}};
  for (const auto& [name, value] : names)
    if (word == name) {
      kind = value;
      return true;
    }
  return false;
}

void PrintStatistics(std::ostream& out, const char* label, const TransformLab::Statistics& s) {
  auto text = [](double value) { return platform::Utf16ToUtf8(TransformLab::FieldText(value)); };
  out << label << ": Max " << text(s.maximum) << "  Min " << text(s.minimum) << "  Mean " << text(s.mean)
      << "  STD " << text(s.standardDeviation) << "\n";
}
