#pragma once
// Runs tessarion-cli in-process and keeps what it printed.
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "cli/Command.h"

struct CliRun {
  int status;
  std::string out, err;
};

inline CliRun Cli(const std::vector<std::string>& words) {
  std::ostringstream out, err;
  Terminal terminal(out, err);
  const int status = RunCli(words, terminal);
  return {status, out.str(), err.str()};
}

// A path as the UTF-8 command-line word that names it.
inline std::string Utf8(const std::filesystem::path& path) {
  const std::u8string text = path.u8string();
  return std::string(text.begin(), text.end());
}
