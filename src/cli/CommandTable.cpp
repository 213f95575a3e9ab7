#include "cli/Command.h"
#include "cli/Commands.h"

const std::vector<Command>& AllCommands() {
  static const std::vector<Command> commands = {
      PruneCommand(),
      BuilderNewCommand(),
      BuildCommand(),
      BuilderSetCommand(),
      InfoCommand(),
  };
  return commands;
}
