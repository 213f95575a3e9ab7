#include "data/Confusion.h"

#include <cmath>
#include <iterator>

#include "platform/Env.h"
#include "platform/Text.h"

std::int32_t ClassifyCase(LayerNet1& network, const Matrix& set, std::int32_t r) {
  network.Forward(set, r);
  const double* y = network.OutputLayer()->Output()[0];
  const std::int32_t n = network.Outputs();
  std::int32_t best = 0;
  double bestValue = -1e100;
  for (std::int32_t k = 0; k < n; ++k) {
    const double value = network.IsComplex() ? (y[2 * k] + y[2 * k + 1]) * 0.5 : y[k];
    if (value > bestValue) {
      bestValue = value;
      best = k;
    }
  }
  return bestValue < network.OutputLayer()->GetActivation()->Threshold() ? n : best;
}

bool ComputeConfusion(LayerNet1& network, const Matrix& set) {
  if (!network.HasNetwork() || network.Style() != kClassifier || set.Rows() < 1) return false;
  Matrix& confusion = network.Confusion();
  const std::int32_t n = network.Outputs();
  if (confusion.Rows() != n + 1 || confusion.Cols() != n + 1) return false;
  confusion.Zero();
  for (std::int32_t r = 0; r < set.Rows(); ++r) {
    const std::int32_t recognised = ClassifyCase(network, set, r);
    const std::int32_t c = static_cast<std::int32_t>(set[r][set.Cols() - 1]);
    if (c < 0 || c > n) continue;
    confusion[c >= 1 ? c - 1 : n][recognised] += 1.0;
  }
  return true;
}

bool IsConfusionError(const Matrix& confusion, std::int32_t a, std::int32_t p) {
  return a != p && confusion[a][p] != 0.0;
}

std::int32_t ConfusionErrors(const Matrix& confusion) {
  double sum = 0.0;
  for (std::int32_t a = 0; a < confusion.Rows(); ++a)
    for (std::int32_t p = 0; p < confusion.Cols(); ++p)
      if (IsConfusionError(confusion, a, p)) sum += confusion[a][p];
  return static_cast<std::int32_t>(sum);
}

namespace {

constexpr const char* kCell = "<td style=\"background-color:#66CCFF;text-align:center\">";

// Appends text to a file as UTF-16LE; false when not every byte was written.
bool WriteUtf16(platform::File& file, const std::u16string& text) {
  std::string bytes = platform::Utf16LeBytes(text);
  return file.Write(bytes.data(), bytes.size()) == bytes.size();
}

std::u16string HeaderRow(std::int32_t n) {
  std::u16string row = platform::Format("<tr>%s</td>\r\n", kCell);
  for (std::int32_t k = 1; k <= n; ++k) row += platform::Format("%sclass %d</td>\r\n", kCell, k);
  row += platform::Format("%sReject</td></tr>\r\n", kCell);
  return row;
}

// The rows of the classes 1..N, adding their error counts to `errors`.
std::u16string ClassRows(const Matrix& confusion, std::int32_t n, std::int32_t& errors) {
  std::u16string rows;
  for (std::int32_t a = 0; a < n; ++a) {
    rows += platform::Format("<tr>%sclass %d</td>\r\n", kCell, a + 1);
    for (std::int32_t p = 0; p <= n; ++p) {
      const int count = static_cast<int>(confusion[a][p]);
      if (IsConfusionError(confusion, a, p)) {
        errors += count;
        rows += platform::Format(
            "<td style=\" background-color:white;text-align:center;color:red\">%d*</td>\r\n", count);
      } else {
        rows +=
            platform::Format("<td style=\" background-color:white;text-align:center\">%d</td>\r\n", count);
      }
    }
    rows += u"</tr>\r\n";
  }
  return rows;
}

}  // namespace

ConfusionPageResult SaveConfusionPage(const std::filesystem::path& path, const Matrix& confusion,
                                      const std::u16string& description) {
  std::u16string error;
  auto file = platform::Env::Current().Open(path, platform::OpenMode::Create, platform::Share::None, error);
  if (!file) return {};
  const std::int32_t n = confusion.Rows() - 1;
  const std::u16string head =
      u"<!DOCTYPE html PUBLIC \"-//W3C//DTD XHTML 1.0 Transitional//EN\" "
      u"\"http://www.w3.org/TR/xhtml1/DTD/xhtml1-transitional.dtd\">\r\n"
      u"<html xmlns=\"http://www.w3.org/1999/xhtml\">\r\n"
      u"<head>\r\n<meta http-equiv=\"Content-Type\" content=\"text/html; charset=utf-8\" />\r\n<title>";
  if (!WriteUtf16(*file, head)) return {false, u"Error writting file header"};
  if (!WriteUtf16(*file, description)) return {false, u"Error writting file title"};
  std::int32_t errors = 0;
  const std::u16string body =
      platform::Format(
          "</title>\r\n</head>\r\n<body style=\"padding:10px;font-size:10pt\"><h3>Tessarion %d.%d - "
          "Confusion Matrix</h3><table style=\"background-color:gray\" cellpadding=\"3\" "
          "cellspacing=\"1\">",
          3, 1) +
      HeaderRow(n) + ClassRows(confusion, n, errors);
  if (!WriteUtf16(*file, body)) return {false, u"Error writting file body"};
  if (!WriteUtf16(*file, u"</table>\r\n")) return {false, u"Error writting table end"};
  if (!WriteUtf16(*file, platform::Format("<br>Number of errors: %d</body>\r\n</html>", errors)))
    return {false, u"Error writting file end"};
  return {true, nullptr};
}
