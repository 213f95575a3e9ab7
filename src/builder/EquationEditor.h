#pragma once
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "builder/BuilderDocument.h"

// What the equation editor dialog shows and accepts, without the dialog:
// the lists of each slot, the captions per form and the check and assembly
// of the record on OK. The dialog only moves these texts and indices.
class EquationEditor {
 public:
  enum Slot { kSlotA, kSlotB, kSlotC, kSlotD, kSlotFunction, kSlotOp1, kSlotOp2, kSlotOp3, kSlots };

  // The editor's fields: the form, the name and value texts' contents and
  // the list position chosen in every slot.
  struct Choice {
    std::int32_t kind = kConstant;
    std::u16string name;
    double value = 0;
    std::int32_t function = 0;
    std::int32_t operand[4] = {};
    std::int32_t op[3] = {};
  };

  static constexpr std::size_t kNameLimit = 14;

  static EquationEditor ForVariable(const BuilderDocument& document, std::int32_t row);
  static EquationEditor ForDataSet(const BuilderDocument& document, std::int32_t index);

  bool NameReadOnly() const { return ownIndex < 0; }
  // Table entries 0 .. k-1: all 119 for a data-set equation, the
  // predefined ones and the variables above it for a variable.
  std::vector<std::u16string> OperandList() const;
  static std::vector<std::u16string> FunctionList();
  static std::vector<std::u16string> OperatorList();
  static const char16_t* FormCaption(std::int32_t kind);
  // The caption of a slot's button before anything is chosen in it.
  static const char16_t* SlotCaption(Slot slot, std::int32_t kind);
  // False for the slots that do nothing in the form (the conditional's
  // function and second and third operator slots).
  static bool SlotActive(Slot slot, std::int32_t kind);
  static bool SlotUsed(Slot slot, std::int32_t kind);

  // The fields as the dialog opens on the edited equation.
  Choice Initial() const;
  // The value field's text read as a decimal number (0 when it holds none).
  static double ReadValue(std::u16string_view text);
  // Checks the choice; on success `out` is the assembled record, with every
  // slot the form does not use set to 0. Returns null or the message.
  const char16_t* Accept(const Choice& choice, Equation& out) const;

 private:
  EquationEditor(const BuilderDocument& document, const Equation& edited, std::int32_t ownIndex)
      : names(document.Names()), edited(edited), ownIndex(ownIndex) {}
  std::int32_t OperandLimit() const { return ownIndex < 0 ? NameTable::kSize : ownIndex; }

  const NameTable& names;
  const Equation& edited;
  std::int32_t ownIndex;  // -1 for a data-set equation
};
