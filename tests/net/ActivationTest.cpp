#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <vector>

#include "net/LinearActivation.h"
#include "net/LogsigTable.h"
#include "net/TanhTable.h"

namespace {

// The interpolation rule written out: V[k] + (t - k) D[k] with t = |x| s.
double Interpolated(const LookupTable& table, double magnitude) {
  const double t = magnitude * table.Scale();
  const int k = static_cast<int>(t);
  return table.Value(k) + (t - k) * table.Difference(k);
}

TEST(Activation, TablesHoldTheSampledCurves) {
  const TanhTable tanhTable;
  const LogsigTable logsig;
  for (int i : {0, 1, 136, 1000, 2047}) {
    EXPECT_EQ(tanhTable.Table().Value(i), std::tanh(i * 1.5 / 409.4)) << i;
    EXPECT_EQ(logsig.Table().Value(i), 1.0 / (1.0 + std::exp(-i / 136.46666666666667))) << i;
  }
  EXPECT_EQ(tanhTable.Table().Difference(5), tanhTable.Table().Value(6) - tanhTable.Table().Value(5));
}

TEST(Activation, TanhAtAndBeyondItsBound) {
  const TanhTable f;
  EXPECT_EQ(f.Evaluate(5.0), Interpolated(f.Table(), 5.0));
  EXPECT_NEAR(f.Evaluate(5.0), f.Table().Value(2047), 1e-15);
  EXPECT_EQ(f.Evaluate(5.0000001), 1.0);
  EXPECT_EQ(f.Evaluate(-7.0), -1.0);
  EXPECT_EQ(f.Evaluate(-0.3), -Interpolated(f.Table(), 0.3));
  EXPECT_NEAR(f.Evaluate(0.3), std::tanh(0.45), 1e-6);
}

TEST(Activation, LogsigAtAndBeyondItsBound) {
  const LogsigTable f;
  EXPECT_EQ(f.Evaluate(-20.0), 0.0);
  EXPECT_EQ(f.Evaluate(15.5), 1.0);
  const double t = 136.46666666666667;
  EXPECT_EQ(f.Evaluate(-1.0), 1.0 - (f.Table().Value(136) + (t - 136) * f.Table().Difference(136)));
  EXPECT_NEAR(f.Evaluate(2.0), 1.0 / (1.0 + std::exp(-2.0)), 1e-6);
}

TEST(Activation, NotANumberPassesThroughWithoutIndexingTheTable) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const TanhTable tanhTable;
  const LogsigTable logsig;
  EXPECT_TRUE(std::isnan(tanhTable.Evaluate(nan)));
  EXPECT_TRUE(std::isnan(logsig.Evaluate(nan)));
  double values[] = {nan, 100.0, -100.0};
  logsig.Apply(values, 3);
  EXPECT_TRUE(std::isnan(values[0]));
  EXPECT_EQ(values[1], 1.0);
  EXPECT_EQ(values[2], 0.0);
}

TEST(Activation, ApplyGivesEvaluateForEveryValue) {
  const TanhTable tanhTable;
  const LogsigTable logsig;
  std::vector<double> xs = {-0.0, 0.0, 5.0, -5.0, 15.0, -15.0, 5.0000001, -15.5, 1e300, -1e300};
  for (int i = -4000; i <= 4000; ++i) xs.push_back(i * 0.00431);
  for (const Activation* f :
       {static_cast<const Activation*>(&tanhTable), static_cast<const Activation*>(&logsig)}) {
    std::vector<double> ys = xs;
    f->Apply(ys.data(), static_cast<int>(ys.size()));
    for (std::size_t i = 0; i < xs.size(); ++i) {
      const double expected = f->Evaluate(xs[i]);
      EXPECT_EQ(std::memcmp(&ys[i], &expected, sizeof expected), 0) << f->Letter() << " " << xs[i];
    }
  }
}

TEST(Activation, ConstantsDerivativesAndInverses) {
  const TanhTable t;
  const LogsigTable s;
  const LinearActivation l;
  struct Row {
    const Activation& f;
    int code;
    char letter;
    double upper, lower, threshold;
  } rows[] = {{s, 0, 'S', 0.9, 0.1, 0.5}, {t, 1, 'T', 0.9, -0.9, 0.0}, {l, 2, 'L', 3.0, -3.0, 0.0}};
  for (const Row& row : rows) {
    EXPECT_EQ(row.f.Code(), row.code);
    EXPECT_EQ(row.f.Letter(), row.letter);
    EXPECT_EQ(ActivationLetter(row.code), row.letter);
    EXPECT_EQ(row.f.UpperTarget(), row.upper);
    EXPECT_EQ(row.f.LowerTarget(), row.lower);
    EXPECT_EQ(row.f.Threshold(), row.threshold);
  }
  EXPECT_EQ(ActivationLetter(7), 'E');
  EXPECT_EQ(s.Derivative(0.25), 0.25 * 0.75);
  EXPECT_EQ(t.Derivative(0.5), 1.5 * 0.75);
  EXPECT_EQ(l.Derivative(9.0), 1.0);
  EXPECT_EQ(s.Inverse(2.0), -std::log(1.0 / 0.999999999999 - 1.0));
  EXPECT_EQ(s.Inverse(0.0), -std::log(1.0 / 1e-12 - 1.0));
  EXPECT_EQ(t.Inverse(-1.0), std::log((1.0 - 0.999999999999) / (1.0 + 0.999999999999)) * 0.333333333333333);
  EXPECT_NEAR(t.Inverse(std::tanh(1.5 * 0.4)), 0.4, 1e-12);
  EXPECT_EQ(l.Inverse(-4.5), -4.5);
}

}  // namespace
