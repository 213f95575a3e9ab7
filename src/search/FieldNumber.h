#pragma once
#include <string>
#include <string_view>

// How the parameter dialogs show and read the real numbers of their edit
// boxes.
class FieldNumber {
 public:
  // The value as "%g" prints it.
  static std::u16string Text(double value);
  // The number the text begins with (after white space), as strtod reads
  // it; not a number (NaN) when the text does not begin with one.
  static double Read(std::u16string_view text);
};
