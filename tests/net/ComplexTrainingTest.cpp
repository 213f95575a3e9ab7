#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "net/LayerNet2.h"
#include "support/FaultEnv.h"
#include "support/NetworkBuilders.h"

namespace {

const char* kStyleNames[] = {"Generic", "Classifier", "Output = Input"};

// A 2:3:2 complex network (2:3:2 autoassociative too, since it has as many
// outputs as inputs) with weights of moderate size, and a five-row training
// set whose targets lie inside the output activation's range.
struct ComplexCase {
  int hiddenActivation;
  int outputActivation;
  int style;
};

std::vector<ComplexCase> EveryCombination() {
  std::vector<ComplexCase> cases;
  for (int hidden : {0, 1})
    for (int output : {0, 1, 2})
      for (int style : {kGeneric, kClassifier, kOutputEqualsInput}) cases.push_back({hidden, output, style});
  return cases;
}

std::string Describe(const ComplexCase& c) {
  return std::string("hidden ") + ActivationLetter(c.hiddenActivation) + ", output " +
         ActivationLetter(c.outputActivation) + ", " + kStyleNames[c.style];
}

// Values in (-0.8, 0.8) for inputs and, when the activation allows it, targets.
double Wave(int r, int c) { return 0.8 * std::sin(1.7 * r + 2.3 * c + 0.4); }

Matrix MakeSet(const ComplexCase& c, int rows) {
  const int columns = c.style == kGeneric ? 8 : c.style == kClassifier ? 5 : 4;
  Matrix set(rows, columns);
  for (int r = 0; r < rows; ++r) {
    for (int k = 0; k < 4; ++k) set[r][k] = Wave(r, k);
    if (c.style == kClassifier) set[r][4] = r % 3;  // class 0 is in no output's class
    if (c.style != kGeneric) continue;
    for (int k = 4; k < 8; ++k) set[r][k] = c.outputActivation == 0 ? 0.5 + 0.5 * Wave(r, k) : Wave(r, k);
  }
  return set;
}

void MakeNetwork(LayerNet2& net, const ComplexCase& c) {
  ASSERT_TRUE(
      net.Create(MakeSetup(2, 3, 0, 2, c.hiddenActivation, 0, c.outputActivation, c.style, true), true));
  Vector w(net.WeightCount());
  for (std::int32_t i = 0; i < w.Length(); ++i) w[i] = 0.9 * std::cos(1.3 * i + 0.2);
  net.SetWeights(w);
}

// Central difference of `value` with respect to weight i.
template <typename Value>
double CentralDifference(LayerNet2& net, std::int32_t i, double h, Value value) {
  Vector w;
  net.GetWeights(w);
  const double original = w[i];
  w[i] = original + h;
  net.SetWeights(w);
  const double up = value();
  w[i] = original - h;
  net.SetWeights(w);
  const double down = value();
  w[i] = original;
  net.SetWeights(w);
  return (up - down) / (2.0 * h);
}

// The error of each entry relative to the entry, or to a hundredth of the
// largest entry for entries near zero, whose differences are mostly noise.
double LargestRelativeError(const Vector& exact, const Vector& estimate) {
  double largest = 0.0;
  for (std::int32_t i = 0; i < exact.Length(); ++i) largest = std::max(largest, std::fabs(estimate[i]));
  double worst = 0.0;
  for (std::int32_t i = 0; i < exact.Length(); ++i) {
    const double scale = std::max(std::fabs(estimate[i]), 0.01 * largest);
    worst = std::max(worst, std::fabs(exact[i] - estimate[i]) / scale);
  }
  return worst;
}

// The activation tables interpolate linearly between knots, so a finite
// difference sees the slope of a segment while the gradient uses the exact
// derivative: they differ by a few parts in a thousand at most.
constexpr double kTableTolerance = 1e-2;
constexpr double kStep = 1e-2;

TEST(ComplexTraining, GradientMatchesFiniteDifferencesOfTheMse) {
  double worst = 0.0;
  for (const ComplexCase& c : EveryCombination()) {
    LayerNet2 net;
    MakeNetwork(net, c);
    Matrix set = MakeSet(c, 5);
    trainingProgress progress;
    net.Bind(&set, &progress, trainingSetup{});
    Vector gradient(net.WeightCount());
    const double mse = net.Gradient(gradient);
    EXPECT_NEAR(mse, net.ComputeMse(set), 1e-15 * mse) << Describe(c);
    // The gradient is that of the error sum / rows, outputs times the mse's.
    Vector estimate(net.WeightCount());
    for (std::int32_t i = 0; i < estimate.Length(); ++i)
      estimate[i] = 2.0 * CentralDifference(net, i, kStep, [&] { return net.ComputeMse(set); });
    const double error = LargestRelativeError(gradient, estimate);
    EXPECT_LT(error, kTableTolerance) << Describe(c);
    worst = std::max(worst, error);
  }
  std::printf("largest relative gradient error: %.3g\n", worst);
}

// D of one output part of a one-row Generic set, read back from the pass's
// beta: the targets equal the outputs except for that part, one above.
Vector RowDerivatives(LayerNet2& net, Matrix& set, int output, int part, Matrix& alpha) {
  net.Forward(set, 0);
  for (int v = 0; v < 4; ++v) set[0][4 + v] = net.OutputLayer()->Output()[0][v];
  const double y = set[0][4 + 2 * output + part];
  set[0][4 + 2 * output + part] = y + 1.0;
  const std::int32_t n = net.WeightCount();
  Vector beta(n);
  alpha.Resize(n, n);
  const double unit = (y + 1.0) - y;
  const double tanhFactor = net.OutputLayer()->GetActivation()->Code() == 1 ? 0.25 : 1.0;
  EXPECT_EQ(net.ErrorAndDerivativesComplex(alpha, beta), unit * unit / (2.0 * 2) * tanhFactor);
  for (std::int32_t i = 0; i < n; ++i) beta[i] /= unit;
  return beta;
}

TEST(ComplexTraining, RowDerivativesMatchFiniteDifferencesOfTheOutput) {
  double worst = 0.0;
  for (const ComplexCase& c : EveryCombination()) {
    if (c.style != kGeneric) continue;  // D does not depend on the targets
    LayerNet2 net;
    MakeNetwork(net, c);
    Matrix set = MakeSet(c, 1);
    trainingProgress progress;
    net.Bind(&set, &progress, trainingSetup{});
    net.SetKeepRunning(true);
    const std::int32_t n = net.WeightCount();
    Matrix sumOfProducts(n, n);
    Matrix alpha;
    for (int output = 0; output < 2; ++output) {
      for (int part = 0; part < 2; ++part) {
        const Vector d = RowDerivatives(net, set, output, part, alpha);
        for (std::int32_t i = 0; i < n; ++i)
          for (std::int32_t j = 0; j < n; ++j) sumOfProducts[i][j] += d[i] * d[j];
        Vector estimate(n);
        for (std::int32_t i = 0; i < n; ++i) {
          estimate[i] = CentralDifference(net, i, kStep, [&] {
            net.Forward(set, 0);
            return net.OutputLayer()->Output()[0][2 * output + part];
          });
        }
        const double error = LargestRelativeError(d, estimate);
        EXPECT_LT(error, kTableTolerance) << Describe(c) << " output " << output << " part " << part;
        worst = std::max(worst, error);
      }
    }
    // alpha holds the sum of D D^T over the four output parts of the row.
    for (std::int32_t i = 0; i < n; ++i)
      for (std::int32_t j = 0; j < n; ++j)
        ASSERT_NEAR(alpha[i][j], sumOfProducts[i][j], 1e-12) << i << " " << j;
  }
  std::printf("largest relative row-derivative error: %.3g\n", worst);
}

TEST(ComplexTraining, LevenbergMarquardtPassMatchesTheMse) {
  double worst = 0.0;
  for (const ComplexCase& c : EveryCombination()) {
    LayerNet2 net;
    MakeNetwork(net, c);
    Matrix set = MakeSet(c, 4);
    trainingProgress progress;
    net.Bind(&set, &progress, trainingSetup{});
    net.SetKeepRunning(true);
    const std::int32_t n = net.WeightCount();
    Matrix alpha(n, n);
    Vector beta(n);
    const double error = net.ErrorAndDerivatives(alpha, beta);
    // Its divisor counts both parts: half the mse of the same sums.
    const double mse = net.ComputeMse(set);
    EXPECT_NEAR(error, 0.5 * mse, 1e-14 * mse) << Describe(c);
    for (std::int32_t i = 0; i < n; ++i)
      for (std::int32_t j = 0; j < i; ++j) ASSERT_EQ(alpha[i][j], alpha[j][i]) << Describe(c);
    // beta = sum (t - y) D = -1/2 d(sum)/dw, and sum = outputs x rows x mse
    // (4 x that under Tanh).
    const double sumPerMse = 2.0 * 4 * (c.outputActivation == 1 ? 4.0 : 1.0);
    Vector estimate(n);
    for (std::int32_t i = 0; i < n; ++i)
      estimate[i] = -0.5 * sumPerMse * CentralDifference(net, i, kStep, [&] { return net.ComputeMse(set); });
    const double betaError = LargestRelativeError(beta, estimate);
    EXPECT_LT(betaError, kTableTolerance) << Describe(c);
    worst = std::max(worst, betaError);
    // The diagonal holds the sum of D_i^2, never less than zero.
    for (std::int32_t i = 0; i < n; ++i) EXPECT_GE(alpha[i][i], 0.0);
  }
  std::printf("largest relative error of the pass's beta: %.3g\n", worst);
}

TEST(ComplexTraining, LevenbergMarquardtPassStopsWhenTheRunIsStopped) {
  const ComplexCase c{0, 2, kGeneric};
  LayerNet2 net;
  MakeNetwork(net, c);
  Matrix set = MakeSet(c, 3);
  trainingProgress progress;
  net.Bind(&set, &progress, trainingSetup{});
  const std::int32_t n = net.WeightCount();
  Matrix alpha(n, n);
  Vector beta(n);
  net.SetKeepRunning(false);
  EXPECT_EQ(net.ErrorAndDerivativesComplex(alpha, beta), 1e100);
  net.SetKeepRunning(true);
  EXPECT_LT(net.ErrorAndDerivativesComplex(alpha, beta), 1e100);
}

// Sets every weight of the output layer of `net` from `values`.
void SetOutputWeights(LayerNet2& net, const std::vector<double>& values) {
  Vector w;
  net.GetWeights(w);
  for (std::size_t i = 0; i < values.size(); ++i) w[static_cast<std::int32_t>(i)] = values[i];
  net.SetWeights(w);
}

// Targets produced by the network itself, so a regression over the same
// hidden weights can find the output layer again.
Matrix GeneratedSet(LayerNet2& net, int rows) {
  Matrix set(rows, 8);
  for (int r = 0; r < rows; ++r) {
    for (int k = 0; k < 4; ++k) set[r][k] = 1.5 * Wave(r, k);
    net.Forward(set, r);
    for (int k = 0; k < 4; ++k) set[r][4 + k] = net.OutputLayer()->Output()[0][k];
  }
  return set;
}

TEST(ComplexTraining, RegressionRecoversALinearOutputLayerAndClampsIt) {
  for (int hidden : {0, 1}) {
    LayerNet2 net;
    ASSERT_TRUE(net.Create(MakeSetup(2, 3, 0, 2, hidden, 0, 2, kGeneric, true), true));
    FillWeights(net);
    // Output 1 has a real part of 40 and an imaginary part of -40.
    const std::vector<double> known = {0.5,  -1.25, 2.0,  0.75, -3.0, 1.5,   0.25,  -0.5,
                                       40.0, 1.0,   -2.5, 0.5,  1.75, -40.0, -0.75, 2.25};
    SetOutputWeights(net, known);
    Matrix set = GeneratedSet(net, 12);
    trainingProgress progress;
    net.Bind(&set, &progress, trainingSetup{});
    SetOutputWeights(net, std::vector<double>(16, 0.0));
    // The initialisation's entry point takes the complex regression.
    const double mse = hidden == 0 ? net.ComplexRegression() : net.RegressionInitialization();
    EXPECT_EQ(mse, net.ComputeMse(set));
    const Matrix& w = net.OutputLayer()->Weights();
    for (int k = 0; k < 2; ++k) {
      for (int i = 0; i < 8; ++i) {
        const double expected = std::clamp(known[8 * k + i], -15.0, 15.0);
        EXPECT_NEAR(w[k][i], expected, 1e-9) << "hidden " << hidden << " weight " << k << "," << i;
      }
    }
    EXPECT_EQ(w[1][0], 15.0);
    EXPECT_EQ(w[1][5], -15.0);
  }
}

// Two distinct input rows and one hidden neuron: two complex unknowns per
// output meet two complex equations, so the fit is exact for any targets,
// and a wrong target or a swapped part shows in the mse.
TEST(ComplexTraining, RegressionFitsTheTargetsOfEveryStyle) {
  struct Case {
    int style;
    int outputActivation;
    std::vector<std::vector<double>> rows;
  } cases[] = {
      {kGeneric, 2, {{2.0, -1.0, 1.5, -2.0}, {-2.0, 1.5, -0.5, 4.0}, {2.0, -1.0, 1.5, -2.0}}},
      {kGeneric, 0, {{2.0, -1.0, 0.8, 0.3}, {-2.0, 1.5, 0.1, 0.6}}},
      {kGeneric, 1, {{2.0, -1.0, -0.6, 0.3}, {-2.0, 1.5, 0.2, -0.8}}},
      {kClassifier, 0, {{2.0, -1.0, 1}, {-2.0, 1.5, 0}, {-2.0, 1.5, 0.5}}},
      {kClassifier, 2, {{2.0, -1.0, 1.9}, {-2.0, 1.5, 2}}},
      {kOutputEqualsInput, 2, {{2.0, -1.0}, {-2.0, 1.5}}},
      {kOutputEqualsInput, 1, {{0.6, -0.3}, {-0.6, 0.5}}},
  };
  for (const Case& c : cases) {
    LayerNet2 net;
    ASSERT_TRUE(net.Create(MakeSetup(1, 1, 0, 1, 0, 0, c.outputActivation, c.style, true), true));
    Vector w(net.WeightCount());
    w[4] = 1.3;  // hidden weight (1.3 - 0.6i)
    w[5] = -0.6;
    net.SetWeights(w);
    Matrix set(static_cast<int>(c.rows.size()), static_cast<int>(c.rows[0].size()));
    for (int r = 0; r < set.Rows(); ++r)
      for (int k = 0; k < set.Cols(); ++k) set[r][k] = c.rows[r][k];
    trainingProgress progress;
    net.Bind(&set, &progress, trainingSetup{});
    EXPECT_LT(net.ComplexRegression(), 1e-9) << kStyleNames[c.style] << " " << c.outputActivation;
  }
}

TEST(ComplexTraining, RegressionWithFewerRowsThanUnknownsStillSolves) {
  // One row gives two equations for eight unknowns; zero equations make up
  // the rest and the solution, however poorly determined, stays clamped.
  LayerNet2 net;
  ASSERT_TRUE(net.Create(MakeSetup(1, 3, 0, 1, 1, 0, 2, kGeneric, true), true));
  FillWeights(net);
  Matrix set = MakeMatrix({{0.5, -0.25, 2.0, -1.0}});
  trainingProgress progress;
  net.Bind(&set, &progress, trainingSetup{});
  EXPECT_GE(net.ComplexRegression(), 0.0);
  const Matrix& w = net.OutputLayer()->Weights();
  for (std::int32_t i = 0; i < w.Cols(); ++i) EXPECT_LE(std::fabs(w[0][i]), 15.0);
}

TEST(ComplexTraining, RegressionRefusesASystemThatMemoryCannotHold) {
  LayerNet2 net;
  ASSERT_TRUE(net.Create(MakeSetup(1, 100, 0, 1, 0, 0, 2, kGeneric, true), true));
  FillWeights(net);
  Vector before;
  net.GetWeights(before);
  Matrix set(21000, 4);
  trainingProgress progress;
  net.Bind(&set, &progress, trainingSetup{});
  FaultEnv env;
  env.reportMemory = true;
  env.memory.availablePageFile = 64ull << 20;
  FaultEnv::Scoped installed(env);
  EXPECT_EQ(net.ComplexRegression(), -200.0);
  Vector after;
  net.GetWeights(after);
  for (std::int32_t i = 0; i < before.Length(); ++i) ASSERT_EQ(after[i], before[i]);
}

TEST(ComplexTraining, TwoThreeOneComplexNetworkNeedsFourInputAndTwoTargetColumns) {
  LayerNet2 net;
  ASSERT_TRUE(net.Create(MakeSetup(2, 3, 0, 1, 1, 0, 2, kGeneric, true), true));
  EXPECT_EQ(net.ColumnCount(false), 4);
  EXPECT_EQ(net.ColumnCount(true), 6);
  EXPECT_EQ(net.WeightCount(), 2 * 4 + 3 * 6);
}

TEST(ComplexTraining, ComplexLogsigClassifierAcceptsTheHalfwayValue) {
  // Biases (x, -x) give the outputs (V, 1 - V), about (0.9, 0.1): their
  // value in the class decision is exactly the Logsig threshold 0.5, which
  // is not below it, so the class is 1.
  LayerNet2 net;
  ASSERT_TRUE(net.Create(MakeSetup(1, 1, 0, 1, 0, 0, 0, kClassifier, true), true));
  const LogsigTable logsig;
  Vector w(net.WeightCount());
  w[2] = logsig.Inverse(0.9);
  w[3] = -w[2];
  net.SetWeights(w);
  Matrix in = MakeMatrix({{0.0, 0.0}});
  net.Forward(in, 0);
  const double* y = net.OutputLayer()->Output()[0];
  EXPECT_NEAR(y[0], 0.9, 1e-4);
  EXPECT_EQ(y[0] + y[1], 1.0);
  EXPECT_EQ(net.ClassDecision(), 1);
}

}  // namespace
