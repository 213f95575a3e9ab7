#pragma once
#include <string>

#include "builder/EquationEditor.h"
#include "builder/NameTable.h"

// Reads the written form of an equation (the plain text FormatEquation
// gives, also with the ASCII spellings - * / >= <= != of the operators) into
// the editor's fields: the form, the name, the value of a constant and the
// slots the form uses. Returns an empty text, or a message naming the first
// thing it cannot read.
class EquationParser {
 public:
  explicit EquationParser(const NameTable& names) : names(names) {}
  std::u16string Parse(std::u16string_view text, EquationEditor::Choice& choice);

 private:
  struct Token {
    std::u16string text;
    bool number = false;
    std::size_t position = 0;
  };

  std::u16string Tokenize(std::u16string_view text);
  std::size_t MatchKnown(std::u16string_view rest) const;
  std::u16string ParseConditional(EquationEditor::Choice& choice);
  std::u16string ParseRightSide(EquationEditor::Choice& choice);
  std::u16string ParsePairs(EquationEditor::Choice& choice);
  std::u16string ParseSingle(EquationEditor::Choice& choice);

  bool At(std::u16string_view text) const;
  std::u16string Expect(std::u16string_view text);
  std::u16string Operand(std::int32_t& index);
  std::u16string Operator(std::int32_t& code);
  std::u16string Failure(std::u16string_view expected) const;

  const NameTable& names;
  std::u16string source;
  std::vector<Token> tokens;
  std::size_t next = 0;
};
