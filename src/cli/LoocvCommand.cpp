#include "cli/Commands.h"
#include "cli/TrainingOptions.h"

namespace {

int RunLoocv(const Arguments& args, Terminal& terminal) {
  const auto& files = args.Positional();
  if (files.size() != 2) {
    terminal.Usage("loocv", "expected NET.tsn and SET.csv");
    return kExitUsage;
  }
  TrainOptions options;
  std::string why;
  if (!ReadTrainingOptions(args, options, why)) {
    terminal.Usage("loocv", why);
    return kExitUsage;
  }
  TerminalShell shell(terminal, !args.Has("--quiet") && terminal.ShowsProgress());
  Workspace workspace(shell);
  if (!OpenTrainingWorkspace(workspace, shell, files[0], files[1], options)) return kExitFailed;
  const int errorsBefore = shell.ErrorsShown();
  // Straight to the command, so a network it does not suit gets its refusal.
  workspace.Evaluation().StartLoocv();
  if (!workspace.LoocvRunning()) return kExitFailed;
  WatchRun(workspace, shell);
  return shell.ErrorsShown() == errorsBefore ? kExitDone : kExitFailed;
}

}  // namespace

Command LoocvCommand() {
  return {"loocv",
          "loocv NET.tsn SET.csv [training options as for train] [--quiet]",
          "Leave-one-out cross-validation of a classifier with the given training settings.",
          "For every row in turn the network trains on all the other rows (one training run each,\n"
          "with the settings given) and classifies the row left out. Prints the final\n"
          "\"Errors = %d (%g %%)\". A terminal shows a live progress line unless --quiet.",
          TrainingOptionSpecs({}),
          RunLoocv};
}
