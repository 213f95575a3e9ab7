#include "builder/BuildProgram.h"

BuildProgram::BuildProgram(const NameTable& names, const std::vector<Equation>& dataSet) {
  const std::size_t tableAndData = NameTable::kSize + dataSet.size();
  zeroSlot = static_cast<std::uint32_t>(tableAndData);
  values.assign(tableAndData + 1, 0.0);
  for (std::int32_t i = 0; i < NameTable::kSize; ++i) values[i] = names[i].value;
  for (std::size_t i = 0; i < dataSet.size(); ++i) values[NameTable::kSize + i] = dataSet[i].value;
  steps.reserve(NameTable::kVariables + dataSet.size());
  for (std::int32_t i = NameTable::kFirstVariable; i < NameTable::kSize; ++i)
    steps.push_back(Compile(names[i], static_cast<std::uint32_t>(i)));
  for (std::size_t i = 0; i < dataSet.size(); ++i)
    steps.push_back(Compile(dataSet[i], static_cast<std::uint32_t>(NameTable::kSize + i)));
}

// An operand outside the table reads the spare slot that always holds 0,
// just as NameTable::OperandValue reads 0 for it.
std::uint32_t BuildProgram::Slot(std::int32_t operand) const {
  return NameTable::IsValidIndex(operand) ? static_cast<std::uint32_t>(operand) : zeroSlot;
}

BuildProgram::Step BuildProgram::Compile(const Equation& e, std::uint32_t target) const {
  return {e.kind,           e.function,       e.operator1,      e.operator2,      e.operator3,
          Slot(e.operandA), Slot(e.operandB), Slot(e.operandC), Slot(e.operandD), target};
}

void BuildProgram::StoreValues(NameTable& names, std::vector<Equation>& dataSet) const {
  for (std::int32_t i = 0; i < NameTable::kSize; ++i) names[i].value = values[i];
  for (std::size_t i = 0; i < dataSet.size(); ++i) dataSet[i].value = values[NameTable::kSize + i];
}
