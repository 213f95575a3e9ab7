#include "cli/Commands.h"
#include "cli/ConfusionText.h"
#include "cli/TrainingOptions.h"
#include "platform/Text.h"

namespace {

// Saves through the workbench's commands, as if the user had chosen `path`.
bool SaveAs(TerminalShell& shell, const std::string& path, void (Workspace::*save)(), Workspace& workspace) {
  const int errors = shell.ErrorsShown();
  shell.files.push_back(platform::Utf8ToUtf16(path));
  (workspace.*save)();
  return shell.ErrorsShown() == errors;
}

int RunTrain(const Arguments& args, Terminal& terminal) {
  const auto& files = args.Positional();
  if (files.size() != 2 || !args.Has("-o")) {
    terminal.Usage("train", "expected NET.tsn, SET.csv and -o OUT.tsn");
    return kExitUsage;
  }
  TrainOptions options;
  std::string why;
  if (!ReadTrainingOptions(args, options, why)) {
    terminal.Usage("train", why);
    return kExitUsage;
  }
  TerminalShell shell(terminal, !args.Has("--quiet") && terminal.ShowsProgress());
  Workspace workspace(shell);
  options.setup.progressFile = platform::Utf8ToUtf16(args.Value("--progress-file"));
  if (!OpenTrainingWorkspace(workspace, shell, files[0], files[1], options)) return kExitFailed;
  const int errorsBefore = shell.ErrorsShown();
  workspace.StartTraining();
  if (!workspace.IsBusy()) return kExitFailed;
  WatchRun(workspace, shell);
  if (shell.ErrorsShown() != errorsBefore) return kExitFailed;
  terminal.Out() << platform::Utf16ToUtf8(workspace.GetDashboard().LabelText(Label::kStatus)) << "\n"
                 << platform::Utf16ToUtf8(
                        platform::Format("mse: %g", workspace.GetMonitor().Values().lastMse))
                 << "\n";
  if (workspace.NetworkSetup().style == kClassifier)
    PrintConfusion(workspace.CurrentNetwork()->Confusion(), terminal);
  if (!SaveAs(shell, args.Value("-o"), &Workspace::SaveNetwork, workspace)) return kExitFailed;
  if (args.Has("--report") && !SaveAs(shell, args.Value("--report"), &Workspace::SaveReport, workspace))
    return kExitFailed;
  return kExitDone;
}

}  // namespace

Command TrainCommand() {
  return {
      "train",
      "train NET.tsn SET.csv -o OUT.tsn [--init anneal-regress|genetic|regression|anneal|genetic-regress]\n"
      "  [--method cg|lm|vm] [--goal G] [--epochs E] [--cycles C] [--attempts A] [--continue] [--round D]\n"
      "  [--sa-temps N] [--sa-iters N] [--sa-from T0] [--sa-to T1] [--sa-k K] [--sa-linear]\n"
      "  [--ga-pop N] [--ga-gens N] [--ga-cross P] [--ga-mut P] [--progress-file F.csv] [--report R.htm]\n"
      "  [--quiet]",
      "Train a network on a training set and write the best network found.",
      "SET.csv is loaded as Load Training Set does (width check, scaling, optional rounding to D\n"
      "digits). One training run goes on the training thread with the workbench's defaults for\n"
      "everything not given; the initialisation defaults to anneal for a network without hidden\n"
      "layer and anneal-regress otherwise, and regression always makes one attempt. Prints\n"
      "\"Training Successful!\" when the mse reached the goal (default 1e-5), else \"Training Over!\",\n"
      "then \"mse: %g\". A terminal shows a live progress line on standard error unless --quiet.\n"
      "The run goes through the workbench's monitor: --progress-file writes its training-progress\n"
      "file (one line per second), --report the HTML report of the final dashboard.",
      TrainingOptionSpecs({{"-o", true}, {"--progress-file", true}, {"--report", true}}),
      RunTrain};
}
