#include "builder/BuildProgram.h"

#include <array>
#include <utility>

namespace {

using EquationMath::ApplyOperator;
using EquationMath::DrawFlags;
using Step = BuildProgram::Step;
using Kernel = BuildProgram::Kernel;
constexpr std::size_t kOps = EquationMath::kOperatorCount;

void Generic(const Step& s, double* v, DrawFlags flags) {
  double result;
  if (EquationMath::EvaluateForm(s.kind, s.function, s.op1, s.op2, s.op3, v[s.a], v[s.b], v[s.c], v[s.d],
                                 flags, result))
    v[s.target] = EquationMath::Stored(result);
}

void Unchanged(const Step&, double*, DrawFlags) {}

void FunctionKernel(const Step& s, double* v, DrawFlags flags) {
  double result;
  if (EquationMath::ApplyFunction(s.function, v[s.b], flags, result))
    v[s.target] = EquationMath::Stored(result);
}

void ConditionalKernel(const Step& s, double* v, DrawFlags) {
  v[s.target] = EquationMath::Stored(v[s.b] != 0 ? v[s.c] : v[s.d]);
}

void AssignmentKernel(const Step& s, double* v, DrawFlags) { v[s.target] = EquationMath::Stored(v[s.a]); }

template <int Op>
void PairKernel(const Step& s, double* v, DrawFlags) {
  v[s.target] = EquationMath::Stored(ApplyOperator(Op, v[s.a], v[s.b]));
}

template <int Op1, int Op2>
void ThenKernel(const Step& s, double* v, DrawFlags) {
  v[s.target] = EquationMath::Stored(ApplyOperator(Op2, ApplyOperator(Op1, v[s.a], v[s.b]), v[s.c]));
}

template <int Op1, int Op2>
void PairsKernel(const Step& s, double* v, DrawFlags) {
  const double right = ApplyOperator(s.op3, v[s.c], v[s.d]);
  v[s.target] = EquationMath::Stored(ApplyOperator(Op2, ApplyOperator(Op1, v[s.a], v[s.b]), right));
}

using Row = std::array<Kernel, kOps>;

template <std::size_t... Op>
constexpr Row PairRow(std::index_sequence<Op...>) {
  return {&PairKernel<Op>...};
}

template <std::size_t Op1, std::size_t... Op2>
constexpr Row ThenRow(std::index_sequence<Op2...>) {
  return {&ThenKernel<Op1, Op2>...};
}

template <std::size_t Op1, std::size_t... Op2>
constexpr Row PairsRow(std::index_sequence<Op2...>) {
  return {&PairsKernel<Op1, Op2>...};
}

template <std::size_t... Op1>
constexpr std::array<Row, kOps> ThenTable(std::index_sequence<Op1...>) {
  return {ThenRow<Op1>(std::make_index_sequence<kOps>())...};
}

template <std::size_t... Op1>
constexpr std::array<Row, kOps> PairsTable(std::index_sequence<Op1...>) {
  return {PairsRow<Op1>(std::make_index_sequence<kOps>())...};
}

constexpr Row kPairKernels = PairRow(std::make_index_sequence<kOps>());
constexpr std::array<Row, kOps> kThenKernels = ThenTable(std::make_index_sequence<kOps>());
constexpr std::array<Row, kOps> kPairsKernels = PairsTable(std::make_index_sequence<kOps>());

bool IsOperator(std::int32_t code) { return code >= 0 && code < static_cast<std::int32_t>(kOps); }

// The kernel for an equation; unknown operator codes take the general path.
Kernel ChooseKernel(const Equation& e) {
  switch (e.kind) {
    case kConstant: return &Unchanged;
    case kFunction: return &FunctionKernel;
    case kPair: return IsOperator(e.operator1) ? kPairKernels[e.operator1] : &Generic;
    case kPairThenOperand:
      return IsOperator(e.operator1) && IsOperator(e.operator2) ? kThenKernels[e.operator1][e.operator2]
                                                                : &Generic;
    case kPairOfPairs:
      return IsOperator(e.operator1) && IsOperator(e.operator2) ? kPairsKernels[e.operator1][e.operator2]
                                                                : &Generic;
    case kConditional: return &ConditionalKernel;
    case kAssignment: return &AssignmentKernel;
    default: return &Unchanged;
  }
}

}  // namespace

BuildProgram::BuildProgram(const NameTable& names, const std::vector<Equation>& dataSet) {
  const std::size_t tableAndData = NameTable::kSize + dataSet.size();
  zeroSlot = static_cast<std::uint32_t>(tableAndData);
  values.assign(tableAndData + 1, 0.0);
  for (std::int32_t i = 0; i < NameTable::kSize; ++i) values[i] = names[i].value;
  for (std::size_t i = 0; i < dataSet.size(); ++i) values[NameTable::kSize + i] = dataSet[i].value;
  steps.reserve(NameTable::kVariables + dataSet.size());
  for (std::int32_t i = NameTable::kFirstVariable; i < NameTable::kSize; ++i)
    if (ChooseKernel(names[i]) != &Unchanged)
      steps.push_back(Compile(names[i], static_cast<std::uint32_t>(i)));
  variableSteps = steps.size();
  for (std::size_t i = 0; i < dataSet.size(); ++i)
    steps.push_back(Compile(dataSet[i], static_cast<std::uint32_t>(NameTable::kSize + i)));
}

// An operand outside the table reads the spare slot that always holds 0,
// just as NameTable::OperandValue reads 0 for it.
std::uint32_t BuildProgram::Slot(std::int32_t operand) const {
  return NameTable::IsValidIndex(operand) ? static_cast<std::uint32_t>(operand) : zeroSlot;
}

BuildProgram::Step BuildProgram::Compile(const Equation& e, std::uint32_t target) const {
  return {ChooseKernel(e),  e.kind,           e.function,       e.operator1,      e.operator2, e.operator3,
          Slot(e.operandA), Slot(e.operandB), Slot(e.operandC), Slot(e.operandD), target};
}

void BuildProgram::StoreValues(NameTable& names, std::vector<Equation>& dataSet) const {
  for (std::int32_t i = 0; i < NameTable::kSize; ++i) names[i].value = values[i];
  for (std::size_t i = 0; i < dataSet.size(); ++i) dataSet[i].value = values[NameTable::kSize + i];
}
