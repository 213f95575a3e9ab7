#include "builder/BuilderCopy.h"

#include "builder/EquationText.h"

namespace {

constexpr const char16_t* kSeparator = u"_______________________";

}  // namespace

std::vector<std::u16string> CopiedLines(const BuilderDocument& document, bool html) {
  std::vector<std::u16string> lines;
  const NameTable& names = document.Names();
  for (std::int32_t row = 0; row < NameTable::kVariables; ++row)
    if (document.IsReferenced(row)) lines.push_back(FormatEquation(names, names.Variable(row), html));
  lines.push_back(kSeparator);
  for (const Equation& equation : document.DataSet()) lines.push_back(FormatEquation(names, equation, html));
  return lines;
}

std::u16string TextCopy(const BuilderDocument& document) {
  std::u16string text;
  for (const std::u16string& line : CopiedLines(document, false)) text += line + u"\r\n";
  return text;
}

std::u16string HtmlCopy(const BuilderDocument& document) {
  std::u16string text =
      u"<table cellpadding=\"4\" style=\"font-family:Arial;font-size:10pt;"
      u"background-color:#FFFFFF;font-weight:bold\">";
  bool white = true;
  for (const std::u16string& line : CopiedLines(document, true)) {
    text += white ? u"<tr bgcolor=\"#FFFFFF\"><td>" : u"<tr bgcolor=\"#EBEBFF\"><td>";
    text += line + u"</td></tr>\r\n";
    white = !white;
  }
  return text + u"</table>";
}
