#include <gtest/gtest.h>

#include "builder/EquationEditor.h"
#include "builder/EquationParser.h"
#include "builder/EquationText.h"

namespace {

TEST(EquationEditor, OperandListsFollowTheEditedEquation) {
  BuilderDocument doc;
  const auto first = EquationEditor::ForVariable(doc, 0).OperandList();
  ASSERT_EQ(first.size(), 29u);
  EXPECT_EQ(first[0], u"π");
  EXPECT_EQ(first[28], u"cols");
  EXPECT_EQ(EquationEditor::ForVariable(doc, 5).OperandList().back(), u"x05");
  const auto data = EquationEditor::ForDataSet(doc, 1).OperandList();
  ASSERT_EQ(data.size(), 119u);
  EXPECT_EQ(data[118], u"x90");
  EXPECT_EQ(EquationEditor::FunctionList().size(), 34u);
  EXPECT_EQ(EquationEditor::OperatorList()[17], u"BIT");
  EXPECT_TRUE(EquationEditor::ForDataSet(doc, 0).NameReadOnly());
  EXPECT_FALSE(EquationEditor::ForVariable(doc, 0).NameReadOnly());
}

TEST(EquationEditor, CaptionsAndActiveSlotsPerForm) {
  using E = EquationEditor;
  EXPECT_EQ(std::u16string(E::FormCaption(kPairOfPairs)), u"( w + x ) * ( y + z )");
  EXPECT_EQ(std::u16string(E::FormCaption(kConstant)), u" A constant value");
  EXPECT_EQ(std::u16string(E::SlotCaption(E::kSlotB, kPair)), u"B )");
  EXPECT_EQ(std::u16string(E::SlotCaption(E::kSlotB, kConditional)), u"IF");
  EXPECT_EQ(std::u16string(E::SlotCaption(E::kSlotC, kConditional)), u"THEN");
  EXPECT_EQ(std::u16string(E::SlotCaption(E::kSlotD, kConditional)), u"ELSE");
  EXPECT_FALSE(E::SlotActive(E::kSlotFunction, kConditional));
  EXPECT_FALSE(E::SlotActive(E::kSlotOp3, kConditional));
  EXPECT_TRUE(E::SlotActive(E::kSlotOp1, kConditional));
  EXPECT_TRUE(E::SlotActive(E::kSlotFunction, kPair));
}

TEST(EquationEditor, AcceptZeroesUnusedSlotsAndChecksTheName) {
  BuilderDocument doc;
  const EquationEditor editor = EquationEditor::ForVariable(doc, 3);
  EquationEditor::Choice choice = editor.Initial();
  EXPECT_EQ(choice.name, u"x04");
  choice.kind = kFunction;
  choice.function = 9;
  choice.operand[0] = 7;
  choice.operand[1] = 30;
  choice.operand[3] = 8;
  choice.op[0] = 4;
  choice.name = u"amplitude_long_name";
  choice.value = EquationEditor::ReadValue(u"2.5e1xyz");
  Equation out;
  ASSERT_EQ(editor.Accept(choice, out), nullptr);
  EXPECT_EQ(std::u16string(out.name), u"amplitude_long");  // 14 characters
  EXPECT_EQ(out.value, 25);
  EXPECT_EQ(out.function, 9);
  EXPECT_EQ(out.operandB, 30);
  EXPECT_EQ(out.operandA, 0);
  EXPECT_EQ(out.operandD, 0);
  EXPECT_EQ(out.operator1, 0);

  choice.operand[1] = 32;  // x04 itself is not above x04
  EXPECT_NE(editor.Accept(choice, out), nullptr);
  choice.operand[1] = 5;
  choice.name = u"x01";
  EXPECT_EQ(std::u16string(editor.Accept(choice, out)), u"A variable with this name already exists");

  const EquationEditor data = EquationEditor::ForDataSet(doc, 0);
  choice = data.Initial();
  choice.kind = kAssignment;
  choice.operand[0] = 118;
  choice.name = u"ignored";
  ASSERT_EQ(data.Accept(choice, out), nullptr);
  EXPECT_EQ(std::u16string(out.name), u"col1");
  EXPECT_EQ(out.operandA, 118);
  EXPECT_EQ(out.operandB, 0);
}

// Text -> record -> written form gives the same text, for every form.
TEST(EquationParser, RoundTripForEveryForm) {
  BuilderDocument doc;
  doc.Names().Variable(1).SetName(u"amplitude");
  const EquationEditor editor = EquationEditor::ForDataSet(doc, 0);
  const std::u16string texts[] = {
      u"col1 = 0.25;",
      u"col1 = -1.5e+100;",
      u"col1 = inf;",
      u"col1 = 7;",
      u"col1 = is_prime(row);",
      u"col1 = sin((rows-1));",
      u"col1 = ( row BIT 1 );",
      u"col1 = ( π – 2π );",
      u"col1 = ( row BIT 1 ) × amplitude;",
      u"col1 = ( x01 ≥ 0.5 ) ÷ ( e ≠ x90 );",
      u"col1 = ( OR OR AND ) MAX ( 10 XOR 0.9 );",
      u"IF ( x01 )   THEN   col1 = amplitude   ELSE   col1 = cols;",
      u"col1 = amplitude;",
      u"col1 = (cols-1);",
  };
  doc.Names().Variable(2).SetName(u"OR");
  doc.Names().Variable(3).SetName(u"AND");
  for (const std::u16string& text : texts) {
    EquationEditor::Choice choice = editor.Initial();
    ASSERT_EQ(EquationParser(doc.Names()).Parse(text, choice), u"") << std::string(text.begin(), text.end());
    Equation record;
    ASSERT_EQ(editor.Accept(choice, record), nullptr);
    EXPECT_EQ(FormatEquation(doc.Names(), record, false), text);
  }
}

TEST(EquationParser, AsciiSpellingsAndLooseSpacing) {
  BuilderDocument doc;
  struct Case {
    std::u16string text, written;
  } cases[] = {
      {u"x05=(row-col)*x01;", u"x05 = ( row – col ) × x01;"},
      {u"x05 = ( row / 2 ) >= ( 3 <= x02 );", u"x05 = ( row ÷ 2 ) ≥ ( 3 ≤ x02 );"},
      {u"x05 = ( row != col );", u"x05 = ( row ≠ col );"},
      {u"  IF(x01)THEN x05=x02 ELSE x05=0;", u"IF ( x01 )   THEN   x05 = x02   ELSE   x05 = 0;"},
  };
  const EquationEditor editor = EquationEditor::ForVariable(doc, 4);
  for (const Case& c : cases) {
    EquationEditor::Choice choice = editor.Initial();
    ASSERT_EQ(EquationParser(doc.Names()).Parse(c.text, choice), u"");
    Equation record;
    ASSERT_EQ(editor.Accept(choice, record), nullptr);
    EXPECT_EQ(FormatEquation(doc.Names(), record, false), c.written);
  }
}

TEST(EquationParser, NamesTheFirstThingItCannotRead) {
  BuilderDocument doc;
  struct Case {
    std::u16string text, message;
  } cases[] = {
      {u"x05 = ( row + nothing );",
       u"Cannot read the equation from \"nothing );\": expected the name of a constant or a variable"},
      {u"x05 = ( row row );", u"Cannot read the equation from \"row );\": expected an operator"},
      {u"x05 = ( row + col )", u"The equation ends too early: expected \";\" or an operator"},
      {u"x05 = row; x06", u"Cannot read the equation from \"x06\": expected the end of the equation"},
      {u"x05 = sin(row;", u"Cannot read the equation from \";\": expected \")\""},
      {u"x05 = ( row # col );",
       u"Cannot read the equation from \"# col );\": expected a name, a number, an operator or a bracket"},
      {u"IF ( row ) THEN x05 = 1 ELSE x06 = 2;",
       u"Cannot read the equation from \"x06 = 2;\": expected \"x05\""},
      {u"x05 ( row );", u"Cannot read the equation from \"( row );\": expected \"=\""},
  };
  for (const Case& c : cases) {
    EquationEditor::Choice choice;
    EXPECT_EQ(EquationParser(doc.Names()).Parse(c.text, choice), c.message);
  }
}

}  // namespace
