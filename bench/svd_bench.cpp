// svdcmp on dense random matrices of the sizes the output-layer regression
// meets: square and tall.
#include <benchmark/benchmark.h>

#include "numerics/MatrixOperation.h"
#include "numerics/Random.h"

namespace {

void BM_Svdcmp(benchmark::State& state) {
  const int m = static_cast<int>(state.range(0)), n = static_cast<int>(state.range(1));
  Random::Restart();
  Matrix source(m, n);
  for (int i = 0; i < m; ++i)
    for (int j = 0; j < n; ++j) source[i][j] = Random::RandomReal(-1, 1);
  MatrixOperation op;
  for (auto _ : state) {
    state.PauseTiming();
    op.Setup(m, n);
    op.A.CopyFrom(source);
    state.ResumeTiming();
    benchmark::DoNotOptimize(op.svdcmp());
  }
}

BENCHMARK(BM_Svdcmp)->Args({200, 200})->Args({2000, 200})->Unit(benchmark::kMillisecond);

void BM_BackSubstitute(benchmark::State& state) {
  const int m = 2000, n = 200;
  Random::Restart();
  MatrixOperation op;
  op.Setup(m, n);
  for (int i = 0; i < m; ++i)
    for (int j = 0; j < n; ++j) op.A[i][j] = Random::RandomReal(-1, 1);
  op.svdcmp();
  Vector b(m), x;
  for (int i = 0; i < m; ++i) b[i] = Random::RandomReal(-1, 1);
  for (auto _ : state) benchmark::DoNotOptimize(op.BackSubstitute(b, x));
}

BENCHMARK(BM_BackSubstitute)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
