#pragma once
#include <windows.h>

#include <vector>

#include "app/MsePlot.h"
#include "win/Window.h"

namespace Win {

// The monitor's mse chart: the plot's newest samples right-aligned, one
// pixel each, as three polylines (init, current, best) between the plot's
// bottom and top, with the plot's scrolling vertical grid lines.
class StripChart : public Window {
 public:
  static constexpr wchar_t kClass[] = L"WINMONITOR3";
  static constexpr COLORREF kInitColour = RGB(128, 0, 0);
  static constexpr COLORREF kCurrentColour = RGB(0, 90, 255);
  static constexpr COLORREF kBestColour = RGB(0, 255, 0);
  static constexpr COLORREF kBackground = RGB(255, 255, 255);
  static constexpr COLORREF kGridColour = RGB(228, 228, 228);

  explicit StripChart(const MsePlot& plot) : plot(plot) {}
  const wchar_t* ClassName() const override { return kClass; }
  LRESULT MessageHandler(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) override;

  static bool Register();
  bool Create(HWND parent, int id, int x, int y, int w, int h);
  // Redraws after the plot changed.
  void Refresh();
  // The row a plotted value lands on in a chart `chartHeight` pixels high.
  int RowOf(double value, int chartHeight) const;

 private:
  void Paint(HDC dc);
  void PaintGrid(HDC dc, std::size_t firstIndex, int firstX, std::size_t count);
  void PaintSeries(HDC dc, const std::vector<MsePlot::Sample>& samples, int firstX,
                   double MsePlot::Sample::*series, COLORREF colour);

  const MsePlot& plot;
};

}  // namespace Win
