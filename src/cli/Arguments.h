#pragma once
#include <map>
#include <string>
#include <vector>

// The words after the command name: options ("--name value", "--flag",
// "-o value") and positional arguments, checked against what the command
// accepts.
class Arguments {
 public:
  struct OptionSpec {
    std::string name;  // with its dashes: "--keep", "-o"
    bool takesValue;
    bool repeatable = false;
  };

  // Parses words; on a wrong command line Error() holds the reason.
  Arguments(const std::vector<std::string>& words, const std::vector<OptionSpec>& accepted);

  const std::string& Error() const { return error; }
  const std::vector<std::string>& Positional() const { return positional; }
  bool Has(const std::string& name) const { return values.count(name) > 0; }
  // The (last) value of an option, or `fallback` when it is absent.
  std::string Value(const std::string& name, const std::string& fallback = "") const;
  std::vector<std::string> Values(const std::string& name) const;

 private:
  std::vector<std::string> positional;
  std::multimap<std::string, std::string> values;
  std::string error;
};
