#pragma once
#include <string>
#include <vector>

#include "builder/BuilderDocument.h"

// The content of the builder's printout as the print preview draws it: a
// list of items from the top of the page down, in logical units.
struct PrintItem {
  enum Type { kText, kRule };
  Type type = kText;
  std::u16string text;
  int fontHeight = 0;  // character height of the Arial font
  bool bold = false;
  bool rightAligned = false;
  int thickness = 0;  // rules only
};

class BuilderPrintout {
 public:
  static constexpr double kUnit = 1001.577287066246;
  static constexpr int kTitleHeight = 601;                  // 0.6 units, rounded
  static constexpr int kSubtitleHeight = kTitleHeight / 2;  // 300
  static constexpr int kRuleThickness = 20;                 // 0.02 units, rounded

  // Title, subtitle, rule, referenced variables, rule, data set, rule.
  static std::vector<PrintItem> Page(const BuilderDocument& document);
};
