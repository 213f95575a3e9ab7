// The complex-domain training kernels on a 5:8T:3L complex network over 2000
// rows: the gradient pass, the Levenberg-Marquardt error pass and one
// output-layer regression (a 4000 x 18 decomposition, three back-substitutions).
#include <benchmark/benchmark.h>

#include <cmath>

#include "net/LayerNet2.h"
#include "numerics/Random.h"

namespace {

constexpr int kRows = 2000;
constexpr int kInputs = 5;
constexpr int kHidden = 8;
constexpr int kOutputs = 3;

struct ComplexProblem {
  LayerNet2 net;
  Matrix set{kRows, 2 * (kInputs + kOutputs)};
  trainingProgress progress;

  ComplexProblem() {
    networkSetup setup;
    setup.SetFileIdentity();
    setup.inputs = kInputs;
    setup.hidden1 = kHidden;
    setup.outputs = kOutputs;
    setup.hidden1Activation = 1;
    setup.outputActivation = 2;
    setup.complex = 1;
    net.Create(setup, true);
    Random::Restart();
    Vector w(net.WeightCount());
    for (int i = 0; i < w.Length(); ++i) w[i] = Random::RandomReal(-0.5, 0.5);
    net.SetWeights(w);
    for (int r = 0; r < kRows; ++r)
      for (int c = 0; c < set.Cols(); ++c) set[r][c] = Random::RandomReal(-1, 1);
    net.Bind(&set, &progress, trainingSetup{});
    net.SetKeepRunning(true);
    net.PrepareOptimisation();
  }
};

void BM_ComplexGradient(benchmark::State& state) {
  ComplexProblem p;
  Vector g;
  for (auto _ : state) benchmark::DoNotOptimize(p.net.Gradient(g));
  state.SetItemsProcessed(state.iterations() * kRows);
}
BENCHMARK(BM_ComplexGradient)->Unit(benchmark::kMicrosecond);

void BM_ComplexErrorAndDerivatives(benchmark::State& state) {
  ComplexProblem p;
  const int n = p.net.WeightCount();
  Matrix alpha(n, n);
  Vector beta(n);
  for (auto _ : state) benchmark::DoNotOptimize(p.net.ErrorAndDerivatives(alpha, beta));
  state.SetItemsProcessed(state.iterations() * kRows);
}
BENCHMARK(BM_ComplexErrorAndDerivatives)->Unit(benchmark::kMillisecond);

void BM_ComplexRegression(benchmark::State& state) {
  ComplexProblem p;
  for (auto _ : state) benchmark::DoNotOptimize(p.net.RegressionInitialization());
  state.SetItemsProcessed(state.iterations() * kRows);
}
BENCHMARK(BM_ComplexRegression)->Unit(benchmark::kMillisecond);

}  // namespace
BENCHMARK_MAIN();
