#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "numerics/Random.h"
#include "support/FaultEnv.h"
#include "support/TempDir.h"
#include "tools/FftLab.h"

namespace {

// The lab's forward transform written out: positive exponent, scaled by 1/N.
std::vector<double> DirectRealSpectrum(const std::vector<double>& x) {
  const std::size_t n = x.size();
  auto bin = [&](std::size_t k) {
    double re = 0, im = 0;
    for (std::size_t j = 0; j < n; ++j) {
      const double angle = 2 * std::numbers::pi * double(j * k % n) / n;
      re += x[j] * std::cos(angle);
      im += x[j] * std::sin(angle);
    }
    return std::pair{re / n, im / n};
  };
  std::vector<double> packed(n);
  packed[0] = bin(0).first;
  packed[1] = bin(n / 2).first;
  for (std::size_t k = 1; k < n / 2; ++k) std::tie(packed[2 * k], packed[2 * k + 1]) = bin(k);
  return packed;
}

std::vector<double> DirectComplexSpectrum(const std::vector<double>& x) {
  const std::size_t m = x.size() / 2;
  std::vector<double> out(x.size());
  for (std::size_t k = 0; k < m; ++k)
    for (std::size_t j = 0; j < m; ++j) {
      const double angle = 2 * std::numbers::pi * double(j * k % m) / m;
      out[2 * k] += (x[2 * j] * std::cos(angle) - x[2 * j + 1] * std::sin(angle)) / x.size();
      out[2 * k + 1] += (x[2 * j] * std::sin(angle) + x[2 * j + 1] * std::cos(angle)) / x.size();
    }
  return out;
}

Matrix RandomRows(std::int32_t rows, std::int32_t cols) {
  Matrix m(rows, cols);
  for (std::int32_t r = 0; r < rows; ++r)
    for (std::int32_t c = 0; c < cols; ++c) m[r][c] = std::sin(1.7 * r + 0.37 * c * c) * (1 + c % 3);
  return m;
}

TEST(FftLab, TransformsMatchTheDirectSums) {
  for (std::int32_t n : {2, 4, 8, 16, 64, 256, 1024}) {
    const Matrix signals = RandomRows(2, n);
    for (bool realData : {true, false}) {
      FftOptions options;
      options.realData = realData;
      Matrix spectra;
      ASSERT_EQ(FftLab::TransformRows(signals, options, spectra), nullptr);
      for (std::int32_t r = 0; r < 2; ++r) {
        const std::vector<double> row(signals[r], signals[r] + n);
        const auto expected = realData ? DirectRealSpectrum(row) : DirectComplexSpectrum(row);
        for (std::int32_t c = 0; c < n; ++c)
          ASSERT_NEAR(spectra[r][c], expected[c], 1e-13) << "n=" << n << " real=" << realData << " c=" << c;
      }
    }
  }
}

TEST(FftLab, ConstantRowsGiveTheScaledSum) {
  Matrix ones(1, 8);
  for (int c = 0; c < 8; ++c) ones[0][c] = 1;
  Matrix spectra;
  ASSERT_EQ(FftLab::TransformRows(ones, FftOptions{}, spectra), nullptr);
  EXPECT_EQ(std::vector<double>(spectra[0], spectra[0] + 8), (std::vector<double>{1, 0, 0, 0, 0, 0, 0, 0}));

  Matrix complexOnes(1, 8);
  for (int c = 0; c < 8; c += 2) complexOnes[0][c] = 1;
  FftOptions complexOptions;
  complexOptions.realData = false;
  ASSERT_EQ(FftLab::TransformRows(complexOnes, complexOptions, spectra), nullptr);
  EXPECT_EQ(std::vector<double>(spectra[0], spectra[0] + 8), (std::vector<double>{0.5, 0, 0, 0, 0, 0, 0, 0}));
}

TEST(FftLab, InverseMatchesItsWrittenOutSum) {
  const std::int32_t n = 16;
  const Matrix spectra = RandomRows(1, n);
  Matrix signals;
  ASSERT_EQ(FftLab::InverseRows(spectra, FftOptions{}, signals), nullptr);
  const double* f = spectra[0];
  for (std::int32_t j = 0; j < n; ++j) {
    double x = f[0] + f[1] * (j % 2 ? -1 : 1);
    for (std::int32_t k = 1; k < n / 2; ++k) {
      const double angle = 2 * std::numbers::pi * (j * k % n) / n;
      x += 2 * (f[2 * k] * std::cos(angle) + f[2 * k + 1] * std::sin(angle));
    }
    EXPECT_NEAR(signals[0][j], x, 1e-12);
  }
}

TEST(FftLab, ForwardThenInverseGivesTheInputBack) {
  struct Case {
    std::int32_t n;
    bool realData, window;
  };
  for (const Case c :
       {Case{1, true, false}, Case{2, true, true}, Case{8, true, false}, Case{512, true, true},
        Case{2, false, false}, Case{8, false, true}, Case{1024, false, false}, Case{1024, false, true}}) {
    const Matrix original = RandomRows(3, c.n);
    Matrix tapered = original;
    if (c.window)
      for (std::int32_t r = 0; r < 3; ++r) FftLab::ApplyTaper(tapered[r], c.n, !c.realData, false);
    FftOptions options;
    options.realData = c.realData;
    options.applyWindow = c.window;
    Matrix spectra, back;
    ASSERT_EQ(FftLab::TransformRows(tapered, options, spectra), nullptr);
    ASSERT_EQ(FftLab::InverseRows(spectra, options, back), nullptr);
    for (std::int32_t r = 0; r < 3; ++r)
      for (std::int32_t k = 0; k < c.n; ++k)
        ASSERT_NEAR(back[r][k], original[r][k], 1e-12) << c.n << " " << c.realData << " " << c.window;
  }
}

TEST(FftLab, TaperValues) {
  EXPECT_DOUBLE_EQ(FftLab::Taper(0, 3), 0.75);
  EXPECT_DOUBLE_EQ(FftLab::Taper(1, 3), 1.0);
  EXPECT_DOUBLE_EQ(FftLab::Taper(0, 4), 1 - 1.5 * 1.5 / 6.25);
  double row[4] = {2, 3, 2, 3};
  FftLab::ApplyTaper(row, 4, true, false);
  EXPECT_DOUBLE_EQ(row[0], 2 * (1 - 0.25 / 2.25));
  EXPECT_DOUBLE_EQ(row[3], 3 * (1 - 0.25 / 2.25));
}

TEST(FftLab, ColumnCountsAreChecked) {
  struct Case {
    std::int32_t cols;
    bool leaveLast;
    bool accepted;
  };
  for (const Case c : {Case{6, false, false}, Case{8, false, true}, Case{9, true, true}, Case{7, true, false},
                       Case{1, true, false}, Case{1, false, true}}) {
    FftOptions options;
    options.leaveLastColumn = c.leaveLast;
    Matrix spectra;
    const Message error = FftLab::TransformRows(RandomRows(1, c.cols), options, spectra);
    if (c.accepted)
      EXPECT_EQ(error, nullptr) << c.cols;
    else
      EXPECT_EQ(std::u16string(error), u"The number of columns must be a power of 2") << c.cols;
  }
  Matrix signals;
  EXPECT_EQ(std::u16string(FftLab::InverseRows(RandomRows(1, 9), FftOptions{}, signals)),
            u"The number of columns must be a power of 2");
}

TEST(FftLab, LastColumnIsCopiedUnchanged) {
  Matrix signals = RandomRows(2, 9);
  signals[1][8] = 3;
  FftOptions options;
  options.leaveLastColumn = true;
  Matrix spectra;
  ASSERT_EQ(FftLab::TransformRows(signals, options, spectra), nullptr);
  EXPECT_EQ(spectra.Cols(), 9);
  EXPECT_EQ(spectra[1][8], 3);
  const auto expected = DirectRealSpectrum(std::vector<double>(signals[1], signals[1] + 8));
  EXPECT_NEAR(spectra[1][3], expected[3], 1e-14);
}

TEST(FftLab, PhaseNormalizationRotatesTheDominantBinToZero) {
  const std::int32_t n = 32;
  Matrix signal(1, n);
  for (std::int32_t j = 0; j < n; ++j)
    signal[0][j] = 2 * std::cos(2 * std::numbers::pi * 3 * j / n + 0.9) +
                   0.3 * std::cos(2 * std::numbers::pi * 5 * j / n);
  Matrix spectra;
  ASSERT_EQ(FftLab::TransformRows(signal, FftOptions{}, spectra), nullptr);
  const std::vector<double> before(spectra[0], spectra[0] + n);
  FftLab::NormalizePhase(spectra[0], n);
  EXPECT_NEAR(spectra[0][6], std::hypot(before[6], before[7]), 1e-14);
  EXPECT_NEAR(spectra[0][7], 0, 1e-14);
  for (std::int32_t k : {0, 1, 2, 4, 5, 7}) {
    EXPECT_EQ(spectra[0][2 * k], before[2 * k]) << k;
    EXPECT_EQ(spectra[0][2 * k + 1], before[2 * k + 1]) << k;
  }
}

TEST(FftLab, ForwardLabLoadsTransformsAndShowsRows) {
  TempDir dir;
  const auto in = dir.Write("sig.csv", "1,1,1,1,1,1,1,1,5\r\n2,0,2,0,2,0,2,0,7\r\n");
  FftLab lab(true);
  FftOptions options;
  options.leaveLastColumn = true;
  lab.SetOptions(options);
  ASSERT_EQ(lab.LoadTimeFile(in), u"");
  EXPECT_TRUE(lab.ComputeEnabled());
  EXPECT_EQ(lab.Title(), u"FFT Lab - sig.csv");
  EXPECT_EQ(lab.ScrollMax(), 1);
  const Plot& timeReal = lab.GetPlot(FftLab::kTimeReal);
  EXPECT_EQ(timeReal.series[0].y.size(), 8u);
  EXPECT_EQ(timeReal.yMin, 0);
  EXPECT_EQ(timeReal.yMax, 2);
  EXPECT_TRUE(lab.GetPlot(FftLab::kTimeImag).series[0].y.empty());
  EXPECT_TRUE(lab.GetPlot(FftLab::kFrequencyReal).series[0].y.empty());

  ASSERT_EQ(lab.Forward(dir.File("spectra.csv")), u"");
  Matrix saved;
  ASSERT_EQ(saved.LoadCsv(dir.File("spectra.csv")), nullptr);
  EXPECT_EQ(saved[0][0], 1);
  EXPECT_EQ(saved[0][8], 5);
  EXPECT_EQ(saved[1][0], 1);
  EXPECT_EQ(saved[1][1], 1);
  EXPECT_EQ(saved[1][8], 7);
  lab.ShowRow(5);
  EXPECT_EQ(lab.CurrentRow(), 1);
  struct Move {
    FftLab::ScrollAction action;
    std::int32_t amount, row;
  };
  for (const Move m :
       {Move{FftLab::kLineUp, 0, 0}, Move{FftLab::kLineUp, 0, 0}, Move{FftLab::kLineDown, 0, 1},
        Move{FftLab::kPageUp, 10, 0}, Move{FftLab::kPageDown, 10, 1}, Move{FftLab::kTop, 0, 0},
        Move{FftLab::kThumbTrack, 1, 1}, Move{FftLab::kTop, 0, 0}, Move{FftLab::kBottom, 0, 1}}) {
    lab.Scroll(m.action, m.amount);
    EXPECT_EQ(lab.CurrentRow(), m.row) << m.action;
  }
  EXPECT_EQ(lab.GetPlot(FftLab::kFrequencyReal).series[0].y, (std::vector<double>{1, 0, 0, 0}));
  EXPECT_EQ(lab.GetPlot(FftLab::kFrequencyImag).series[0].title, u"sig.csv");
}

TEST(FftLab, AFailedLoadKeepsTheComputeButtonDisabled) {
  TempDir dir;
  FftLab lab(true);
  EXPECT_NE(lab.LoadTimeFile(dir.File("missing.csv")), u"");
  EXPECT_FALSE(lab.ComputeEnabled());
  EXPECT_EQ(lab.Title(), u"FFT Lab");
}

TEST(FftLab, InverseLabRestoresTheSignalAndRefusesBadWidths) {
  TempDir dir;
  const auto spectrum = dir.Write("spectra.csv", "1,0,0,0,0.5,0.25,0,0\r\n");
  FftLab lab(false);
  FftOptions options;
  options.leaveLastColumn = true;
  options.phaseNormalization = true;
  lab.SetOptions(options);
  EXPECT_FALSE(lab.Options().leaveLastColumn);
  EXPECT_FALSE(lab.Options().phaseNormalization);
  EXPECT_FALSE(lab.ClassifierAndPhaseOptionsEnabled());
  EXPECT_EQ(std::u16string(lab.ModeCaptions().computeButton), u"<<IFFT");
  EXPECT_EQ(std::u16string(FftLab(true).ModeCaptions().computeButton), u"FFT>>");
  ASSERT_EQ(lab.LoadFrequencyFile(spectrum), u"");
  EXPECT_EQ(lab.Title(), u"Inverse FFT Lab - spectra.csv");
  EXPECT_EQ(lab.GetPlot(FftLab::kTimeReal).yMax, 4);
  EXPECT_EQ(lab.GetPlot(FftLab::kFrequencyReal).series[0].y.size(), 4u);
  ASSERT_EQ(lab.Inverse(dir.File("time.csv")), u"");
  EXPECT_EQ(lab.GetPlot(FftLab::kTimeReal).series[0].y.size(), 8u);
  EXPECT_NEAR(lab.TimeData()[0][0], 1 + 2 * 0.5, 1e-15);

  FftLab wide(false);
  ASSERT_EQ(wide.LoadFrequencyFile(dir.Write("wide.csv", "1,2,3,4,5,6,7,8,9\r\n")), u"");
  EXPECT_EQ(wide.Inverse(dir.File("never.csv")), u"The number of columns must be a power of 2");
  EXPECT_FALSE(std::filesystem::exists(dir.File("never.csv")));
}

TEST(FftLab, SaveFailureClearsTheSpectrumPlots) {
  TempDir dir;
  const auto in = dir.Write("sig.csv", "1,2,3,4\r\n");
  FftLab lab(true);
  ASSERT_EQ(lab.LoadTimeFile(in), u"");
  FaultEnv env;
  FaultEnv::Scoped scoped(env);
  env.failCreateWith = u"Access is denied.\r\n";
  EXPECT_EQ(lab.Forward(dir.File("out.csv")), u"Access is denied.\r\n");
  EXPECT_TRUE(lab.GetPlot(FftLab::kFrequencyReal).series[0].y.empty());
}

}  // namespace
