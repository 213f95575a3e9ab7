#include "cli/ConfusionText.h"

#include <algorithm>
#include <string>
#include <vector>

#include "data/ConfusionView.h"
#include "platform/Text.h"

namespace {

// The window's grid as text: headers along the top and the left, every
// column right-aligned to its widest text.
void PrintGrid(const ConfusionView& view, Terminal& terminal) {
  const std::int32_t n = view.Size();
  std::vector<std::vector<std::string>> cells(n + 1, std::vector<std::string>(n + 1));
  for (std::int32_t i = 0; i < n; ++i) {
    cells[0][i + 1] = platform::Utf16ToUtf8(view.Header(i));
    cells[i + 1][0] = platform::Utf16ToUtf8(view.Header(i));
    for (std::int32_t p = 0; p < n; ++p) cells[i + 1][p + 1] = platform::Utf16ToUtf8(view.CellText(i, p));
  }
  std::vector<std::size_t> widths(n + 1, 0);
  for (const auto& row : cells)
    for (std::int32_t c = 0; c <= n; ++c) widths[c] = std::max(widths[c], row[c].size());
  for (const auto& row : cells) {
    std::string line;
    for (std::int32_t c = 0; c <= n; ++c) {
      if (c > 0) line += "  ";
      line += std::string(widths[c] - row[c].size(), ' ') + row[c];
    }
    terminal.Out() << line << '\n';
  }
}

}  // namespace

void PrintConfusion(const Matrix& confusion, Terminal& terminal) {
  const ConfusionView view(confusion);
  terminal.Out() << platform::Utf16ToUtf8(view.Title()) << '\n';
  PrintGrid(view, terminal);
}
