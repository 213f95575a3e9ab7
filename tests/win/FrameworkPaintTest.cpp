#include <gtest/gtest.h>
#include <windows.h>

#include <cmath>

#include "FrameworkTestSupport.h"
#include "app/MsePlot.h"
#include "win/ColorDisplay.h"
#include "win/StripChart.h"

namespace {

// A font without smoothing, so glyph pixels carry the text colour exactly.
class PlainFont {
 public:
  PlainFont()
      : font(CreateFontW(-16, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                         CLIP_DEFAULT_PRECIS, NONANTIALIASED_QUALITY, DEFAULT_PITCH, L"Tahoma")) {}
  ~PlainFont() { DeleteObject(font); }
  HFONT font;
};

TEST(FrameworkColorDisplay, TextAndColourReadBackAndPainted) {
  wintest::HostWindow host;
  PlainFont plain;
  Win::ColorDisplay label;
  ASSERT_TRUE(label.Create(host.Handle(), 1101, 10, 10, 260, 30));
  SendMessageW(label.Handle(), WM_SETFONT, reinterpret_cast<WPARAM>(plain.font), FALSE);

  const COLORREF red = RGB(255, 0, 0), blue = RGB(0, 0, 255);
  label.SetText(u"Training Successful!");
  label.SetColour(red);
  EXPECT_EQ(label.Text(), u"Training Successful!");
  wchar_t text[64] = {};
  GetWindowTextW(label.Handle(), text, 64);
  EXPECT_STREQ(text, L"Training Successful!") << "the text is the window text";
  EXPECT_EQ(label.Colour(), red);

  wintest::ClientPixels redText(label.Handle());
  EXPECT_GT(redText.Count(red), 20);
  EXPECT_EQ(redText.Count(blue), 0);
  EXPECT_EQ(redText.At(redText.Width() - 1, 0), GetSysColor(COLOR_BTNFACE))
      << "the background is the dialog's";

  label.SetColour(blue);
  wintest::ClientPixels blueText(label.Handle());
  EXPECT_EQ(blueText.Count(red), 0);
  EXPECT_EQ(blueText.Count(blue), redText.Count(red)) << "the same glyphs in the new colour";

  label.SetText(u"");
  wintest::ClientPixels empty(label.Handle());
  EXPECT_EQ(empty.Count(blue), 0);
}

TEST(FrameworkColorDisplay, TakesThePlaceOfADialogPlaceholder) {
  wintest::HostWindow host;
  HWND placeholder = CreateWindowExW(0, L"STATIC", L"Ready", WS_CHILD | WS_VISIBLE, 20, 30, 150, 20,
                                     host.Handle(), reinterpret_cast<HMENU>(1102), nullptr, nullptr);
  ASSERT_NE(placeholder, nullptr);
  Win::ColorDisplay label;
  ASSERT_TRUE(label.CreateOver(host.Handle(), 1102));
  EXPECT_FALSE(IsWindow(placeholder));
  EXPECT_EQ(GetDlgItem(host.Handle(), 1102), label.Handle());
  EXPECT_EQ(label.Text(), u"Ready");
  RECT rect{};
  GetWindowRect(label.Handle(), &rect);
  MapWindowPoints(nullptr, host.Handle(), reinterpret_cast<POINT*>(&rect), 2);
  EXPECT_EQ(rect.left, 20);
  EXPECT_EQ(rect.top, 30);
  EXPECT_EQ(rect.right - rect.left, 150);
}

TEST(FrameworkStripChart, AppendedSamplesArePaintedInTheSeriesColours) {
  wintest::HostWindow host(400, 200);
  MsePlot plot(1281);
  plot.SetRange(1e-5);  // from -5 at the bottom to 0 at the top
  Win::StripChart chart(plot);
  ASSERT_TRUE(chart.Create(host.Handle(), 1103, 0, 0, 300, 101));
  ASSERT_EQ(chart.Width(), 300);

  wintest::ClientPixels before(chart.Handle());
  EXPECT_EQ(before.Count(Win::StripChart::kInitColour), 0)
      << "zero samples all sit on the top edge, under best";

  for (int i = 0; i < 40; ++i) plot.Append({-1.0, -2.0, -3.0});
  chart.Refresh();
  wintest::ClientPixels after(chart.Handle());
  const int newest = 299, oldestAppended = 300 - 40;
  // -1, -2, -3 of a 0..-5 range over rows 0..100.
  EXPECT_EQ(after.At(newest, 20), Win::StripChart::kInitColour);
  EXPECT_EQ(after.At(newest, 40), Win::StripChart::kCurrentColour);
  EXPECT_EQ(after.At(newest, 60), Win::StripChart::kBestColour);
  EXPECT_EQ(after.At(oldestAppended, 60), Win::StripChart::kBestColour);
  EXPECT_NE(after.At(oldestAppended - 5, 60), Win::StripChart::kBestColour) << "older samples are still zero";
  EXPECT_EQ(after.At(oldestAppended - 5, 0), Win::StripChart::kBestColour);
  EXPECT_GE(after.Count(Win::StripChart::kInitColour), 40);
  EXPECT_GE(after.Count(Win::StripChart::kCurrentColour), 40);

  // Grid lines where the plot says, seen below the series.
  int gridColumns = 0;
  std::size_t firstIndex = plot.Samples().size() - 300;
  for (int x = 0; x < 300; ++x) {
    bool expected = plot.HasGridLine(firstIndex + x);
    COLORREF below = after.At(x, 90);
    EXPECT_EQ(below, expected ? Win::StripChart::kGridColour : Win::StripChart::kBackground)
        << "column " << x;
    gridColumns += below == Win::StripChart::kGridColour;
  }
  EXPECT_EQ(gridColumns, 30);

  // Values beyond the range, and no number, leave the area instead of
  // sticking to an edge.
  for (MsePlot::Sample odd :
       {MsePlot::Sample{-7.0, 1.0, -2.5}, MsePlot::Sample{std::nan(""), std::nan(""), -2.5}}) {
    for (int i = 0; i < 3; ++i) plot.Append(odd);
    chart.Refresh();
    wintest::ClientPixels outside(chart.Handle());
    EXPECT_EQ(outside.CountInColumn(newest, Win::StripChart::kInitColour), 0);
    EXPECT_EQ(outside.CountInColumn(newest, Win::StripChart::kCurrentColour), 0);
    EXPECT_EQ(outside.At(newest, 50), Win::StripChart::kBestColour);
  }
}

}  // namespace
