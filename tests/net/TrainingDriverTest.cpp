#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <memory>
#include <thread>

#include "net/LayerNet3.h"
#include "numerics/Random.h"
#include "support/FaultEnv.h"
#include "support/NetworkBuilders.h"
#include "support/TrainingSets.h"

namespace {

trainingSetup Settings(std::int32_t init, std::int32_t method, double goal, std::int32_t epochs,
                       std::int32_t attempts, std::int32_t cycles) {
  trainingSetup s;
  s.initializationMethod = init;
  s.optimizationMethod = method;
  s.goal = goal;
  s.epochs = epochs;
  s.initializationAttempts = attempts;
  s.cycles = cycles;
  s.annealing.temperatures = 4;
  s.annealing.iterations = 10;
  s.genetic.population = 6;
  s.genetic.generations = 3;
  return s;
}

// Runs one training run to its end.
void RunToEnd(LayerNet1& net, Matrix& set, trainingProgress& progress, const trainingSetup& setup) {
  net.Bind(&set, &progress, setup);
  ASSERT_TRUE(net.Start());
  net.Join();
  EXPECT_FALSE(net.IsRunning());
  EXPECT_EQ(progress.phase.Get(), kPhaseIdle);
}

Vector WeightsOf(const LayerNet1& net) {
  Vector w;
  net.GetWeights(w);
  return w;
}

// Targets that a network without hidden layer and with a "Linear" output
// reproduces exactly.
Matrix LinearSet(std::int32_t rows) {
  Matrix set(rows, 3);
  for (std::int32_t r = 0; r < rows; ++r) {
    set[r][0] = std::sin(r + 1.0);
    set[r][1] = std::cos(3.0 * r);
    set[r][2] = 0.5 * set[r][0] - 0.25 * set[r][1] + 0.125;
  }
  return set;
}

// A network whose optimisation preparation also asks the run to stop, so a
// stop request arrives during the first optimisation without any timing.
class StopsInOptimisation : public LayerNet2 {
 public:
  bool PrepareOptimisation() override {
    ++preparations;
    SetKeepRunning(false);
    return LayerNet2::PrepareOptimisation();
  }
  int preparations = 0;
};

// A network that cannot get its optimisation work space.
class NoOptimisationMemory : public LayerNet1 {
 public:
  bool PrepareOptimisation() override { return false; }
};

}  // namespace

TEST(TrainingDriver, NoCyclesWithContinueKeepsThePresentWeights) {
  LayerNet2 net;
  ASSERT_TRUE(net.Create(MakeSetup(1, 3, 0, 1, 1, 0, 2), true));
  FillWeights(net);
  Matrix set = MakeSincSet(21);
  const Vector before = WeightsOf(net);
  trainingSetup setup = Settings(kAnnealRegress, kConjugateGradient, 1e-5, 100, 5, 0);
  setup.continueTraining = 1;
  trainingProgress progress;
  RunToEnd(net, set, progress, setup);
  const Vector after = WeightsOf(net);
  for (std::int32_t i = 0; i < before.Length(); ++i) EXPECT_EQ(after[i], before[i]);
  EXPECT_EQ(net.Mse(), net.ComputeMse(set));
  EXPECT_EQ(progress.mse.Get(), net.Mse());
  EXPECT_EQ(progress.initializationCycle.Get(), 0);
  EXPECT_EQ(progress.trainingCycle.Get(), 0);
}

TEST(TrainingDriver, RegressionMakesOneAttemptPerCycle) {
  LayerNet1 net;
  ASSERT_TRUE(net.Create(MakeSetup(3, 0, 0, 1, 0, 0, 2), true));
  Matrix set = MakeTrainingSet(net, 30);
  trainingProgress progress;
  RunToEnd(net, set, progress, Settings(kRegression, kConjugateGradient, 0.0, 50, 10, 2));
  EXPECT_EQ(progress.trainingCycle.Get(), 2);
  EXPECT_EQ(progress.initializationCycle.Get(), 1);
  EXPECT_TRUE(progress.TakeMessage().empty());
  EXPECT_LT(net.Mse(), 1.0);
  EXPECT_EQ(net.Mse(), net.ComputeMse(set));
}

TEST(TrainingDriver, AGoalMetByInitialisationSkipsTheOptimisation) {
  LayerNet1 net;
  ASSERT_TRUE(net.Create(MakeSetup(2, 0, 0, 1, 0, 0, 2), true));
  Matrix set = LinearSet(12);
  trainingProgress progress;
  progress.optimizationMse.Set(-5.0);
  RunToEnd(net, set, progress, Settings(kRegression, kLevenbergMarquardt, 0.1, 100, 1, 3));
  EXPECT_EQ(progress.optimizationMse.Get(), -5.0);
  EXPECT_EQ(progress.trainingCycle.Get(), 1);
  EXPECT_LT(net.Mse(), 1e-20);
  const Vector w = WeightsOf(net);
  EXPECT_NEAR(w[0], 0.5, 1e-12);
  EXPECT_NEAR(w[1], -0.25, 1e-12);
  EXPECT_NEAR(w[2], 0.125, 1e-12);
}

TEST(TrainingDriver, AStopDuringTheFirstOfThreeCyclesEndsAfterIt) {
  StopsInOptimisation net;
  ASSERT_TRUE(net.Create(MakeSetup(1, 4, 0, 1, 1, 0, 2), true));
  Matrix set = MakeSincSet(31);
  trainingProgress progress;
  RunToEnd(net, set, progress, Settings(kAnnealRegress, kConjugateGradient, 0.0, 500, 2, 3));
  EXPECT_EQ(net.preparations, 1);
  EXPECT_EQ(progress.trainingCycle.Get(), 1);
  // The optimisation noticed the request after its first iteration.
  EXPECT_EQ(progress.epoch.Get(), 1);
  EXPECT_EQ(net.Mse(), net.ComputeMse(set));
}

TEST(TrainingDriver, NoMseBelowOneEndsWithZeroWeights) {
  // Logsig outputs can never come near targets of 100.
  LayerNet1 net;
  ASSERT_TRUE(net.Create(MakeSetup(2, 0, 0, 1, 0, 0, 0), true));
  FillWeights(net);
  Matrix set = LinearSet(8);
  for (std::int32_t r = 0; r < set.Rows(); ++r) set[r][2] = 100.0;
  trainingProgress progress;
  RunToEnd(net, set, progress, Settings(kRegression, kConjugateGradient, 1e-5, 20, 1, 2));
  EXPECT_EQ(net.Mse(), 1.0);
  EXPECT_EQ(progress.mse.Get(), 1.0);
  const Vector w = WeightsOf(net);
  for (std::int32_t i = 0; i < w.Length(); ++i) EXPECT_EQ(w[i], 0.0);
}

TEST(TrainingDriver, NoEpochsKeepWhatEachMethodReturns) {
  // Conjugate gradient reports 1e100 without an iteration, which keeps
  // nothing of the run; the other two return the mse they started from.
  const std::int32_t methods[] = {kConjugateGradient, kLevenbergMarquardt, kVariableMetric};
  for (std::int32_t method : methods) {
    LayerNet1 net;
    ASSERT_TRUE(net.Create(MakeSetup(3, 0, 0, 1, 0, 0, 2), true));
    Matrix set = MakeTrainingSet(net, 30);
    trainingProgress progress;
    RunToEnd(net, set, progress, Settings(kRegression, method, 0.0, 0, 1, 1));
    if (method == kConjugateGradient) {
      EXPECT_EQ(net.Mse(), 1.0);
      const Vector w = WeightsOf(net);
      for (std::int32_t i = 0; i < w.Length(); ++i) EXPECT_EQ(w[i], 0.0);
    } else {
      EXPECT_LT(net.Mse(), 0.1) << method;
      EXPECT_EQ(net.Mse(), net.ComputeMse(set)) << method;
    }
  }
}

TEST(TrainingDriver, RefusedRunsLeaveTheirMessage) {
  struct Case {
    int hidden;
    std::int32_t init;
    std::int32_t rows;
    const char16_t* message;
  };
  const Case cases[] = {
      {0, kAnnealRegress, 10,
       u"ERROR: \r\nThe initialization method is invalid. You may tried other initialization methods."},
      {0, kGeneticRegress, 10,
       u"ERROR: \r\nThe initialization method is invalid. You may tried other initialization methods."},
      {3, kRegression, 10,
       u"ERROR: \r\nThe initialization method is invalid. You may tried other initialization methods."},
      {3, kGenetic, 10,
       u"ERROR: \r\nThe initialization method is invalid. You may tried other initialization methods."},
      {0, kRegression, 3, u"ERROR: \r\nThe training set does not have enough rows to perform regression\r\n"},
  };
  for (const Case& c : cases) {
    std::unique_ptr<LayerNet1> net =
        c.hidden ? std::unique_ptr<LayerNet1>(new LayerNet2) : std::make_unique<LayerNet1>();
    ASSERT_TRUE(net->Create(MakeSetup(3, c.hidden, 0, 1, 0, 0, 2), true));
    Matrix set = MakeTrainingSet(*net, c.rows);
    trainingProgress progress;
    RunToEnd(*net, set, progress, Settings(c.init, kConjugateGradient, 1e-5, 10, 1, 1));
    EXPECT_EQ(progress.TakeMessage(), c.message);
    EXPECT_EQ(net->Mse(), 1e100);
  }
}

TEST(TrainingDriver, OptimisationWithoutMemoryEndsTheRun) {
  NoOptimisationMemory net;
  ASSERT_TRUE(net.Create(MakeSetup(3, 0, 0, 1, 0, 0, 2), true));
  Matrix set = MakeTrainingSet(net, 30);
  trainingProgress progress;
  RunToEnd(net, set, progress, Settings(kRegression, kConjugateGradient, 0.0, 10, 1, 1));
  EXPECT_EQ(progress.TakeMessage(), u"ERROR: \r\nNo enough memory to perform optimization\r\n");
  EXPECT_EQ(net.Mse(), 1.0);
}

TEST(TrainingDriver, LevenbergMarquardtBeyondFreeMemoryEndsTheRun) {
  LayerNet1 net;
  ASSERT_TRUE(net.Create(MakeSetup(1800, 0, 0, 1, 0, 0, 2), true));
  Matrix set(3, 1801);
  for (std::int32_t c = 0; c < 1801; ++c) set[0][c] = std::sin(c);
  FaultEnv env;
  env.reportMemory = true;
  env.memory.availablePhysical = 8 << 20;
  env.memory.availablePageFile = 8 << 20;
  FaultEnv::Scoped scoped(env);
  trainingProgress progress;
  trainingSetup setup = Settings(kAnnealing, kLevenbergMarquardt, 0.0, 10, 1, 1);
  setup.annealing.temperatures = 1;
  setup.annealing.iterations = 2;
  RunToEnd(net, set, progress, setup);
  EXPECT_EQ(progress.TakeMessage(), u"ERROR: \r\nNo enough memory to perform optimization\r\n");
}

TEST(TrainingDriver, TheSameRunTwiceGivesTheSameWeights) {
  const std::int32_t inits[] = {kAnnealRegress, kGeneticRegress, kAnnealing};
  for (std::int32_t init : inits) {
    Vector first;
    for (int run = 0; run < 2; ++run) {
      LayerNet3 net;
      ASSERT_TRUE(net.Create(MakeSetup(1, 3, 2, 1, 1, 0, 2), true));
      Matrix set = MakeSincSet(25);
      trainingProgress progress;
      Random::Restart();
      RunToEnd(net, set, progress, Settings(init, kLevenbergMarquardt, 1e-6, 30, 2, 2));
      const Vector w = WeightsOf(net);
      if (run == 0) {
        first = w;
        continue;
      }
      for (std::int32_t i = 0; i < w.Length(); ++i) EXPECT_EQ(w[i], first[i]) << init << " weight " << i;
    }
  }
}

TEST(TrainingDriver, ASincFitEndsAtItsGoal) {
  LayerNet2 net;
  ASSERT_TRUE(net.Create(MakeSetup(1, 8, 0, 1, 1, 0, 2), true));
  Matrix set = MakeSincSet(41);
  trainingProgress progress;
  Random::Restart();
  RunToEnd(net, set, progress, Settings(kAnnealRegress, kLevenbergMarquardt, 1e-5, 2000, 2, 3));
  EXPECT_LE(net.Mse(), 1e-5);
  EXPECT_EQ(net.Mse(), net.ComputeMse(set));
  EXPECT_EQ(progress.mse.Get(), net.Mse());
}

TEST(TrainingRace, StartAndStopAtOnce) {
  LayerNet2 net;
  ASSERT_TRUE(net.Create(MakeSetup(1, 4, 0, 1, 1, 0, 2), true));
  Matrix set = MakeSincSet(31);
  trainingProgress progress;
  for (int i = 0; i < 40; ++i) {
    net.Bind(&set, &progress, Settings(kAnnealRegress, kConjugateGradient, 0.0, 1000, 3, 2));
    ASSERT_TRUE(net.Start());
    EXPECT_FALSE(net.Start());
    net.SetKeepRunning(false);
    net.Join();
    EXPECT_FALSE(net.IsRunning());
    EXPECT_EQ(progress.phase.Get(), kPhaseIdle);
    EXPECT_TRUE(progress.TakeMessage().empty());
    EXPECT_LE(net.Mse(), 1.0);
  }
}

TEST(TrainingRace, StopDuringEachPhase) {
  struct Case {
    int hidden;
    std::int32_t init;
    std::int32_t phase;
  };
  const Case cases[] = {{0, kGenetic, kPhaseGenetic},        {0, kAnnealing, kPhaseAnnealing},
                        {0, kRegression, kPhaseRegression},  {4, kAnnealRegress, kPhaseAnnealing},
                        {4, kGeneticRegress, kPhaseGenetic}, {4, kAnnealRegress, kPhaseOptimisation}};
  for (const Case& c : cases) {
    std::unique_ptr<LayerNet1> net =
        c.hidden ? std::unique_ptr<LayerNet1>(new LayerNet2) : std::make_unique<LayerNet1>();
    ASSERT_TRUE(net->Create(MakeSetup(1, c.hidden, 0, 1, 1, 0, 2), true));
    Matrix set = MakeSincSet(61);
    trainingProgress progress;
    trainingSetup setup = Settings(c.init, kConjugateGradient, 0.0, 100000, 50, 5);
    setup.annealing.temperatures = 25;
    setup.annealing.iterations = 100;
    setup.genetic.generations = 50;
    net->Bind(&set, &progress, setup);
    ASSERT_TRUE(net->Start());
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while (progress.phase.Get() != c.phase && net->IsRunning() && std::chrono::steady_clock::now() < deadline)
      std::this_thread::yield();
    // The cycle may still advance once if the request came just after the
    // last check of the previous cycle, never more.
    const std::int32_t cycleAtStop = progress.trainingCycle.Get();
    net->SetKeepRunning(false);
    net->Join();
    EXPECT_EQ(progress.phase.Get(), kPhaseIdle);
    EXPECT_TRUE(progress.TakeMessage().empty());
    EXPECT_LE(progress.trainingCycle.Get(), cycleAtStop + 1) << c.init;
  }
}

TEST(TrainingRace, DestroyingARunningNetworkWaitsForItsThread) {
  Matrix set = MakeSincSet(31);
  trainingProgress progress;
  for (int i = 0; i < 10; ++i) {
    LayerNet3 net;
    ASSERT_TRUE(net.Create(MakeSetup(1, 3, 3, 1, 1, 1, 2), true));
    net.Bind(&set, &progress, Settings(kAnnealRegress, kLevenbergMarquardt, 0.0, 200, 2, 1));
    ASSERT_TRUE(net.Start());
    net.SetKeepRunning(false);
  }
  EXPECT_EQ(progress.phase.Get(), kPhaseIdle);
}
