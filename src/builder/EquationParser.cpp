#include "builder/EquationParser.h"

#include "builder/EquationMath.h"
#include "numerics/NumberText.h"
#include "platform/Text.h"

namespace {

struct Spelling {
  const char16_t* text;
  std::int32_t code;
};

constexpr Spelling kAsciiOperators[] = {
    {u"-", EquationMath::kMinus},         {u"*", EquationMath::kTimes},      {u"/", EquationMath::kDivide},
    {u">=", EquationMath::kGreaterEqual}, {u"<=", EquationMath::kLessEqual}, {u"!=", EquationMath::kNotEqual},
};

constexpr const char16_t* kPunctuation[] = {u"(", u")", u"=", u";", u"IF", u"THEN", u"ELSE"};

bool IsWordUnit(char16_t c) {
  return (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z') || (c >= u'0' && c <= u'9') || c == u'_' ||
         c == u'.';
}

bool IsSpace(char16_t c) { return c == u' ' || c == u'\t' || c == u'\r' || c == u'\n'; }

// `candidate` starts `rest` and does not end inside a longer word.
bool Starts(std::u16string_view rest, std::u16string_view candidate) {
  if (candidate.empty() || rest.substr(0, candidate.size()) != candidate) return false;
  return !IsWordUnit(candidate.back()) || candidate.size() == rest.size() ||
         !IsWordUnit(rest[candidate.size()]);
}

// The length of the number that starts `rest`, as strtod reads it; 0 for none.
std::size_t NumberLength(std::u16string_view rest, double* value) {
  std::string narrow;
  for (char16_t c : rest.substr(0, 64)) {
    if (c >= 0x80 || IsSpace(c)) break;
    narrow += static_cast<char>(c);
  }
  if (narrow.empty()) return 0;
  const char* stop = nullptr;
  const double parsed = numbertext::ParseLeading(narrow.data(), narrow.data() + narrow.size(), &stop);
  if (value) *value = parsed;
  return static_cast<std::size_t>(stop - narrow.data());
}

bool IsWholeNumber(std::u16string_view text, double& value) {
  return !text.empty() && NumberLength(text, &value) == text.size();
}

std::int32_t FindFunction(std::u16string_view text) {
  for (std::int32_t i = 0; i < EquationMath::kFunctionCount; ++i)
    if (text == EquationMath::FunctionName(i)) return i;
  return -1;
}

}  // namespace

std::size_t EquationParser::MatchKnown(std::u16string_view rest) const {
  std::size_t best = 0;
  auto consider = [&](std::u16string_view candidate) {
    if (candidate.size() > best && Starts(rest, candidate)) best = candidate.size();
  };
  for (std::int32_t i = 0; i < NameTable::kSize; ++i) consider(names[i].name);
  for (std::int32_t i = 0; i < EquationMath::kFunctionCount; ++i) consider(EquationMath::FunctionName(i));
  for (std::int32_t i = 0; i < EquationMath::kOperatorCount; ++i) consider(EquationMath::OperatorSymbol(i));
  for (const Spelling& s : kAsciiOperators) consider(s.text);
  for (const char16_t* p : kPunctuation) consider(p);
  return best;
}

std::u16string EquationParser::Tokenize(std::u16string_view text) {
  std::size_t p = 0;
  while (p < text.size()) {
    if (IsSpace(text[p])) {
      ++p;
      continue;
    }
    const std::u16string_view rest = text.substr(p);
    const std::size_t known = MatchKnown(rest);
    const std::size_t number = NumberLength(rest, nullptr);
    std::size_t length = known >= number ? known : number;
    if (length == 0) {
      while (length < rest.size() && IsWordUnit(rest[length]) && rest[length] != u'.') ++length;
      if (length == 0 || (rest[0] >= u'0' && rest[0] <= u'9')) {
        next = tokens.size();
        tokens.push_back({std::u16string(rest), false, p});
        return Failure(u"a name, a number, an operator or a bracket");
      }
    }
    tokens.push_back({std::u16string(rest.substr(0, length)), number > known, p});
    p += length;
  }
  return {};
}

std::u16string EquationParser::Failure(std::u16string_view expected) const {
  if (next >= tokens.size()) return u"The equation ends too early: expected " + std::u16string(expected);
  std::u16string shown = source.substr(tokens[next].position, 24);
  return u"Cannot read the equation from \"" + shown + u"\": expected " + std::u16string(expected);
}

bool EquationParser::At(std::u16string_view text) const {
  return next < tokens.size() && !tokens[next].number && tokens[next].text == text;
}

std::u16string EquationParser::Expect(std::u16string_view text) {
  if (!At(text)) return Failure(u"\"" + std::u16string(text) + u"\"");
  ++next;
  return {};
}

std::u16string EquationParser::Operand(std::int32_t& index) {
  index = next < tokens.size() ? names.Find(tokens[next].text) : -1;
  if (index < 0) return Failure(u"the name of a constant or a variable");
  ++next;
  return {};
}

std::u16string EquationParser::Operator(std::int32_t& code) {
  if (next < tokens.size() && !tokens[next].number) {
    const std::u16string& text = tokens[next].text;
    for (std::int32_t i = 0; i < EquationMath::kOperatorCount; ++i) {
      if (text == EquationMath::OperatorSymbol(i)) {
        code = i;
        ++next;
        return {};
      }
    }
    for (const Spelling& s : kAsciiOperators) {
      if (text == s.text) {
        code = s.code;
        ++next;
        return {};
      }
    }
  }
  return Failure(u"an operator");
}

std::u16string EquationParser::Parse(std::u16string_view text, EquationEditor::Choice& choice) {
  source = text;
  tokens.clear();
  next = 0;
  if (std::u16string error = Tokenize(text); !error.empty()) return error;
  next = 0;
  std::u16string error = At(u"IF") ? ParseConditional(choice) : ParseRightSide(choice);
  if (error.empty() && next < tokens.size()) error = Failure(u"the end of the equation");
  return error;
}

std::u16string EquationParser::ParseConditional(EquationEditor::Choice& choice) {
  choice.kind = kConditional;
  std::u16string error = Expect(u"IF");
  if (error.empty()) error = Expect(u"(");
  if (error.empty()) error = Operand(choice.operand[1]);
  if (error.empty()) error = Expect(u")");
  if (error.empty()) error = Expect(u"THEN");
  if (!error.empty()) return error;
  if (next >= tokens.size()) return Failure(u"the name of the equation");
  choice.name = tokens[next++].text;
  error = Expect(u"=");
  if (error.empty()) error = Operand(choice.operand[2]);
  if (error.empty()) error = Expect(u"ELSE");
  if (error.empty()) error = Expect(choice.name);
  if (error.empty()) error = Expect(u"=");
  if (error.empty()) error = Operand(choice.operand[3]);
  if (error.empty()) error = Expect(u";");
  return error;
}

std::u16string EquationParser::ParseRightSide(EquationEditor::Choice& choice) {
  if (next >= tokens.size()) return Failure(u"the name of the equation");
  choice.name = tokens[next++].text;
  if (std::u16string error = Expect(u"="); !error.empty()) return error;
  if (At(u"(")) return ParsePairs(choice);
  if (next + 1 < tokens.size() && tokens[next + 1].text == u"(" && FindFunction(tokens[next].text) >= 0) {
    choice.kind = kFunction;
    choice.function = FindFunction(tokens[next].text);
    next += 2;
    std::u16string error = Operand(choice.operand[1]);
    if (error.empty()) error = Expect(u")");
    if (error.empty()) error = Expect(u";");
    return error;
  }
  return ParseSingle(choice);
}

std::u16string EquationParser::ParsePairs(EquationEditor::Choice& choice) {
  std::u16string error = Expect(u"(");
  if (error.empty()) error = Operand(choice.operand[0]);
  if (error.empty()) error = Operator(choice.op[0]);
  if (error.empty()) error = Operand(choice.operand[1]);
  if (error.empty()) error = Expect(u")");
  if (!error.empty()) return error;
  if (At(u";")) {
    choice.kind = kPair;
    return Expect(u";");
  }
  if (!Operator(choice.op[1]).empty()) return Failure(u"\";\" or an operator");
  if (At(u"(")) {
    choice.kind = kPairOfPairs;
    error = Expect(u"(");
    if (error.empty()) error = Operand(choice.operand[2]);
    if (error.empty()) error = Operator(choice.op[2]);
    if (error.empty()) error = Operand(choice.operand[3]);
    if (error.empty()) error = Expect(u")");
  } else {
    choice.kind = kPairThenOperand;
    error = Operand(choice.operand[2]);
  }
  if (error.empty()) error = Expect(u";");
  return error;
}

// "N = 2.5;" is a constant; "N = x01;" names a table entry. A text that
// reads whole as a number ("3", "0.5") is taken as the constant.
std::u16string EquationParser::ParseSingle(EquationEditor::Choice& choice) {
  double value = 0;
  if (next < tokens.size() && IsWholeNumber(tokens[next].text, value)) {
    choice.kind = kConstant;
    choice.value = value;
    ++next;
  } else {
    choice.kind = kAssignment;
    if (std::u16string error = Operand(choice.operand[0]); !error.empty()) return error;
  }
  return Expect(u";");
}
