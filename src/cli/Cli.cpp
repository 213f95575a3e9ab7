#include <algorithm>
#include <ostream>

#include "cli/Command.h"

namespace {

constexpr const char* kVersion = "Tessarion 3.1";

void PrintOverview(std::ostream& out) {
  out << kVersion << " - neural-network workbench, command-line edition\n\n"
      << "Usage: tessarion-cli COMMAND [OPTIONS] ARGS...\n"
      << "       tessarion-cli COMMAND --help\n"
      << "       tessarion-cli --version\n\n"
      << "Commands:\n";
  for (const Command& command : AllCommands()) {
    std::string name = command.name;
    name.resize(std::max<std::size_t>(name.size() + 2, 16), ' ');
    out << "  " << name << command.summary << "\n";
  }
  out << "\nExit status: 0 done, 1 the operation failed, 2 the command line is wrong.\n";
}

void PrintCommandHelp(const Command& command, std::ostream& out) {
  out << "Usage: tessarion-cli " << command.usage << "\n\n" << command.summary << "\n";
  if (*command.details) out << "\n" << command.details << "\n";
}

}  // namespace

int RunCli(const std::vector<std::string>& words, Terminal& terminal) {
  if (words.empty()) {
    terminal.Usage("", "no command given");
    return kExitUsage;
  }
  const std::string& first = words[0];
  if (first == "--help" || first == "-h" || first == "help") {
    PrintOverview(terminal.Out());
    return kExitDone;
  }
  if (first == "--version") {
    terminal.Out() << kVersion << "\n";
    return kExitDone;
  }
  const auto& commands = AllCommands();
  auto command = std::find_if(commands.begin(), commands.end(),
                              [&](const Command& c) { return first == c.name; });
  if (command == commands.end()) {
    terminal.Usage("", "unknown command '" + first + "'");
    return kExitUsage;
  }
  std::vector<std::string> rest(words.begin() + 1, words.end());
  if (std::find(rest.begin(), rest.end(), "--help") != rest.end()) {
    PrintCommandHelp(*command, terminal.Out());
    return kExitDone;
  }
  Arguments args(rest, command->options);
  if (!args.Error().empty()) {
    terminal.Usage(command->name, args.Error());
    return kExitUsage;
  }
  return command->run(args, terminal);
}
