#include "builder/BuilderPrintout.h"

#include "builder/EquationText.h"
#include "platform/Text.h"

namespace {

PrintItem Text(std::u16string text, int height, bool bold, bool right) {
  PrintItem item;
  item.text = std::move(text);
  item.fontHeight = height;
  item.bold = bold;
  item.rightAligned = right;
  return item;
}

PrintItem Rule() {
  PrintItem item;
  item.type = PrintItem::kRule;
  item.thickness = BuilderPrintout::kRuleThickness;
  return item;
}

}  // namespace

std::vector<PrintItem> BuilderPrintout::Page(const BuilderDocument& document) {
  std::vector<PrintItem> page;
  page.push_back(Text(
      platform::Format("Tessarion %d.%d", BuilderDocument::kMajorVersion, BuilderDocument::kMinorVersion),
      kTitleHeight, true, false));
  page.push_back(Text(u"Data Set Builder - " + document.DisplayFileName(), kSubtitleHeight, false, true));
  page.push_back(Rule());
  const NameTable& names = document.Names();
  for (std::int32_t row = 0; row < NameTable::kVariables; ++row)
    if (document.IsReferenced(row))
      page.push_back(Text(FormatEquation(names, names.Variable(row), false), kSubtitleHeight, false, false));
  page.push_back(Rule());
  for (const Equation& equation : document.DataSet())
    page.push_back(Text(FormatEquation(names, equation, false), kSubtitleHeight, false, false));
  page.push_back(Rule());
  return page;
}
