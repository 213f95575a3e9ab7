#include "search/FieldNumber.h"

#include <cmath>
#include <string>

#include "numerics/NumberText.h"
#include "platform/Text.h"

std::u16string FieldNumber::Text(double value) { return platform::Format("%g", value); }

double FieldNumber::Read(std::u16string_view text) {
  const std::string bytes = platform::Utf16ToUtf8(text);
  const char* first = bytes.data();
  const char* stop = first;
  const double value = numbertext::ParseLeading(first, first + bytes.size(), &stop);
  return stop == first ? std::nan("") : value;
}
