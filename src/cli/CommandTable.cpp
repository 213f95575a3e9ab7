#include "cli/Command.h"
#include "cli/Commands.h"

const std::vector<Command>& AllCommands() {
  static const std::vector<Command> commands = {
      FftCommand(), IfftCommand(), FilterCommand(), PreCommand(), PostCommand(), PruneCommand(),
  };
  return commands;
}
