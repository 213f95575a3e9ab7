// The training kernels on the shape of the Friedman problem (10:16T:1L over
// 5000 rows): the mse pass, the gradient pass, the Levenberg-Marquardt error
// pass and one output-layer regression (a 5000 x 17 decomposition and its
// back-substitution).
#include <benchmark/benchmark.h>

#include <cmath>

#include "net/LayerNet2.h"
#include "numerics/MatrixOperation.h"
#include "numerics/Random.h"

namespace {

constexpr int kRows = 5000;
constexpr int kInputs = 10;
constexpr int kHidden = 16;

// The network and a set of the Friedman problem's shape, in scaled units.
struct Problem {
  LayerNet2 net;
  Matrix set{kRows, kInputs + 1};
  trainingProgress progress;

  Problem() {
    networkSetup setup;
    setup.SetFileIdentity();
    setup.inputs = kInputs;
    setup.hidden1 = kHidden;
    setup.outputs = 1;
    setup.hidden1Activation = 1;
    setup.outputActivation = 2;
    net.Create(setup, true);
    Random::Restart();
    Vector w(net.WeightCount());
    for (int i = 0; i < w.Length(); ++i) w[i] = Random::RandomReal(-0.5, 0.5);
    net.SetWeights(w);
    for (int r = 0; r < kRows; ++r) {
      double* x = set[r];
      for (int c = 0; c < kInputs; ++c) x[c] = Random::RandomReal(-1, 1);
      x[kInputs] = std::sin(x[0] * x[1]) + x[3] * x[3] - 0.5 * x[4];
    }
    trainingSetup training;
    net.Bind(&set, &progress, training);
    net.SetKeepRunning(true);
    net.PrepareOptimisation();
  }
};

void BM_ComputeMse(benchmark::State& state) {
  Problem p;
  for (auto _ : state) benchmark::DoNotOptimize(p.net.ComputeMse(p.set));
  state.SetItemsProcessed(state.iterations() * kRows);
}
BENCHMARK(BM_ComputeMse)->Unit(benchmark::kMicrosecond);

void BM_Gradient(benchmark::State& state) {
  Problem p;
  Vector g;
  for (auto _ : state) benchmark::DoNotOptimize(p.net.Gradient(g));
  state.SetItemsProcessed(state.iterations() * kRows);
}
BENCHMARK(BM_Gradient)->Unit(benchmark::kMicrosecond);

// items: the multiply-adds of alpha's lower triangle (n (n + 1) / 2 per row).
void BM_ErrorAndDerivatives(benchmark::State& state) {
  Problem p;
  const int n = p.net.WeightCount();
  Matrix alpha(n, n);
  Vector beta(n);
  for (auto _ : state) benchmark::DoNotOptimize(p.net.ErrorAndDerivatives(alpha, beta));
  state.SetItemsProcessed(state.iterations() * kRows * static_cast<std::int64_t>(n) * (n + 1) / 2);
}
BENCHMARK(BM_ErrorAndDerivatives)->Unit(benchmark::kMillisecond);

void BM_OutputRegression(benchmark::State& state) {
  Random::Restart();
  Matrix design(kRows, kHidden + 1);
  Vector b(kRows), x;
  for (int r = 0; r < kRows; ++r) {
    for (int c = 0; c < kHidden; ++c) design[r][c] = std::tanh(Random::RandomReal(-2, 2));
    design[r][kHidden] = 1.0;
    b[r] = Random::RandomReal(-1, 1);
  }
  MatrixOperation op;
  op.Setup(kRows, kHidden + 1);
  for (auto _ : state) {
    state.PauseTiming();
    op.A.CopyFrom(design);
    state.ResumeTiming();
    op.svdcmp();
    benchmark::DoNotOptimize(op.BackSubstitute(b, x));
  }
}
BENCHMARK(BM_OutputRegression)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
