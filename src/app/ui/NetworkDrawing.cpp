#include "app/ui/NetworkDrawing.h"

#include <algorithm>
#include <string>
#include <vector>

#include "net/NetworkDescription.h"
#include "platform/Text.h"

namespace {

struct Column {
  int neurons;
  std::u16string label;
};

std::vector<Column> Columns(const networkSetup& n) {
  static const char letters[] = {'S', 'T', 'L'};
  auto letter = [](int code) { return code >= 0 && code <= 2 ? letters[code] : '?'; };
  std::vector<Column> columns{{n.inputs, platform::Format("%d", n.inputs)}};
  if (n.hidden1 > 0) {
    columns.push_back({n.hidden1, platform::Format("%d%c", n.hidden1, letter(n.hidden1Activation))});
    if (n.hidden2 > 0)
      columns.push_back({n.hidden2, platform::Format("%d%c", n.hidden2, letter(n.hidden2Activation))});
  }
  columns.push_back({n.outputs, platform::Format("%d%c", n.outputs, letter(n.outputActivation))});
  return columns;
}

int Drawn(int neurons) { return std::clamp(neurons, 0, NetworkDrawing::kMostDrawn); }

POINT NeuronCentre(const RECT& plot, std::size_t column, std::size_t columns, int index, int count) {
  const int width = plot.right - plot.left, height = plot.bottom - plot.top;
  const int x = plot.left + static_cast<int>((2 * column + 1) * width / (2 * columns));
  const int y = plot.top + (2 * index + 1) * height / (2 * std::max(count, 1));
  return {x, y};
}

}  // namespace

void NetworkDrawing::Draw(HDC dc, const RECT& area, const networkSetup& network) {
  FillRect(dc, &area, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  const std::vector<Column> columns = Columns(network);
  const int labelHeight = 18;
  const RECT plot{area.left + 4, area.top + 4, area.right - 4, area.bottom - labelHeight};
  HPEN line = CreatePen(PS_SOLID, 1, RGB(160, 160, 160));
  HGDIOBJ oldPen = SelectObject(dc, line);
  for (std::size_t c = 0; c + 1 < columns.size(); ++c) {
    const int from = Drawn(columns[c].neurons), to = Drawn(columns[c + 1].neurons);
    for (int i = 0; i < from; ++i) {
      const POINT a = NeuronCentre(plot, c, columns.size(), i, from);
      for (int j = 0; j < to; ++j) {
        const POINT b = NeuronCentre(plot, c + 1, columns.size(), j, to);
        MoveToEx(dc, a.x, a.y, nullptr);
        LineTo(dc, b.x, b.y);
      }
    }
  }
  SelectObject(dc, GetStockObject(BLACK_PEN));
  HBRUSH neuron = CreateSolidBrush(RGB(0, 90, 255));
  HGDIOBJ oldBrush = SelectObject(dc, neuron);
  SetBkMode(dc, TRANSPARENT);
  for (std::size_t c = 0; c < columns.size(); ++c) {
    const int count = Drawn(columns[c].neurons);
    const int radius = std::max(2, std::min<int>(8, (plot.bottom - plot.top) / (3 * std::max(count, 1))));
    for (int i = 0; i < count; ++i) {
      const POINT p = NeuronCentre(plot, c, columns.size(), i, count);
      Ellipse(dc, p.x - radius, p.y - radius, p.x + radius + 1, p.y + radius + 1);
    }
    const POINT bottom = NeuronCentre(plot, c, columns.size(), 0, 1);
    RECT text{bottom.x - 40, plot.bottom + 2, bottom.x + 40, area.bottom};
    const std::u16string& label = columns[c].label;
    DrawTextW(dc, reinterpret_cast<const wchar_t*>(label.c_str()), static_cast<int>(label.size()), &text,
              DT_CENTER | DT_SINGLELINE | DT_NOPREFIX);
  }
  SelectObject(dc, oldBrush);
  SelectObject(dc, oldPen);
  DeleteObject(neuron);
  DeleteObject(line);
}
