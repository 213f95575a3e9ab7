#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <functional>

#include "net/LayerNet2.h"
#include "numerics/Random.h"
#include "support/NetworkBuilders.h"
#include "support/TempDir.h"

namespace {

// y = (0.6 - 0.4i) x + (0.1 + 0.2i) on inputs spread over (-0.8, 0.8)^2.
Matrix ComplexLinearMapSet(int rows) {
  Matrix set(rows, 4);
  for (int r = 0; r < rows; ++r) {
    const double u = 0.8 * std::sin(1.7 * r + 0.4), v = 0.8 * std::cos(2.9 * r + 1.1);
    set[r][0] = u;
    set[r][1] = v;
    set[r][2] = 0.6 * u + 0.4 * v + 0.1;
    set[r][3] = 0.6 * v - 0.4 * u + 0.2;
  }
  return set;
}

// Two classes on either side of the line Re x = Im x.
Matrix SeparableClassSet(int rows) {
  Matrix set(rows, 3);
  for (int r = 0; r < rows; ++r) {
    const double u = std::sin(1.3 * r + 0.2), v = std::cos(2.1 * r + 0.7);
    set[r][0] = u;
    set[r][1] = v;
    set[r][2] = u - v > 0.0 ? 1 : 2;
  }
  return set;
}

// A trainable network: fixed spread hidden weights, the output layer by
// regression, as an initialisation would leave it.
struct Trainee {
  LayerNet2 net;
  Matrix set;
  trainingProgress progress;
  trainingSetup setup;

  Trainee(const networkSetup& description, Matrix data, int method) : set(std::move(data)) {
    EXPECT_TRUE(net.Create(description, true));
    Vector w(net.WeightCount());
    for (std::int32_t i = 0; i < w.Length(); ++i) w[i] = 0.8 * std::sin(2.7 * i + 0.5);
    net.SetWeights(w);
    setup.optimizationMethod = method;
    setup.epochs = 400;
    setup.goal = 1e-9;
    net.Bind(&set, &progress, setup);
    net.SetKeepRunning(true);
  }

  double Optimise() {
    switch (setup.optimizationMethod) {
      case kConjugateGradient: return net.ConjugateGradient();
      case kLevenbergMarquardt: return net.LevenbergMarquardt();
      default: return net.VariableMetric();
    }
  }
};

const char* kMethodNames[] = {"Conjugate Gradient", "Levenberg Marquardt", "Variable Metric"};

TEST(ComplexLearning, EachOptimiserLearnsAComplexLinearMap) {
  for (int method : {kConjugateGradient, kLevenbergMarquardt, kVariableMetric}) {
    Trainee t(MakeSetup(1, 2, 0, 1, 1, 0, 2, kGeneric, true), ComplexLinearMapSet(24), method);
    const double start = t.net.RegressionInitialization();
    const double result = t.Optimise();
    const double mse = t.net.ComputeMse(t.set);
    // The complex Levenberg-Marquardt run reports its own error, half the mse.
    EXPECT_DOUBLE_EQ(result, method == kLevenbergMarquardt ? 0.5 * mse : mse) << kMethodNames[method];
    EXPECT_LT(mse, 1e-5) << kMethodNames[method];
    EXPECT_LT(mse, start) << kMethodNames[method];
    std::printf("%s: mse %.3g after regression, %.3g after training\n", kMethodNames[method], start, mse);
  }
}

TEST(ComplexLearning, EveryInitialisationOfAHiddenLayerNetworkThenEveryOptimiserLearnsTheMap) {
  const char* initNames[] = {"Anneal+Regress", "", "", "Annealing", "Genetic+Regress"};
  for (int init : {kAnnealRegress, kAnnealing, kGeneticRegress}) {
    for (int method : {kConjugateGradient, kLevenbergMarquardt, kVariableMetric}) {
      Random::Restart();
      Trainee t(MakeSetup(1, 2, 0, 1, 1, 0, 2, kGeneric, true), ComplexLinearMapSet(24), method);
      t.net.ZeroWeights();
      t.setup.initializationMethod = init;
      t.setup.annealing.temperatures = 5;
      t.setup.annealing.iterations = 20;
      t.setup.genetic.population = 10;
      t.setup.genetic.generations = 10;
      t.net.Bind(&t.set, &t.progress, t.setup);
      ASSERT_TRUE(t.net.IsInitMethodValid());
      WeightSnapshot a, b, scratch;
      ASSERT_TRUE(t.net.AllocateSnapshots(a, b, scratch));
      const double initial = t.net.Initialize(scratch);
      ASSERT_GE(initial, 0.0) << initNames[init];
      t.Optimise();
      const double mse = t.net.ComputeMse(t.set);
      EXPECT_LT(mse, 1e-3) << initNames[init] << ", " << kMethodNames[method];
      std::printf("%s, %s: mse %.3g after initialisation, %.3g after training\n", initNames[init],
                  kMethodNames[method], initial, mse);
    }
  }
}

TEST(ComplexLearning, AComplexClassifierSeparatesTwoClasses) {
  for (int method : {kConjugateGradient, kLevenbergMarquardt, kVariableMetric}) {
    Trainee t(MakeSetup(1, 3, 0, 2, 1, 0, 0, kClassifier, true), SeparableClassSet(30), method);
    const double start = t.net.RegressionInitialization();
    t.Optimise();
    EXPECT_LT(t.net.ComputeMse(t.set), start) << kMethodNames[method];
    int wrong = 0;
    for (std::int32_t r = 0; r < t.set.Rows(); ++r) {
      t.net.Forward(t.set, r);
      if (t.net.ClassDecision() != static_cast<int>(t.set[r][2])) ++wrong;
    }
    EXPECT_EQ(wrong, 0) << kMethodNames[method];
    std::printf("%s classifier: mse %.3g, %d of %d wrong\n", kMethodNames[method], t.net.ComputeMse(t.set),
                wrong, t.set.Rows());
  }
}

TEST(ComplexLearning, ATrainedNetworkSimulatesAlikeAfterARoundTripThroughItsFile) {
  Trainee t(MakeSetup(1, 2, 0, 1, 1, 0, 2, kGeneric, true), ComplexLinearMapSet(24), kLevenbergMarquardt);
  t.net.InputScaler().Set(0, -1.0, 1.0, 2);
  t.net.OutputScaler().Set(0, -2.0, 2.0, 3);
  t.net.RegressionInitialization();
  t.Optimise();
  TempDir dir;
  ASSERT_EQ(t.net.Save(dir.File("trained.tsn")), nullptr);
  LayerNet2 loaded;
  ASSERT_EQ(loaded.Load(dir.File("trained.tsn")), nullptr);
  EXPECT_TRUE(loaded.IsComplex());
  Vector before, after;
  t.net.GetWeights(before);
  loaded.GetWeights(after);
  ASSERT_EQ(after.Length(), before.Length());
  for (std::int32_t i = 0; i < before.Length(); ++i) EXPECT_EQ(after[i], before[i]) << i;

  const auto in = dir.Write("in.csv", "0.25,-0.5\n-0.75,0.125\n0.5,0.5\n");
  ASSERT_EQ(t.net.SimulateFile(in, dir.File("trained.csv"), true, true), nullptr);
  ASSERT_EQ(loaded.SimulateFile(in, dir.File("loaded.csv"), true, true), nullptr);
  const std::string trained = TempDir::Read(dir.File("trained.csv"));
  EXPECT_EQ(TempDir::Read(dir.File("loaded.csv")), trained);
  EXPECT_EQ(std::count(trained.begin(), trained.end(), ','), 3);
}

}  // namespace
