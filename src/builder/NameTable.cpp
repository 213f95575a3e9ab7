#include "builder/NameTable.h"

#include <cstdio>

namespace {

void MakeConstant(Equation& equation, const char16_t* name, double value) {
  equation = Equation();
  equation.SetName(name);
  equation.value = value;
}

bool IsLetter(char16_t c) { return (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z'); }
bool IsDigit(char16_t c) { return c >= u'0' && c <= u'9'; }

}  // namespace

void NameTable::Reset(std::int32_t rows, std::int32_t cols) {
  MakeConstant(entries[0], u"\u03C0", 3.141592653589793);
  MakeConstant(entries[1], u"2\u03C0", 6.283185307179586);
  MakeConstant(entries[2], u"e", 2.718281828459045);
  const char16_t* const wholes[] = {u"0", u"1", u"2", u"3", u"4", u"5", u"6", u"7", u"8", u"9", u"10"};
  for (int i = 0; i <= 10; ++i) MakeConstant(entries[3 + i], wholes[i], i);
  const char16_t* const tenths[] = {u"0.1", u"0.2", u"0.3", u"0.4", u"0.5", u"0.6", u"0.7", u"0.8", u"0.9"};
  const double tenthValues[] = {0.1, 0.2, 0.3, 0.4, 0.5, 0.6, 0.7, 0.8, 0.9};
  for (int i = 0; i < 9; ++i) MakeConstant(entries[14 + i], tenths[i], tenthValues[i]);
  MakeConstant(entries[kRow], u"row", 0);
  MakeConstant(entries[kCol], u"col", 0);
  MakeConstant(entries[kRowsMinus1], u"(rows-1)", 0);
  MakeConstant(entries[kColsMinus1], u"(cols-1)", 0);
  MakeConstant(entries[kRows], u"rows", 0);
  MakeConstant(entries[kCols], u"cols", 0);
  SetShape(rows, cols);
  for (std::int32_t row = 0; row < kVariables; ++row) {
    char narrow[8];
    std::snprintf(narrow, sizeof narrow, "x%02d", static_cast<int>(row + 1));
    char16_t name[8] = {};
    for (int i = 0; narrow[i]; ++i) name[i] = static_cast<char16_t>(narrow[i]);
    MakeFreshVariable(Variable(row), name);
  }
}

void NameTable::SetShape(std::int32_t rows, std::int32_t cols) {
  entries[kRowsMinus1].value = static_cast<double>(rows) - 1;
  entries[kColsMinus1].value = static_cast<double>(cols) - 1;
  entries[kRows].value = rows;
  entries[kCols].value = cols;
}

const char16_t* NameTable::OperandName(std::int32_t index) const {
  return IsValidIndex(index) ? entries[index].name : u"error";
}

std::int32_t NameTable::Find(std::u16string_view name) const {
  for (std::int32_t i = 0; i < kSize; ++i)
    if (name == entries[i].name) return i;
  return -1;
}

void NameTable::MakeFreshVariable(Equation& equation, const char16_t* name) {
  equation = Equation();
  equation.SetName(name);
  equation.operandA = equation.operandB = equation.operandC = equation.operandD = kZero;
}

const char16_t* NameTable::ValidateVariableName(std::u16string_view name, std::int32_t ownIndex) const {
  if (name.empty()) return u"The variable name length must be at least one";
  for (char16_t c : name)
    if (!IsLetter(c) && !IsDigit(c) && c != u'_')
      return u"A variable name must contain letters, numbers or \"_\"";
  if (!IsLetter(name[0]) && name[0] != u'_') return u"A variable name must start with a letter or \"_\"";
  if (ownIndex < 0) return nullptr;
  for (std::int32_t i = 0; i < kSize; ++i)
    if (i != ownIndex && name == entries[i].name) return u"A variable with this name already exists";
  return nullptr;
}
