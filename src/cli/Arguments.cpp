#include "cli/Arguments.h"

#include <algorithm>

Arguments::Arguments(const std::vector<std::string>& words, const std::vector<OptionSpec>& accepted) {
  for (std::size_t i = 0; i < words.size(); ++i) {
    const std::string& word = words[i];
    if (word.size() < 2 || word[0] != '-' || (word[1] >= '0' && word[1] <= '9') || word[1] == '.') {
      positional.push_back(word);
      continue;
    }
    auto spec = std::find_if(accepted.begin(), accepted.end(),
                             [&](const OptionSpec& s) { return s.name == word; });
    if (spec == accepted.end()) {
      error = "unknown option " + word;
      return;
    }
    if (!spec->repeatable && values.count(word) > 0) {
      error = "option " + word + " given twice";
      return;
    }
    if (!spec->takesValue) {
      values.emplace(word, "");
    } else if (i + 1 < words.size()) {
      values.emplace(word, words[++i]);
    } else {
      error = "option " + word + " needs a value";
      return;
    }
  }
}

std::string Arguments::Value(const std::string& name, const std::string& fallback) const {
  auto range = values.equal_range(name);
  if (range.first == range.second) return fallback;
  return std::prev(range.second)->second;
}

std::vector<std::string> Arguments::Values(const std::string& name) const {
  std::vector<std::string> all;
  for (auto [it, end] = values.equal_range(name); it != end; ++it) all.push_back(it->second);
  return all;
}
