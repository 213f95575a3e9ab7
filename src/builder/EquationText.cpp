#include "builder/EquationText.h"

#include <cstdio>
#include <initializer_list>
#include <string_view>

#include "builder/EquationMath.h"

namespace {

constexpr std::size_t kMaxPlainUnits = 511;

constexpr std::u16string_view kRed = u"<span style=\"color:#B40000\">";
constexpr std::u16string_view kMagenta = u"<span style=\"color:#F000F0\">";
constexpr std::u16string_view kGreen = u"<span style=\"color:#00AA00\">";
constexpr std::u16string_view kBlue = u"<span style=\"color:#0000FF\">";

// Replaces each "%s" of `format` in turn by the next argument.
std::u16string Substitute(std::u16string_view format, std::initializer_list<std::u16string_view> arguments) {
  std::u16string out;
  auto next = arguments.begin();
  for (std::size_t i = 0; i < format.size(); ++i) {
    if (format[i] == u'%' && i + 1 < format.size() && format[i + 1] == u's' && next != arguments.end()) {
      out += *next++;
      ++i;
    } else {
      out += format[i];
    }
  }
  return out;
}

// Names come from files too, so the HTML form keeps markup characters as text.
std::u16string Escape(std::u16string_view text) {
  std::u16string out;
  for (char16_t c : text) {
    if (c == u'&')
      out += u"&amp;";
    else if (c == u'<')
      out += u"&lt;";
    else if (c == u'>')
      out += u"&gt;";
    else
      out += c;
  }
  return out;
}

struct Pieces {
  std::u16string n, a, b, c, d, f, op1, op2, op3, value;
};

Pieces Collect(const NameTable& names, const Equation& e, bool html) {
  auto name = [&](std::u16string_view text) { return html ? Escape(text) : std::u16string(text); };
  return {name(e.name),
          name(names.OperandName(e.operandA)),
          name(names.OperandName(e.operandB)),
          name(names.OperandName(e.operandC)),
          name(names.OperandName(e.operandD)),
          EquationMath::FunctionName(e.function),
          EquationMath::OperatorSymbol(e.operator1),
          EquationMath::OperatorSymbol(e.operator2),
          EquationMath::OperatorSymbol(e.operator3),
          FormatValue(e.value)};
}

std::u16string Plain(const Pieces& p, std::int32_t kind) {
  switch (kind) {
    case kConstant: return Substitute(u"%s = %s;", {p.n, p.value});
    case kFunction: return Substitute(u"%s = %s(%s);", {p.n, p.f, p.b});
    case kPair: return Substitute(u"%s = ( %s %s %s );", {p.n, p.a, p.op1, p.b});
    case kPairThenOperand: return Substitute(u"%s = ( %s %s %s ) %s %s;", {p.n, p.a, p.op1, p.b, p.op2, p.c});
    case kPairOfPairs:
      return Substitute(u"%s = ( %s %s %s ) %s ( %s %s %s );",
                        {p.n, p.a, p.op1, p.b, p.op2, p.c, p.op3, p.d});
    case kConditional:
      return Substitute(u"IF ( %s )   THEN   %s = %s   ELSE   %s = %s;", {p.b, p.n, p.c, p.n, p.d});
    case kAssignment: return Substitute(u"%s = %s;", {p.n, p.a});
    default: return u"Error";
  }
}

std::u16string Html(const Pieces& p, std::int32_t kind) {
  switch (kind) {
    case kConstant: return Substitute(u"%s %s=</span> %s%s;</span>", {p.n, kRed, p.value, kRed});
    case kFunction:
      return Substitute(u"%s %s=</span> %s%s</span>%s( </span>%s %s);</span>",
                        {p.n, kRed, kMagenta, p.f, kRed, p.b, kRed});
    case kPair:
      return Substitute(u"%s %s= ( </span>%s %s%s</span> %s %s);</span>",
                        {p.n, kRed, p.a, kGreen, p.op1, p.b, kRed});
    case kPairThenOperand:
      return Substitute(u"%s %s= ( </span>%s %s%s</span> %s %s) </span> %s%s</span> %s%s;</span>",
                        {p.n, kRed, p.a, kGreen, p.op1, p.b, kRed, kGreen, p.op2, p.c, kRed});
    case kPairOfPairs:
      return Substitute(
          u"%s %s= ( </span>%s %s%s</span> %s %s) </span> %s%s</span> %s( </span>%s %s%s</span> "
          u"%s %s);</span>",
          {p.n, kRed, p.a, kGreen, p.op1, p.b, kRed, kGreen, p.op2, kRed, p.c, kGreen, p.op3, p.d, kRed});
    case kConditional:
      return Substitute(
          u"%sIF </span> %s( </span>%s %s) </span>&nbsp;&nbsp;&nbsp;%sTHEN&nbsp;&nbsp;&nbsp;</span>"
          u"%s %s=</span> %s &nbsp;&nbsp;&nbsp;%s ELSE&nbsp;&nbsp;&nbsp;</span>  %s %s=</span> "
          u"%s%s;</span>",
          {kBlue, kRed, p.b, kRed, kBlue, p.n, kRed, p.c, kBlue, p.n, kRed, p.d, kRed});
    case kAssignment: return Substitute(u"%s %s=</span> %s%s;</span>", {p.n, kRed, p.a, kRed});
    default: return u"Error";
  }
}

}  // namespace

std::u16string FormatValue(double value) {
  char text[64];
  const int length = std::snprintf(text, sizeof text, "%g", value);
  return std::u16string(text, text + (length > 0 ? length : 0));
}

std::u16string FormatEquation(const NameTable& names, const Equation& equation, bool html) {
  const Pieces pieces = Collect(names, equation, html);
  if (html) return Html(pieces, equation.kind);
  std::u16string text = Plain(pieces, equation.kind);
  if (text.size() > kMaxPlainUnits) text.resize(kMaxPlainUnits);
  return text;
}

std::vector<TextPiece> EquationPieces(const NameTable& names, const Equation& e) {
  using P = TextPiece;
  const Pieces p = Collect(names, e, false);
  auto name = [](const std::u16string& text) { return P{text, P::kBlack, false}; };
  auto red = [](std::u16string_view text) { return P{std::u16string(text), P::kDarkRed, false}; };
  auto op = [](const std::u16string& text) { return P{text, P::kGreen, true}; };
  auto blue = [](std::u16string_view text) { return P{std::u16string(text), P::kBlue, false}; };
  switch (e.kind) {
    case kConstant: return {name(p.n), red(u" = " + p.value + u";")};
    case kFunction:
      return {name(p.n), red(u" = "), P{p.f, P::kMagenta, false}, red(u"( "), name(p.b), red(u" );")};
    case kPair: return {name(p.n), red(u" = ( "), name(p.a), op(p.op1), name(p.b), red(u" );")};
    case kPairThenOperand:
      return {name(p.n),   red(u" = ( "), name(p.a), op(p.op1), name(p.b),
              red(u" ) "), op(p.op2),     name(p.c), red(u";")};
    case kPairOfPairs:
      return {name(p.n), red(u" = ( "), name(p.a), op(p.op1), name(p.b), red(u" ) "),
              op(p.op2), red(u" ( "),   name(p.c), op(p.op3), name(p.d), red(u" );")};
    case kConditional:
      return {blue(u"IF"), red(u" ( "), name(p.b), red(u" )     "),       blue(u"THEN    "),
              name(p.n),   red(u" = "), name(p.c), blue(u"    ELSE    "), name(p.n),
              red(u" = "), name(p.d),   red(u";")};
    case kAssignment: return {name(p.n), red(u" = "), name(p.a), red(u";")};
    default: return {red(u"Error")};
  }
}
