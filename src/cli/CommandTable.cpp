#include "cli/Command.h"
#include "cli/Commands.h"

const std::vector<Command>& AllCommands() {
  static const std::vector<Command> commands = {
      NetNewCommand(), InfoCommand(), SimulateCommand(), ClassifyCommand(), AnalyzeCommand(), PruneCommand(),
  };
  return commands;
}
