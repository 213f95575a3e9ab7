#include "tools/PredictionSet.h"

#include <cstdio>

#include "numerics/Matrix.h"
#include "platform/Env.h"

namespace PredictionSet {

bool BuildEnabled(const std::u16string& input, const std::u16string& output) {
  return input.size() > 4 && output.size() > 4;
}

bool ParseWidth(const std::u16string& text, std::int32_t& width) {
  const bool negative = !text.empty() && text[0] == u'-';
  std::size_t at = !text.empty() && (text[0] == u'-' || text[0] == u'+') ? 1 : 0;
  if (at == text.size()) return false;
  long long value = 0;
  for (; at < text.size(); ++at) {
    if (text[at] < u'0' || text[at] > u'9') return false;
    value = value * 10 + (text[at] - u'0');
    if (value > 0x7fffffffLL) return false;
  }
  width = static_cast<std::int32_t>(negative ? -value : value);
  return true;
}

std::string Lines(const double* series, std::int32_t length, std::int32_t width) {
  std::string text;
  char number[400];
  for (std::int32_t row = 0; row + width <= length; ++row)
    for (std::int32_t k = 0; k < width; ++k) {
      const int n = std::snprintf(number, sizeof number, k + 1 < width ? "%f, " : "%f\r\n", series[row + k]);
      text.append(number, n > 0 ? static_cast<std::size_t>(n) : 0);
    }
  return text;
}

std::u16string Build(const std::filesystem::path& input, const std::u16string& widthText,
                     const std::filesystem::path& output) {
  Matrix source;
  if (Message error = source.LoadCsv(input)) return error;
  std::int32_t width = 0;
  if (!ParseWidth(widthText, width) || width < 1 || width > source.Cols())
    return u"The number of columns is incorrect";
  const std::string text = Lines(source[0], source.Cols(), width);
  std::u16string error;
  auto file = platform::Env::Current().Open(output, platform::OpenMode::Create, platform::Share::None, error);
  if (!file) return error;
  if (file->Write(text.data(), text.size()) != text.size()) return u"Error writting file";
  return {};
}

}  // namespace PredictionSet
