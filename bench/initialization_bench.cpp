// The initialisation kernels on a Friedman-sized problem (10 inputs, 5000
// cases): one output-layer regression of a 10:16T:1L network (hidden
// pass, svdcmp of 5000 x 17, back-substitution, mse), one annealing
// temperature with regression, and one weight-genetic generation step.
#include <benchmark/benchmark.h>

#include <cmath>

#include "net/LayerNet2.h"
#include "numerics/Random.h"
#include "search/WeightGenetic.h"

namespace {

constexpr int kInputs = 10;
constexpr int kHidden = 16;
constexpr int kCases = 5000;

// Friedman #1 targets from uniform inputs, without noise.
Matrix FriedmanSet() {
  Random::Restart();
  Matrix set(kCases, kInputs + 1);
  for (int r = 0; r < kCases; ++r) {
    double* x = set[r];
    for (int c = 0; c < kInputs; ++c) x[c] = Random::Uniform();
    x[kInputs] = 10 * std::sin(3.141592653589793 * x[0] * x[1]) + 20 * (x[2] - 0.5) * (x[2] - 0.5) +
                 10 * x[3] + 5 * x[4];
  }
  return set;
}

struct Problem {
  Matrix set = FriedmanSet();
  trainingProgress progress;
  trainingSetup setup;
  LayerNet2 net;

  Problem() {
    networkSetup description;
    description.SetFileIdentity();
    description.inputs = kInputs;
    description.hidden1 = kHidden;
    description.outputs = 1;
    description.hidden1Activation = 1;
    description.outputActivation = 2;
    net.Create(description, true);
    Vector w(net.WeightCount());
    for (int i = 0; i < w.Length(); ++i) w[i] = Random::RandomReal(-1, 1);
    net.SetWeights(w);
    net.Bind(&set, &progress, setup);
    net.SetKeepRunning(true);
  }
};

void BM_OutputLayerRegression(benchmark::State& state) {
  Problem problem;
  for (auto _ : state) benchmark::DoNotOptimize(problem.net.RegressionInitialization());
  state.SetItemsProcessed(state.iterations() * kCases);
}

BENCHMARK(BM_OutputLayerRegression)->Unit(benchmark::kMicrosecond);

void BM_AnnealRegressTemperature(benchmark::State& state) {
  Problem problem;
  annealingParameters one;
  one.temperatures = 1;
  one.iterations = 100;
  WeightSnapshot a, b, centre;
  problem.net.AllocateSnapshots(a, b, centre);
  for (auto _ : state) {
    Random::Restart();
    benchmark::DoNotOptimize(problem.net.SimulatedAnnealing(one, centre, true));
  }
}

BENCHMARK(BM_AnnealRegressTemperature)->Unit(benchmark::kMillisecond);

void BM_WeightGeneticStep(benchmark::State& state) {
  Random::Restart();
  WeightGenetic engine;
  engine.Initialise(20, kHidden * (kInputs + 1));
  for (auto _ : state) {
    for (int i = 0; i < 20; ++i) engine.Current()[i].error = 0.01 * i;
    benchmark::DoNotOptimize(engine.Step(0.85, 1e-4));
  }
}

BENCHMARK(BM_WeightGeneticStep)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
