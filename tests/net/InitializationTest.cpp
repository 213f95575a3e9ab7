#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <vector>

#include "net/LayerNet3.h"
#include "numerics/Random.h"
#include "support/NetworkBuilders.h"

namespace {

constexpr double kGeneUnit = 0.0004577776421399579;

// A small smooth problem: two inputs in [-1, 1], targets in (0.1, 0.9).
Matrix SmoothSet(int rows, int targets) {
  Matrix set(rows, 2 + targets);
  for (int r = 0; r < rows; ++r) {
    const double x = std::sin(r * 0.77), y = std::cos(r * 1.31);
    set[r][0] = x;
    set[r][1] = y;
    for (int t = 0; t < targets; ++t) set[r][2 + t] = 0.5 + 0.3 * std::sin(x * (t + 1) + y);
  }
  return set;
}

struct BoundNetwork {
  std::unique_ptr<LayerNet1> net;
  Matrix set;
  trainingProgress progress;
  WeightSnapshot scratch;
  trainingSetup setup;

  BoundNetwork(int hidden1, int hidden2, int method) : set(SmoothSet(24, 1)) {
    if (hidden2)
      net = std::make_unique<LayerNet3>();
    else if (hidden1)
      net = std::make_unique<LayerNet2>();
    else
      net = std::make_unique<LayerNet1>();
    net->Create(MakeSetup(2, hidden1, hidden2, 1, 0, 1, 0), true);
    setup.initializationMethod = method;
    setup.annealing.temperatures = 4;
    setup.annealing.iterations = 6;
    setup.genetic.population = 5;
    setup.genetic.generations = 3;
    setup.goal = 0.0;
    net->Bind(&set, &progress, setup);
    net->SetKeepRunning(true);
    WeightSnapshot a, b;
    net->AllocateSnapshots(a, b, scratch);
  }
  std::vector<double> Weights() const {
    Vector w;
    net->GetWeights(w);
    return std::vector<double>(w.Data(), w.Data() + w.Length());
  }
};

TEST(Initialization, GenesDecodeToWeightsOfFifteenOver32767) {
  EXPECT_EQ(LayerNet1::GeneWeight(32767), 15.0);
  EXPECT_EQ(LayerNet1::GeneWeight(-32768), -32768 * kGeneUnit);
  EXPECT_NEAR(LayerNet1::GeneWeight(-32768), -15.000457, 1e-6);
  EXPECT_EQ(LayerNet1::GeneWeight(0), 0.0);
  EXPECT_EQ(LayerNet1::GeneWeight(-1), -kGeneUnit);
}

// Which layers (from the input side) each perturbation rewrites.
TEST(Initialization, PerturbationsReachTheirLayersOnly) {
  struct Case {
    int hidden1, hidden2;
    bool all;
    std::vector<bool> changed;
  };
  const Case cases[] = {
      {0, 0, false, {true}},
      {0, 0, true, {true}},
      {3, 0, false, {true, false}},
      {3, 0, true, {true, true}},
      {3, 2, false, {true, true, false}},
      {3, 2, true, {true, true, true}},
  };
  for (const Case& c : cases) {
    for (double s : {1.0, 0.5, 0.0}) {
      BoundNetwork run(c.hidden1, c.hidden2, kAnnealing);
      LayerNet1& net = *run.net;
      Vector w(net.WeightCount());
      for (int i = 0; i < w.Length(); ++i) w[i] = 1000.0;
      net.SetWeights(w);
      net.SaveSnapshot(run.scratch);
      for (int i = 0; i < w.Length(); ++i) w[i] = 0.5;
      net.SetWeights(w);
      if (c.all)
        net.PerturbAll(s, run.scratch);
      else
        net.Perturb(s, run.scratch);
      const Layer* layers[] = {nullptr, nullptr, net.OutputLayer()};
      if (c.hidden1) layers[0] = static_cast<LayerNet2&>(net).Hidden1();
      if (c.hidden2) layers[1] = static_cast<LayerNet3&>(net).Hidden2();
      int index = 0;
      for (const Layer* layer : layers) {
        if (!layer) continue;
        const bool changed = c.changed[index++];
        const Matrix& m = layer->Weights();
        for (int r = 0; r < m.Rows(); ++r)
          for (int k = 0; k < m.Cols(); ++k) {
            if (!changed) {
              ASSERT_EQ(m[r][k], 0.5);
              continue;
            }
            // Uniform in [-15 s, 15 s] around (1 - s) times the centre.
            ASSERT_LE(std::fabs(m[r][k] - (1.0 - s) * 1000.0), 15.0 * s) << s;
            if (s > 0) {
              ASSERT_NE(m[r][k], (1.0 - s) * 1000.0);
            }
          }
      }
    }
  }
}

TEST(Initialization, EachClassRunsItsMethodsUnderTheirPhase) {
  struct Case {
    int hidden1, hidden2, method;
    int phase;  // -1: the method is not offered
  };
  const Case cases[] = {
      {0, 0, kAnnealing, kPhaseAnnealing},
      {0, 0, kGenetic, kPhaseGenetic},
      {0, 0, kRegression, kPhaseRegression},
      {0, 0, kAnnealRegress, -1},
      {0, 0, kGeneticRegress, -1},
      {0, 0, 7, -1},
      {3, 0, kAnnealing, kPhaseAnnealing},
      {3, 0, kAnnealRegress, kPhaseAnnealing},
      {3, 0, kGeneticRegress, kPhaseGenetic},
      {3, 0, kGenetic, -1},
      {3, 0, kRegression, -1},
      {3, 2, kAnnealing, kPhaseAnnealing},
      {3, 2, kAnnealRegress, kPhaseAnnealing},
      {3, 2, kGeneticRegress, kPhaseGenetic},
      {3, 2, kRegression, -1},
      {3, 2, -1, -1},
  };
  for (const Case& c : cases) {
    BoundNetwork run(c.hidden1, c.hidden2, c.method);
    run.progress.phase.Set(kPhaseOptimisation);
    const std::vector<double> before = run.Weights();
    Random::Restart();
    const double mse = run.net->Initialize(run.scratch);
    if (c.phase < 0) {
      EXPECT_EQ(mse, 1e100) << c.hidden1 << c.hidden2 << c.method;
      EXPECT_EQ(run.progress.phase.Get(), kPhaseOptimisation);
      EXPECT_EQ(run.Weights(), before);
      continue;
    }
    EXPECT_EQ(run.progress.phase.Get(), c.phase);
    // Every method here improves on the zero weights at least once, so the
    // result is the mse of the weights the network holds.
    EXPECT_EQ(mse, run.net->ComputeMse(run.set)) << c.hidden1 << c.hidden2 << c.method;
    EXPECT_EQ(run.net->Mse(), mse);
    // The searches publish the best error as they find it; annealing shows
    // the last accepted one as each temperature begins.
    if (c.phase != kPhaseAnnealing) {
      EXPECT_EQ(run.progress.initializationMse.Get(), mse);
    }
    EXPECT_LT(mse, 1.0);
    EXPECT_TRUE(run.progress.TakeMessage().empty());

    // From the generator's start the same attempt gives the same weights.
    BoundNetwork again(c.hidden1, c.hidden2, c.method);
    Random::Restart();
    EXPECT_EQ(again.net->Initialize(again.scratch), mse);
    EXPECT_EQ(again.Weights(), run.Weights());
  }
}

TEST(Initialization, RegressionVariantsLeaveTheOutputLayerSolved) {
  for (int method : {kAnnealRegress, kGeneticRegress}) {
    for (int hidden2 : {0, 2}) {
      BoundNetwork run(4, hidden2, method);
      Random::Restart();
      const double mse = run.net->Initialize(run.scratch);
      const std::vector<double> searched = run.Weights();
      EXPECT_EQ(run.net->RegressionInitialization(), mse);
      EXPECT_EQ(run.Weights(), searched);
      const Matrix& out = run.net->OutputLayer()->Weights();
      for (int k = 0; k < out.Cols(); ++k) EXPECT_LE(std::fabs(out[0][k]), 15.0);
      if (method != kGeneticRegress) continue;
      // The hidden weights are decoded genes.
      const Matrix& hidden = static_cast<LayerNet2&>(*run.net).Hidden1()->Weights();
      for (int r = 0; r < hidden.Rows(); ++r)
        for (int k = 0; k < hidden.Cols(); ++k) {
          const double gene = hidden[r][k] / kGeneUnit;
          EXPECT_NEAR(gene, std::round(gene), 1e-6);
        }
    }
  }
}

TEST(Initialization, AnnealingEndsHoldingTheCentre) {
  BoundNetwork run(0, 0, kAnnealing);
  Random::Restart();
  const double mse = run.net->Initialize(run.scratch);
  BoundNetwork copy(0, 0, kAnnealing);
  copy.net->RestoreSnapshot(run.scratch);
  EXPECT_EQ(copy.Weights(), run.Weights());
  EXPECT_EQ(run.scratch.mse, mse);
  // The last temperature and the last accepted error are on show.
  EXPECT_NEAR(run.progress.initializationValue.Get(), 0.015, 1e-12);
}

TEST(Initialization, AStopRequestEndsTheSearchesEarly) {
  struct Case {
    int hidden1, method;
    double lastValue;  // the initialisation value last published
  };
  const Case cases[] = {
      {0, kAnnealing, 15.0},
      {3, kAnnealRegress, 15.0},
      {0, kGenetic, 1.0 + 4.0 / 6.0},
      {3, kGeneticRegress, 1.0 + 4.0 / 6.0},
  };
  for (const Case& c : cases) {
    BoundNetwork run(c.hidden1, 0, c.method);
    run.net->SetKeepRunning(false);
    Random::Restart();
    const double mse = run.net->Initialize(run.scratch);
    EXPECT_EQ(run.progress.initializationValue.Get(), c.lastValue) << c.method;
    EXPECT_EQ(mse, run.net->ComputeMse(run.set));
  }
}

// From the least-squares optimum of a linear network every candidate is
// worse, and a huge k rejects them all: the network keeps its weights and
// their mse, and the pass reports 1.0.
TEST(Initialization, AnnealingWithNothingAcceptedKeepsTheStartingWeights) {
  BoundNetwork run(0, 0, kRegression);
  run.net->Create(MakeSetup(2, 0, 0, 1, 0, 0, 2), true);
  run.setup.annealing.k = 2000000000;
  run.net->Bind(&run.set, &run.progress, run.setup);
  const double optimum = run.net->RegressionInitialization();
  const std::vector<double> start = run.Weights();
  run.net->AllocateSnapshots(run.scratch, run.scratch, run.scratch);
  Random::Restart();
  EXPECT_EQ(run.net->SimulatedAnnealing(run.setup.annealing, run.scratch), 1.0);
  EXPECT_EQ(run.Weights(), start);
  EXPECT_EQ(run.net->Mse(), optimum);
  EXPECT_EQ(run.progress.initializationMse.Get(), 1.0);
}

}  // namespace
