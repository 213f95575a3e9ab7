#include "cli/Command.h"
#include "cli/Commands.h"

const std::vector<Command>& AllCommands() {
  // clang-format off
  static const std::vector<Command> commands = {
      NetNewCommand(),
      InfoCommand(),
      TrainCommand(),
      SimulateCommand(),
      ClassifyCommand(),
      AnalyzeCommand(),
      BuildCommand(),
      BuilderNewCommand(),
      BuilderSetCommand(),
      FftCommand(),
      IfftCommand(),
      FilterCommand(),
      PreCommand(),
      PostCommand(),
      PredictSetCommand(),
      ReplaceCommand(),
      PruneCommand(),
  };
  // clang-format on
  return commands;
}
