// Rows per second of ComputeMse, the forward pass every evaluation waits
// for, on 100,000 rows for a 16:32T:4L and a 10:16T:1L network. Weights and
// inputs are uniform in [-1, 1] from the fixed generator. bench/forward.sh
// runs this beside the FANN peer on the same shapes.
#include <benchmark/benchmark.h>

#include "net/LayerNet2.h"
#include "numerics/Random.h"

namespace {

constexpr std::int32_t kRows = 100000;

struct Shape {
  std::int32_t inputs, hidden, outputs;
};

void Prepare(LayerNet2& net, Matrix& set, Shape shape) {
  networkSetup setup;
  setup.SetFileIdentity();
  setup.inputs = shape.inputs;
  setup.hidden1 = shape.hidden;
  setup.outputs = shape.outputs;
  setup.hidden1Activation = 1;
  setup.outputActivation = 2;
  net.Create(setup, true);
  Random::Restart();
  Vector weights(net.WeightCount());
  for (std::int32_t i = 0; i < weights.Length(); ++i) weights[i] = Random::RandomReal(-1.0, 1.0);
  net.SetWeights(weights);
  set.Resize(kRows, shape.inputs + shape.outputs);
  for (std::int32_t r = 0; r < kRows; ++r)
    for (std::int32_t c = 0; c < set.Cols(); ++c) set[r][c] = Random::RandomReal(-1.0, 1.0);
}

void ComputeMseRows(benchmark::State& state, Shape shape) {
  LayerNet2 net;
  Matrix set;
  Prepare(net, set, shape);
  for (auto _ : state) benchmark::DoNotOptimize(net.ComputeMse(set));
  state.SetItemsProcessed(state.iterations() * kRows);
}

BENCHMARK_CAPTURE(ComputeMseRows, net_16_32T_4L, Shape{16, 32, 4})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK_CAPTURE(ComputeMseRows, net_10_16T_1L, Shape{10, 16, 1})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
