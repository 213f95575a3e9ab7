// Build throughput of the data set builder: a 65,536 x 16 set by column whose
// 90 variables are all computed (none constant), counted in equation
// evaluations per second (91 per cell). The flat build is measured beside
// the record-by-record evaluation it must match.
#include <benchmark/benchmark.h>

#include <cstring>

#include "builder/BuilderDocument.h"
#include "numerics/Random.h"

namespace {

constexpr std::int32_t kRows = 65536, kCols = 16;

Equation MakeVariable(int row) {
  using namespace EquationMath;
  Equation e;
  const std::int32_t self = NameTable::kFirstVariable + row;
  auto earlier = [&](int back) { return row >= back ? self - back : NameTable::kRow + back % 2; };
  e.operandA = earlier(1);
  e.operandB = row % 3 == 0 ? NameTable::kCol : 4 + row % 10;
  e.operandC = earlier(2);
  e.operandD = 14 + row % 9;
  const std::int32_t ops[] = {kPlus, kTimes, kMinus, kDivide, kMax, kGreater, kMin, kPlus};
  e.operator1 = ops[row % 8];
  e.operator2 = ops[(row + 3) % 8];
  e.operator3 = ops[(row + 5) % 8];
  const std::int32_t kinds[] = {kPair,     kPairThenOperand, kPairOfPairs,
                                kFunction, kConditional,     kPairOfPairs,
                                kPair,     kAssignment,      kPairThenOperand};
  e.kind = kinds[row % 9];
  const std::int32_t functions[] = {kAbs, kFloor, kSqrt, kNot, kIsPrime, kCeil};
  e.function = functions[row % 6];
  return e;
}

BuilderDocument MakeDocument() {
  BuilderDocument doc;
  doc.Reset(BuilderDocument::kByColumn, kRows, kCols);
  for (int row = 0; row < NameTable::kVariables; ++row) {
    Equation e = MakeVariable(row);
    e.SetName(doc.Names().Variable(row).name);
    doc.Names().Variable(row) = e;
  }
  for (int c = 0; c < kCols; ++c) {
    Equation& e = doc.DataSet()[c];
    e.kind = kPairOfPairs;
    e.operandA = 118 - c;
    e.operandB = 100 + c;
    e.operandC = NameTable::kRow;
    e.operandD = 60 + c;
    e.operator1 = EquationMath::kPlus;
    e.operator2 = EquationMath::kTimes;
    e.operator3 = EquationMath::kMinus;
  }
  return doc;
}

void Report(benchmark::State& state) {
  state.counters["evaluations/s"] = benchmark::Counter(
      static_cast<double>(kRows) * kCols * (NameTable::kVariables + 1) * state.iterations(),
      benchmark::Counter::kIsRate);
}

void BM_BuildFlat(benchmark::State& state) {
  BuilderDocument doc = MakeDocument();
  Matrix set(kRows, kCols);
  for (auto _ : state) {
    doc.Build(set);
    benchmark::DoNotOptimize(set[kRows - 1][kCols - 1]);
  }
  Report(state);
}

void BM_BuildRecordByRecord(benchmark::State& state) {
  BuilderDocument doc = MakeDocument();
  Matrix set(kRows, kCols);
  for (auto _ : state) {
    doc.Names().SetShape(kRows, kCols);
    for (std::int32_t r = 0; r < kRows; ++r)
      for (std::int32_t c = 0; c < kCols; ++c) {
        doc.EnterCell(r, c);
        doc.EvaluateVariables();
        set[r][c] = doc.EvaluateDataSetEquation(c);
      }
    benchmark::DoNotOptimize(set[kRows - 1][kCols - 1]);
  }
  Report(state);
}

// Not a timing: fails the run when the two builds disagree in any bit.
void BM_CheckIdentical(benchmark::State& state) {
  BuilderDocument flat = MakeDocument(), plain = MakeDocument();
  Matrix a(kRows, kCols), b(kRows, kCols);
  flat.Build(a);
  plain.Names().SetShape(kRows, kCols);
  for (std::int32_t r = 0; r < kRows; ++r)
    for (std::int32_t c = 0; c < kCols; ++c) {
      plain.EnterCell(r, c);
      plain.EvaluateVariables();
      b[r][c] = plain.EvaluateDataSetEquation(c);
    }
  for (std::int32_t r = 0; r < kRows; ++r)
    if (std::memcmp(a[r], b[r], sizeof(double) * kCols) != 0) state.SkipWithError("builds differ");
  for (auto _ : state) benchmark::DoNotOptimize(a[0][0]);
}

BENCHMARK(BM_BuildFlat)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BuildRecordByRecord)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CheckIdentical)->Iterations(1);

}  // namespace

BENCHMARK_MAIN();
