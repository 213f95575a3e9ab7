// The FFT lab's transform over a block of 4096 rows of 1024 real samples,
// the shape of the side-by-side peer runs.
#include <benchmark/benchmark.h>

#include <cmath>

#include "tools/FftLab.h"
#include "tools/FourierTransform.h"

namespace {

constexpr std::int32_t kRows = 4096;
constexpr std::int32_t kColumns = 1024;

Matrix Signals() {
  Matrix signals(kRows, kColumns);
  for (std::int32_t r = 0; r < kRows; ++r)
    for (std::int32_t c = 0; c < kColumns; ++c) signals[r][c] = std::sin(0.01 * r * c + r) + 0.1 * (c % 7);
  return signals;
}

// The whole forward step as the lab runs it: copy, transform, scale by 1/N.
void BM_FftLabForwardRows(benchmark::State& state) {
  const Matrix signals = Signals();
  FftOptions options;
  options.realData = state.range(0) != 0;
  Matrix spectra;
  for (auto _ : state) {
    FftLab::TransformRows(signals, options, spectra);
    benchmark::DoNotOptimize(spectra[kRows - 1][1]);
  }
  state.SetItemsProcessed(state.iterations() * kRows);
}
BENCHMARK(BM_FftLabForwardRows)->Arg(1)->Arg(0)->ArgNames({"real"})->Unit(benchmark::kMillisecond);

// The packed real transform alone, in place over the block (rows restored
// outside the clock would dominate, so the block is transformed repeatedly).
void BM_RealTransformInPlace(benchmark::State& state) {
  Matrix block = Signals();
  FourierTransform transform(kColumns);
  for (auto _ : state) {
    for (std::int32_t r = 0; r < kRows; ++r) transform.Real(block[r], FourierTransform::kForward);
    benchmark::DoNotOptimize(block[kRows - 1][1]);
    benchmark::ClobberMemory();
  }
  state.SetItemsProcessed(state.iterations() * kRows);
}
BENCHMARK(BM_RealTransformInPlace)->Unit(benchmark::kMillisecond);

void BM_InverseRows(benchmark::State& state) {
  Matrix spectra;
  FftLab::TransformRows(Signals(), FftOptions{}, spectra);
  Matrix signals;
  for (auto _ : state) {
    FftLab::InverseRows(spectra, FftOptions{}, signals);
    benchmark::DoNotOptimize(signals[kRows - 1][1]);
  }
}
BENCHMARK(BM_InverseRows)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
