#include "app/ui/SchedulePlot.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int kMargin = 16;

void Label(HDC dc, const wchar_t* text, RECT box, UINT format) {
  DrawTextW(dc, text, -1, &box, format | DT_SINGLELINE | DT_NOPREFIX);
}

}  // namespace

void SchedulePlot::Draw(HDC dc, const RECT& area, const std::vector<AnnealSchedulePreview::Point>& points) {
  FillRect(dc, &area, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  const RECT plot{area.left + kMargin, area.top + kMargin, area.right - 4, area.bottom - kMargin};
  SetBkMode(dc, TRANSPARENT);
  HGDIOBJ oldPen = SelectObject(dc, GetStockObject(BLACK_PEN));
  MoveToEx(dc, plot.left, plot.top, nullptr);
  LineTo(dc, plot.left, plot.bottom);
  LineTo(dc, plot.right, plot.bottom);
  Label(dc, L"Temperature", {area.left + 2, area.top, area.right, area.top + kMargin}, DT_LEFT);
  Label(dc, L"Time", {area.left, plot.bottom, area.right - 4, area.bottom}, DT_RIGHT);

  double lastTime = 0.0, highest = 0.0;
  for (const auto& p : points) {
    if (std::isfinite(p.time)) lastTime = std::max(lastTime, p.time);
    if (std::isfinite(p.temperature)) highest = std::max(highest, p.temperature);
  }
  if (points.empty() || lastTime <= 0.0 || highest <= 0.0) {
    SelectObject(dc, oldPen);
    return;
  }
  HPEN curve = CreatePen(PS_SOLID, 1, RGB(200, 0, 0));
  SelectObject(dc, curve);
  const double width = plot.right - plot.left, height = plot.bottom - plot.top;
  bool drawing = false;
  for (const auto& p : points) {
    if (!std::isfinite(p.time) || !std::isfinite(p.temperature)) {
      drawing = false;
      continue;
    }
    const int x = plot.left + static_cast<int>(p.time / lastTime * width);
    const int y = plot.bottom - static_cast<int>(std::clamp(p.temperature / highest, 0.0, 1.0) * height);
    if (drawing)
      LineTo(dc, x, y);
    else
      MoveToEx(dc, x, y, nullptr);
    drawing = true;
  }
  SelectObject(dc, oldPen);
  DeleteObject(curve);
}
