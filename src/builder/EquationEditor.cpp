#include "builder/EquationEditor.h"

#include <string>

#include "builder/EquationMath.h"
#include "numerics/NumberText.h"

EquationEditor EquationEditor::ForVariable(const BuilderDocument& document, std::int32_t row) {
  return EquationEditor(document, document.Names().Variable(row), NameTable::kFirstVariable + row);
}

EquationEditor EquationEditor::ForDataSet(const BuilderDocument& document, std::int32_t index) {
  return EquationEditor(document, document.DataSet()[index], -1);
}

std::vector<std::u16string> EquationEditor::OperandList() const {
  std::vector<std::u16string> list;
  for (std::int32_t i = 0; i < OperandLimit(); ++i) list.emplace_back(names[i].name);
  return list;
}

std::vector<std::u16string> EquationEditor::FunctionList() {
  std::vector<std::u16string> list;
  for (std::int32_t i = 0; i < EquationMath::kFunctionCount; ++i)
    list.emplace_back(EquationMath::FunctionName(i));
  return list;
}

std::vector<std::u16string> EquationEditor::OperatorList() {
  std::vector<std::u16string> list;
  for (std::int32_t i = 0; i < EquationMath::kOperatorCount; ++i)
    list.emplace_back(EquationMath::OperatorSymbol(i));
  return list;
}

const char16_t* EquationEditor::FormCaption(std::int32_t kind) {
  static const char16_t* const captions[kEquationKinds] = {
      u" A constant value",     u"Func (x)",          u"( x  +  z )", u"( x +  w ) * z",
      u"( w + x ) * ( y + z )", u"IF (x>0) THEN ...", u"x = y",
  };
  return kind >= 0 && kind < kEquationKinds ? captions[kind] : u"";
}

const char16_t* EquationEditor::SlotCaption(Slot slot, std::int32_t kind) {
  const bool conditional = kind == kConditional;
  switch (slot) {
    case kSlotA: return u"( A";
    case kSlotB: return conditional ? u"IF" : u"B )";
    case kSlotC: return conditional ? u"THEN" : u"( C";
    case kSlotD: return conditional ? u"ELSE" : u"D )";
    case kSlotFunction: return u"func";
    default: return u"+";
  }
}

bool EquationEditor::SlotActive(Slot slot, std::int32_t kind) {
  return kind != kConditional || (slot != kSlotFunction && slot != kSlotOp2 && slot != kSlotOp3);
}

bool EquationEditor::SlotUsed(Slot slot, std::int32_t kind) {
  switch (kind) {
    case kFunction: return slot == kSlotFunction || slot == kSlotB;
    case kPair: return slot == kSlotA || slot == kSlotOp1 || slot == kSlotB;
    case kPairThenOperand:
      return slot == kSlotA || slot == kSlotOp1 || slot == kSlotB || slot == kSlotOp2 || slot == kSlotC;
    case kPairOfPairs: return slot != kSlotFunction;
    case kConditional: return slot == kSlotB || slot == kSlotC || slot == kSlotD;
    case kAssignment: return slot == kSlotA;
    default: return false;
  }
}

EquationEditor::Choice EquationEditor::Initial() const {
  Choice choice;
  choice.kind = edited.kind;
  choice.name = edited.name;
  choice.value = edited.value;
  choice.function = edited.function;
  const std::int32_t operands[4] = {edited.operandA, edited.operandB, edited.operandC, edited.operandD};
  const std::int32_t ops[3] = {edited.operator1, edited.operator2, edited.operator3};
  for (int i = 0; i < 4; ++i) choice.operand[i] = operands[i];
  for (int i = 0; i < 3; ++i) choice.op[i] = ops[i];
  return choice;
}

double EquationEditor::ReadValue(std::u16string_view text) {
  std::string narrow;
  for (char16_t c : text) narrow += c < 0x80 ? static_cast<char>(c) : '?';
  const char* stop = nullptr;
  return numbertext::ParseLeading(narrow.data(), narrow.data() + narrow.size(), &stop);
}

const char16_t* EquationEditor::Accept(const Choice& choice, Equation& out) const {
  const std::u16string name = ownIndex < 0 ? std::u16string(edited.name) : choice.name.substr(0, kNameLimit);
  if (const char16_t* error = names.ValidateVariableName(name, ownIndex)) return error;
  if (choice.kind < 0 || choice.kind >= kEquationKinds) return u"Unknown equation form";
  auto used = [&](Slot slot) { return SlotUsed(slot, choice.kind); };
  for (int i = 0; i < 4; ++i)
    if (used(static_cast<Slot>(kSlotA + i)) && (choice.operand[i] < 0 || choice.operand[i] >= OperandLimit()))
      return u"An operand can name only the predefined names and the variables above this one";
  for (int i = 0; i < 3; ++i)
    if (used(static_cast<Slot>(kSlotOp1 + i)) &&
        (choice.op[i] < 0 || choice.op[i] >= EquationMath::kOperatorCount))
      return u"Unknown operator";
  if (used(kSlotFunction) && (choice.function < 0 || choice.function >= EquationMath::kFunctionCount))
    return u"Unknown function";
  Equation record;
  record.kind = choice.kind;
  record.SetName(name.c_str());
  record.value = choice.value;
  if (used(kSlotFunction)) record.function = choice.function;
  std::int32_t* operands[4] = {&record.operandA, &record.operandB, &record.operandC, &record.operandD};
  for (int i = 0; i < 4; ++i)
    if (used(static_cast<Slot>(kSlotA + i))) *operands[i] = choice.operand[i];
  std::int32_t* ops[3] = {&record.operator1, &record.operator2, &record.operator3};
  for (int i = 0; i < 3; ++i)
    if (used(static_cast<Slot>(kSlotOp1 + i))) *ops[i] = choice.op[i];
  out = record;
  return nullptr;
}
