#include "cli/OptionValues.h"

#include <charconv>

bool ParseInt(const std::string& text, std::int32_t& value) {
  const char* last = text.data() + text.size();
  auto [end, ec] = std::from_chars(text.data(), last, value);
  return ec == std::errc() && end == last && !text.empty();
}

bool ParseDouble(const std::string& text, double& value) {
  const char* last = text.data() + text.size();
  auto [end, ec] = std::from_chars(text.data(), last, value);
  return ec == std::errc() && end == last && !text.empty();
}

bool ParseChoice(const std::string& text, const std::map<std::string, std::int32_t>& choices,
                 std::int32_t& value) {
  auto found = choices.find(text);
  if (found == choices.end()) return false;
  value = found->second;
  return true;
}
