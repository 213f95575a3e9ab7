#include "cli/Command.h"
#include "cli/Commands.h"

const std::vector<Command>& AllCommands() {
  // clang-format off
  static const std::vector<Command> commands = {
      FftCommand(),
      IfftCommand(),
      FilterCommand(),
      PreCommand(),
      PostCommand(),
      PredictSetCommand(),
      ReplaceCommand(),
      PruneCommand(),
      BuilderNewCommand(),
      BuildCommand(),
      BuilderSetCommand(),
      InfoCommand(),
  };
  // clang-format on
  return commands;
}
