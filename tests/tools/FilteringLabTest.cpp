#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "support/TempDir.h"
#include "tools/FilteringLab.h"

namespace {

std::string SignalText(std::int32_t length) {
  std::string text;
  for (std::int32_t j = 0; j < length; ++j) {
    if (j) text += ",";
    text += std::to_string(std::sin(0.05 * j) + 0.5 * std::sin(2.1 * j) + 0.01 * j);
  }
  return text + "\r\n9,9,9\r\n";
}

TEST(KaiserWindow, BesselAndTaps) {
  EXPECT_EQ(KaiserWindow::BesselI0(0), 1);
  EXPECT_NEAR(KaiserWindow::BesselI0(1), 1.2660658777520082, 1e-15);
  EXPECT_NEAR(KaiserWindow::BesselI0(6), 67.23440697647798, 1e-12);
  const KaiserWindow window(128, 6.0);
  EXPECT_DOUBLE_EQ(window(64), 1);
  EXPECT_NEAR(window(0), 1 / 67.23440697647798, 1e-15);
  EXPECT_EQ(window(10), window(118));
  EXPECT_EQ(window(-1), 0);
  EXPECT_EQ(window(129), 0);
}

TEST(FilteringLab, BandsAddUpToTheInputForAnyCutOffs) {
  TempDir dir;
  FilteringLab lab;
  ASSERT_EQ(lab.LoadSignal(dir.Write("s.csv", SignalText(300))), u"");
  for (auto [p1, p2] : {std::pair{300, 600}, {1, 1000}, {800, 200}, {500, 500}}) {
    lab.MoveSliders(p1, p2);
    const Vector& x = lab.InputSignal();
    for (std::int32_t j = 0; j < x.Length(); ++j)
      ASSERT_NEAR(lab.GetBand(FilteringLab::kLowPass)[j] + lab.GetBand(FilteringLab::kBandPass)[j] +
                      lab.GetBand(FilteringLab::kHighPass)[j],
                  x[j], 1e-12);
  }
}

TEST(FilteringLab, FullBandLowPassKeepsTheSignal) {
  TempDir dir;
  FilteringLab lab;
  ASSERT_EQ(lab.LoadSignal(dir.Write("s.csv", SignalText(400))), u"");
  lab.MoveSliders(1000, 1000);
  for (std::int32_t j = 64; j < 400 - 64; ++j) {
    EXPECT_NEAR(lab.GetBand(FilteringLab::kLowPass)[j], lab.InputSignal()[j], 1e-6) << j;
    EXPECT_NEAR(lab.GetBand(FilteringLab::kHighPass)[j], 0, 1e-6) << j;
  }
}

TEST(FilteringLab, SpectrumUsesTheFftOrTheDirectSum) {
  for (std::int32_t length : {100, 128}) {
    Vector signal(length);
    for (std::int32_t j = 0; j < length; ++j) signal[j] = std::cos(0.3 * j) + (j % 5);
    Vector magnitudes;
    ASSERT_TRUE(FilteringLab::MagnitudeSpectrum(signal, magnitudes));
    ASSERT_EQ(magnitudes.Length(), length / 2);
    for (std::int32_t k = 1; k < length / 2; ++k) {
      double re = 0, im = 0;
      for (std::int32_t j = 0; j < length; ++j) {
        re += signal[j] * std::cos(2 * std::numbers::pi * k * j / length);
        im += signal[j] * std::sin(2 * std::numbers::pi * k * j / length);
      }
      ASSERT_NEAR(magnitudes[k], std::hypot(re, im), 1e-9) << length << " " << k;
    }
  }
}

TEST(FilteringLab, LoadSetsTitlePlotsAndMarkers) {
  TempDir dir;
  FilteringLab lab;
  ASSERT_EQ(lab.LoadSignal(dir.Write("sig.csv", SignalText(100))), u"");
  EXPECT_TRUE(lab.ControlsEnabled());
  EXPECT_EQ(lab.Title(), u"Filtering Lab - sig.csv");
  EXPECT_EQ(lab.InputSignal().Length(), 100);
  const Plot& spectrum = lab.GetPlot(FilteringLab::kSpectrumPlot);
  EXPECT_EQ(spectrum.series[0].y.size(), 50u);
  EXPECT_EQ(spectrum.xMax, 50);
  EXPECT_DOUBLE_EQ(spectrum.series[1].x[0], 299 * 50 * 0.001 + 0.9);
  EXPECT_EQ(spectrum.series[2].y[1], lab.Spectrum().Maximum());
  EXPECT_EQ(lab.GetPlot(FilteringLab::kOutputPlot).series[1].colour, (std::array<int, 3>{0, 60, 255}));

  ASSERT_EQ(lab.SaveBand(FilteringLab::kLowPass, dir.File("low.csv")), u"");
  Vector saved;
  ASSERT_EQ(saved.LoadText(dir.File("low.csv")), nullptr);
  EXPECT_EQ(saved.Length(), 100);

  EXPECT_NE(lab.LoadSignal(dir.Write("empty.csv", "\r\n1,2\r\n")), u"");
  EXPECT_FALSE(lab.ControlsEnabled());
  EXPECT_EQ(lab.Title(), u"Filtering Lab");
  EXPECT_TRUE(lab.GetPlot(FilteringLab::kOutputPlot).series[0].y.empty());
  EXPECT_NE(lab.LoadSignal(dir.File("missing.csv")), u"");
}

}  // namespace
