#include <gtest/gtest.h>

#include <cmath>
#include <functional>

#include "net/LayerNet3.h"
#include "numerics/MatrixOperation.h"
#include "support/FaultEnv.h"
#include "support/NetworkBuilders.h"
#include "support/TrainingSets.h"

namespace {

using Optimiser = double (LayerNet1::*)();

struct Method {
  const char* name;
  Optimiser run;
};

const Method kMethods[] = {
    {"conjugate gradient", &LayerNet1::ConjugateGradient},
    {"Levenberg-Marquardt", &LayerNet1::LevenbergMarquardt},
    {"variable metric", &LayerNet1::VariableMetric},
};

trainingSetup RunSettings(double goal, std::int32_t epochs) {
  trainingSetup setup;
  setup.goal = goal;
  setup.epochs = epochs;
  return setup;
}

// Starting weights: zero, the repeatable fill, and larger alternating ones.
void StartFrom(LayerNet1& net, int start) {
  Vector w(net.WeightCount());
  for (std::int32_t i = 0; i < w.Length(); ++i) {
    if (start == 1) w[i] = ((i * 37 % 23) - 11) / 13.0;
    if (start == 2) w[i] = (i % 2 ? 2.0 : -1.5) + 0.1 * i;
  }
  net.SetWeights(w);
}

// The least-squares weights of a network without hidden layer and with a
// "Linear" output: inputs and a 1 for the bias against the targets.
Vector LeastSquares(const Matrix& set, std::int32_t inputs) {
  MatrixOperation solver;
  EXPECT_EQ(solver.Setup(set.Rows(), inputs + 1), nullptr);
  Vector b(set.Rows()), x;
  for (std::int32_t r = 0; r < set.Rows(); ++r) {
    for (std::int32_t c = 0; c < inputs; ++c) solver.A[r][c] = set[r][c];
    solver.A[r][inputs] = 1.0;
    b[r] = set[r][inputs];
  }
  EXPECT_TRUE(solver.svdcmp());
  EXPECT_TRUE(solver.BackSubstitute(b, x));
  return x;
}

Vector WeightsOf(const LayerNet1& net) {
  Vector w;
  net.GetWeights(w);
  return w;
}

}  // namespace

TEST(Optimiser, EachFindsTheLeastSquaresSolutionOfALinearNetwork) {
  LayerNet1 net;
  ASSERT_TRUE(net.Create(MakeSetup(3, 0, 0, 1, 0, 0, 2), true));
  Matrix set = MakeTrainingSet(net, 25);
  const Vector expected = LeastSquares(set, 3);
  for (const Method& method : kMethods) {
    for (int start = 0; start < 3; ++start) {
      trainingProgress progress;
      net.Bind(&set, &progress, RunSettings(0.0, 500));
      net.SetKeepRunning(true);
      StartFrom(net, start);
      const double mse = (net.*method.run)();
      const Vector w = WeightsOf(net);
      for (std::int32_t i = 0; i < w.Length(); ++i)
        EXPECT_NEAR(w[i], expected[i], 1e-5) << method.name << " from start " << start << " weight " << i;
      EXPECT_EQ(mse, net.ComputeMse(set)) << method.name;
      EXPECT_EQ(progress.optimizationMse.Get(), mse) << method.name;
    }
  }
}

TEST(Optimiser, EachFitsASincCurve) {
  LayerNet2 net;
  ASSERT_TRUE(net.Create(MakeSetup(1, 8, 0, 1, 1, 0, 2), true));
  Matrix set = MakeSincSet(41);
  const double goals[] = {2e-4, 1e-5, 2e-4};
  for (int m = 0; m < 3; ++m) {
    for (int start = 1; start < 3; ++start) {
      trainingProgress progress;
      net.Bind(&set, &progress, RunSettings(goals[m], 4000));
      net.SetKeepRunning(true);
      StartFrom(net, start);
      const double before = net.ComputeMse(set);
      const double mse = (net.*kMethods[m].run)();
      EXPECT_LE(mse, goals[m]) << kMethods[m].name << " from start " << start;
      EXPECT_LT(mse, before);
      EXPECT_EQ(mse, net.ComputeMse(set)) << kMethods[m].name;
    }
  }
}

TEST(Optimiser, NoEpochsLeaveTheWeightsAlone) {
  LayerNet2 net;
  ASSERT_TRUE(net.Create(MakeSetup(1, 4, 0, 1, 0, 0, 0), true));
  Matrix set = MakeSincSet(11);
  const double results[] = {1e100, -1.0, -1.0};  // -1: the starting mse
  for (int m = 0; m < 3; ++m) {
    for (std::int32_t epochs : {0, -3}) {
      net.Bind(&set, nullptr, RunSettings(0.0, epochs));
      net.SetKeepRunning(true);
      FillWeights(net);
      const Vector before = WeightsOf(net);
      const double start = net.ComputeMse(set);
      const double mse = (net.*kMethods[m].run)();
      EXPECT_EQ(mse, results[m] < 0 ? start : results[m]) << kMethods[m].name;
      const Vector after = WeightsOf(net);
      for (std::int32_t i = 0; i < before.Length(); ++i) EXPECT_EQ(after[i], before[i]) << kMethods[m].name;
    }
  }
}

TEST(Optimiser, EpochCountersStartWhereTheMonitorExpects) {
  LayerNet2 net;
  ASSERT_TRUE(net.Create(MakeSetup(1, 4, 0, 1, 0, 0, 0), true));
  Matrix set = MakeSincSet(11);
  // One permitted iteration: conjugate gradient counts it as 1, variable
  // metric as 0, Levenberg-Marquardt as 1.
  const std::int32_t lastEpoch[] = {1, 1, 0};
  for (int m = 0; m < 3; ++m) {
    trainingProgress progress;
    progress.epoch.Set(-7);
    net.Bind(&set, &progress, RunSettings(0.0, 1));
    net.SetKeepRunning(true);
    FillWeights(net);
    (net.*kMethods[m].run)();
    EXPECT_EQ(progress.epoch.Get(), lastEpoch[m]) << kMethods[m].name;
  }
}

TEST(Optimiser, LineSearchMethodsStopAfterOneIterationOnRequest) {
  LayerNet2 net;
  ASSERT_TRUE(net.Create(MakeSetup(1, 4, 0, 1, 0, 0, 0), true));
  Matrix set = MakeSincSet(11);
  for (int m : {0, 2}) {
    trainingProgress progress;
    net.Bind(&set, &progress, RunSettings(0.0, 100));
    net.SetKeepRunning(false);
    FillWeights(net);
    const double mse = (net.*kMethods[m].run)();
    EXPECT_EQ(progress.epoch.Get(), m == 0 ? 1 : 0) << kMethods[m].name;
    EXPECT_EQ(mse, net.ComputeMse(set));
  }
}

TEST(Optimiser, LevenbergMarquardtEndsAfterTenStepsWithoutGain) {
  // Targets that the starting weights reproduce exactly: the error is 0,
  // so no step can gain and the weights must stay.
  LayerNet1 net;
  ASSERT_TRUE(net.Create(MakeSetup(2, 0, 0, 1, 0, 0, 2), true));
  Matrix set(6, 3);
  for (int r = 0; r < 6; ++r) {
    set[r][0] = std::sin(r + 1.0);
    set[r][1] = std::cos(2.0 * r);
    double s = 0.0;
    s += 0.5 * set[r][0];
    s += -0.25 * set[r][1];
    set[r][2] = s + 0.125;
  }
  Vector w(3);
  w[0] = 0.5;
  w[1] = -0.25;
  w[2] = 0.125;
  net.SetWeights(w);
  trainingProgress progress;
  net.Bind(&set, &progress, RunSettings(0.0, 100));
  net.SetKeepRunning(true);
  EXPECT_EQ(net.LevenbergMarquardt(), 0.0);
  EXPECT_EQ(progress.epoch.Get(), 10);
  const Vector after = WeightsOf(net);
  for (int i = 0; i < 3; ++i) EXPECT_EQ(after[i], w[i]);
}

TEST(Optimiser, LevenbergMarquardtRefusesMatricesBeyondFreeMemory) {
  LayerNet1 net;
  ASSERT_TRUE(net.Create(MakeSetup(1800, 0, 0, 1, 0, 0, 2), true));
  Matrix set(2, 1801);
  FillWeights(net);
  const Vector before = WeightsOf(net);
  FaultEnv env;
  env.reportMemory = true;
  env.memory.availablePhysical = 8 << 20;
  env.memory.availablePageFile = 8 << 20;
  FaultEnv::Scoped scoped(env);
  net.Bind(&set, nullptr, RunSettings(0.0, 10));
  net.SetKeepRunning(true);
  EXPECT_EQ(net.LevenbergMarquardt(), -200.0);
  const Vector after = WeightsOf(net);
  for (std::int32_t i = 0; i < before.Length(); ++i) ASSERT_EQ(after[i], before[i]);
}
