#pragma once
#include <cstdint>
#include <map>
#include <string>

// Option values read whole: false when the text is empty, not a number, or
// has anything after the number.
bool ParseInt(const std::string& text, std::int32_t& value);
bool ParseDouble(const std::string& text, double& value);
// One of the named choices; false for any other text.
bool ParseChoice(const std::string& text, const std::map<std::string, std::int32_t>& choices,
                 std::int32_t& value);
