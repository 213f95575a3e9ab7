#pragma once
#include <string>
#include <vector>

#include "cli/Arguments.h"
#include "cli/Terminal.h"

enum ExitCode { kExitDone = 0, kExitFailed = 1, kExitUsage = 2 };

// One command of tessarion-cli: its name, the usage and help texts, the
// options it accepts and the function that runs it.
struct Command {
  const char* name;
  const char* usage;    // the synopsis after "tessarion-cli "
  const char* summary;  // one line for the command list
  const char* details;  // the rest of the command's help, may be empty
  std::vector<Arguments::OptionSpec> options;
  int (*run)(const Arguments& args, Terminal& terminal);
};

// Every command, in the order --help lists them.
const std::vector<Command>& AllCommands();

// Runs a whole command line (the words after the program name).
int RunCli(const std::vector<std::string>& words, Terminal& terminal);
