#include "win/StripChart.h"

#include <algorithm>
#include <cmath>

#include "win/Module.h"

namespace Win {

bool StripChart::Register() { return Module::RegisterControlClass(kClass); }

bool StripChart::Create(HWND parent, int id, int x, int y, int w, int h) {
  return Module::CreateControlFor(*this, parent, id, x, y, w, h);
}

void StripChart::Refresh() { InvalidateRect(hWnd, nullptr, FALSE); }

int StripChart::RowOf(double value, int chartHeight) const {
  double span = plot.Top() - plot.Bottom();
  if (!(span > 0.0)) return 0;
  double fromTop = (plot.Top() - plot.Drawn(value)) / span * (chartHeight - 1);
  // A diverged run can publish a value that is no number; it stays off the
  // chart, below it.
  if (std::isnan(fromTop)) return chartHeight;
  // Values beyond the range land one unit beyond an edge, outside the area;
  // the clamp only keeps the coordinate within what GDI accepts.
  fromTop = std::clamp(fromTop, -1.0e6, 1.0e6);
  return static_cast<int>(std::lround(fromTop));
}

LRESULT StripChart::MessageHandler(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_PAINT: {
      PAINTSTRUCT paint;
      HDC dc = BeginPaint(hwnd, &paint);
      Paint(dc);
      EndPaint(hwnd, &paint);
      return 0;
    }
    case WM_PRINTCLIENT: Paint(reinterpret_cast<HDC>(wParam)); return 0;
    case WM_ERASEBKGND: return 1;  // Paint fills the whole area
    default: return Window::MessageHandler(hwnd, message, wParam, lParam);
  }
}

// Drawn into a memory bitmap first, so the chart does not flicker while it
// scrolls on every timer tick.
void StripChart::Paint(HDC target) {
  if (width <= 0 || height <= 0) return;
  HDC dc = CreateCompatibleDC(target);
  HBITMAP bitmap = CreateCompatibleBitmap(target, width, height);
  HGDIOBJ previousBitmap = SelectObject(dc, bitmap);

  RECT area{0, 0, width, height};
  HBRUSH background = CreateSolidBrush(kBackground);
  FillRect(dc, &area, background);
  DeleteObject(background);

  std::size_t kept = plot.Samples().size();
  std::size_t count = std::min(kept, static_cast<std::size_t>(width));
  std::vector<MsePlot::Sample> samples = plot.Latest(count);
  int firstX = width - static_cast<int>(count);
  PaintGrid(dc, kept - count, firstX, count);
  PaintSeries(dc, samples, firstX, &MsePlot::Sample::init, kInitColour);
  PaintSeries(dc, samples, firstX, &MsePlot::Sample::current, kCurrentColour);
  PaintSeries(dc, samples, firstX, &MsePlot::Sample::best, kBestColour);

  BitBlt(target, 0, 0, width, height, dc, 0, 0, SRCCOPY);
  SelectObject(dc, previousBitmap);
  DeleteObject(bitmap);
  DeleteDC(dc);
}

void StripChart::PaintGrid(HDC dc, std::size_t firstIndex, int firstX, std::size_t count) {
  HPEN pen = CreatePen(PS_SOLID, 1, kGridColour);
  HGDIOBJ previous = SelectObject(dc, pen);
  for (std::size_t i = 0; i < count; ++i) {
    if (!plot.HasGridLine(firstIndex + i)) continue;
    int x = firstX + static_cast<int>(i);
    MoveToEx(dc, x, 0, nullptr);
    LineTo(dc, x, height);
  }
  SelectObject(dc, previous);
  DeleteObject(pen);
}

void StripChart::PaintSeries(HDC dc, const std::vector<MsePlot::Sample>& samples, int firstX,
                             double MsePlot::Sample::*series, COLORREF colour) {
  if (samples.empty()) return;
  std::vector<POINT> points(samples.size());
  for (std::size_t i = 0; i < samples.size(); ++i) {
    points[i] = {firstX + static_cast<int>(i), RowOf(samples[i].*series, height)};
  }
  HPEN pen = CreatePen(PS_SOLID, 1, colour);
  HGDIOBJ previous = SelectObject(dc, pen);
  Polyline(dc, points.data(), static_cast<int>(points.size()));
  // A polyline leaves out its last point, which is the newest sample.
  SetPixel(dc, points.back().x, points.back().y, colour);
  SelectObject(dc, previous);
  DeleteObject(pen);
}

}  // namespace Win
