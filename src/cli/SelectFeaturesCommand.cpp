#include "cli/Commands.h"
#include "cli/OptionValues.h"
#include "cli/TrainingOptions.h"
#include "data/FeatureSelectionResults.h"
#include "platform/Text.h"
#include "tools/PruneTrainingSet.h"

namespace {

// The search's own settings over the dialog's defaults; false with `why`.
bool ReadSearchOptions(const Arguments& args, FeatureSelectionSettings& settings, std::string& why) {
  const struct {
    const char* name;
    std::int32_t* field;
  } counts[] = {{"--population", &settings.population}, {"--generations", &settings.generations}};
  for (const auto& count : counts) {
    if (args.Has(count.name) && !ParseInt(args.Value(count.name), *count.field))
      return why = std::string(count.name) + " needs a whole number", false;
  }
  const struct {
    const char* name;
    double* field;
  } reals[] = {{"--crossover", &settings.crossover}, {"--mutation", &settings.mutation}};
  for (const auto& real : reals) {
    if (args.Has(real.name) && !ParseDouble(args.Value(real.name), *real.field))
      return why = std::string(real.name) + " needs a number", false;
  }
  return true;
}

// Writes the wide set's chosen columns and its targets.
std::u16string WritePruned(const std::string& wide, const std::string& pruned, const FeatureSelection& search,
                           std::int32_t columns) {
  std::vector<bool> ticks(columns, true);
  for (std::int32_t i = 0; i < search.Features(); ++i) ticks[i] = (search.BestBits()[i / 8] >> (i % 8)) & 1;
  return PruneTrainingSet::Prune(platform::PathFromUtf8(wide), ticks, platform::PathFromUtf8(pruned));
}

int RunSelectFeatures(const Arguments& args, Terminal& terminal) {
  const auto& files = args.Positional();
  if (files.size() != 2) {
    terminal.Usage("select-features", "expected NET.tsn and WIDE.csv");
    return kExitUsage;
  }
  TrainOptions options;
  std::string why;
  FeatureSelectionSettings settings;
  if (!ReadTrainingOptions(args, options, why) || !ReadSearchOptions(args, settings, why)) {
    terminal.Usage("select-features", why);
    return kExitUsage;
  }
  TerminalShell shell(terminal, !args.Has("--quiet") && terminal.ShowsProgress());
  shell.answer = true;
  shell.featureSelection = settings;
  Workspace workspace(shell);
  if (!OpenTrainingWorkspace(workspace, shell, files[0], files[1], options)) return kExitFailed;
  const std::int32_t wideColumns = workspace.TrainingSet().Cols();
  const int errorsBefore = shell.ErrorsShown();
  workspace.Evaluation().StartFeatureSelection();
  if (!workspace.FeatureSelectionRunning()) return kExitFailed;
  WatchRun(workspace, shell);
  if (shell.ErrorsShown() != errorsBefore) return kExitFailed;
  const FeatureSelection& search = workspace.Evaluation().Search();
  const FeatureSelectionResults results(search.BestBits().data(), search.Features(), search.BestError());
  terminal.Out() << platform::Utf16ToUtf8(results.Title()) << '\n';
  for (const std::u16string& item : results.Items()) terminal.Out() << platform::Utf16ToUtf8(item) << '\n';
  std::u16string error;
  if (args.Has("--results")) error = results.Save(platform::PathFromUtf8(args.Value("--results")));
  if (error.empty() && args.Has("-o")) error = WritePruned(files[1], args.Value("-o"), search, wideColumns);
  if (!error.empty()) {
    terminal.Message(error);
    return kExitFailed;
  }
  return kExitDone;
}

}  // namespace

Command SelectFeaturesCommand() {
  return {"select-features",
          "select-features NET.tsn WIDE.csv [--population N] [--generations G] [--crossover P]\n"
          "  [--mutation P] [training options as for train] [--results F.csv] [-o PRUNED.csv] [--quiet]",
          "Genetic feature selection: the input columns of a wide set that train the network best.",
          "The network's number of inputs is the number of columns to choose among the wide set's\n"
          "candidate columns (all but its targets). Every individual is one training run with the\n"
          "settings given; G + 1 generations of N individuals are evaluated (defaults: G 20, N the\n"
          "dialog's proposal, crossover 1, mutation 0.0001). Prints \"Feature Selection Results\n"
          "(MSE = %.14f)\" and the chosen 1-based column numbers; --results writes them as the\n"
          "workbench saves them, -o writes WIDE.csv pruned to the chosen columns and the targets.",
          TrainingOptionSpecs({{"--population", true},
                               {"--generations", true},
                               {"--crossover", true},
                               {"--mutation", true},
                               {"--results", true},
                               {"-o", true}}),
          RunSelectFeatures};
}
