#pragma once
#include <array>
#include <cstdint>
#include <string>

#include "builder/Equation.h"

// The 119 names an operand can refer to: 29 predefined constants (the
// numbers, "row", "col" and the shape of the set) followed by the 90
// variable equations. Operands hold indices, so renaming a variable keeps
// every reference to it.
class NameTable {
 public:
  static constexpr std::int32_t kSize = 119;
  static constexpr std::int32_t kFirstVariable = 29;
  static constexpr std::int32_t kVariables = 90;
  static constexpr std::int32_t kZero = 3;  // the entry "0"
  static constexpr std::int32_t kRow = 23;
  static constexpr std::int32_t kCol = 24;
  static constexpr std::int32_t kRowsMinus1 = 25;
  static constexpr std::int32_t kColsMinus1 = 26;
  static constexpr std::int32_t kRows = 27;
  static constexpr std::int32_t kCols = 28;

  // Predefined entries, "row" and "col" 0, the shape entries from the
  // arguments, and the 90 fresh variables "x01" .. "x90".
  void Reset(std::int32_t rows, std::int32_t cols);
  void SetShape(std::int32_t rows, std::int32_t cols);

  Equation& operator[](std::int32_t index) { return entries[index]; }
  const Equation& operator[](std::int32_t index) const { return entries[index]; }
  Equation& Variable(std::int32_t row) { return entries[kFirstVariable + row]; }
  const Equation& Variable(std::int32_t row) const { return entries[kFirstVariable + row]; }

  static bool IsValidIndex(std::int32_t index) { return index >= 0 && index < kSize; }
  // The value an operand reads: 0 for an index outside the table.
  double OperandValue(std::int32_t index) const { return IsValidIndex(index) ? entries[index].value : 0; }
  // The name an operand shows: "error" for an index outside the table.
  const char16_t* OperandName(std::int32_t index) const;
  // The first entry named `name`, or -1.
  std::int32_t Find(std::u16string_view name) const;

  // Constant 0, operands on the entry "0", operators "+", under `name`.
  static void MakeFreshVariable(Equation& equation, const char16_t* name);

  // The editor's rules for the name of table entry `ownIndex` (or of a
  // data-set equation when ownIndex is -1): null when the name passes.
  const char16_t* ValidateVariableName(std::u16string_view name, std::int32_t ownIndex) const;

 private:
  std::array<Equation, kSize> entries;
};
