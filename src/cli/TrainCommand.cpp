#include <charconv>
#include <chrono>
#include <map>
#include <thread>

#include "app/Workspace.h"
#include "cli/Commands.h"
#include "cli/TerminalShell.h"
#include "platform/Text.h"

namespace {

constexpr auto kPoll = std::chrono::milliseconds(10);

bool ParseInt(const std::string& text, std::int32_t& value) {
  const char* last = text.data() + text.size();
  auto [end, ec] = std::from_chars(text.data(), last, value);
  return ec == std::errc() && end == last && !text.empty();
}

bool ParseDouble(const std::string& text, double& value) {
  const char* last = text.data() + text.size();
  auto [end, ec] = std::from_chars(text.data(), last, value);
  return ec == std::errc() && end == last && !text.empty();
}

bool ParseChoice(const std::string& text, const std::map<std::string, std::int32_t>& choices,
                 std::int32_t& value) {
  auto found = choices.find(text);
  if (found == choices.end()) return false;
  value = found->second;
  return true;
}

// What the command line sets besides the record: the rounding of the set.
struct TrainOptions {
  trainingSetup setup;
  bool initGiven = false;
  std::int32_t roundDigits = 0;
};

// The training settings of the command line over the workbench's defaults;
// false with `why` on a wrong option.
bool ReadOptions(const Arguments& args, TrainOptions& options, std::string& why) {
  trainingSetup& s = options.setup;
  const std::map<std::string, std::int32_t> inits = {{"anneal-regress", kAnnealRegress},
                                                     {"genetic", kGenetic},
                                                     {"regression", kRegression},
                                                     {"anneal", kAnnealing},
                                                     {"genetic-regress", kGeneticRegress}};
  const std::map<std::string, std::int32_t> methods = {
      {"cg", kConjugateGradient}, {"lm", kLevenbergMarquardt}, {"vm", kVariableMetric}};
  options.initGiven = args.Has("--init");
  if (options.initGiven && !ParseChoice(args.Value("--init"), inits, s.initializationMethod))
    return why = "--init is anneal-regress, genetic, regression, anneal or genetic-regress", false;
  if (args.Has("--method") && !ParseChoice(args.Value("--method"), methods, s.optimizationMethod))
    return why = "--method is cg, lm or vm", false;
  const struct {
    const char* name;
    std::int32_t* field;
    std::int32_t least;
  } counts[] = {{"--epochs", &s.epochs, 0},
                {"--cycles", &s.cycles, 0},
                {"--attempts", &s.initializationAttempts, 0},
                {"--round", &options.roundDigits, 0},
                {"--sa-temps", &s.annealing.temperatures, 1},
                {"--sa-iters", &s.annealing.iterations, 1},
                {"--sa-k", &s.annealing.k, 1},
                {"--ga-pop", &s.genetic.population, 2},
                {"--ga-gens", &s.genetic.generations, 1}};
  for (const auto& count : counts) {
    if (args.Has(count.name) &&
        (!ParseInt(args.Value(count.name), *count.field) || *count.field < count.least))
      return why =
                 std::string(count.name) + " needs a whole number of at least " + std::to_string(count.least),
             false;
  }
  const struct {
    const char* name;
    double* field;
  } reals[] = {{"--goal", &s.goal},
               {"--sa-from", &s.annealing.startTemperature},
               {"--sa-to", &s.annealing.endTemperature},
               {"--ga-cross", &s.genetic.crossover},
               {"--ga-mut", &s.genetic.mutation}};
  for (const auto& real : reals) {
    if (args.Has(real.name) && !ParseDouble(args.Value(real.name), *real.field))
      return why = std::string(real.name) + " needs a number", false;
  }
  if (s.annealing.startTemperature <= 0.0 || s.annealing.endTemperature <= 0.0)
    return why = "annealing temperatures must be greater than zero", false;
  s.continueTraining = args.Has("--continue") ? 1 : 0;
  s.annealing.linearCooling = args.Has("--sa-linear") ? 1 : 0;
  // Regression is deterministic: the Training Setup keeps one attempt.
  if (s.initializationMethod == kRegression) s.initializationAttempts = 1;
  return true;
}

// Ticks the monitor every refresh period, or at once when the run ends
// early, redrawing the progress line after each tick, until the monitor
// has ended the run.
void WatchRun(Workspace& workspace, TerminalShell& shell) {
  while (shell.TimerActive()) {
    const auto period = std::chrono::milliseconds(shell.TimerPeriod());
    const auto due = std::chrono::steady_clock::now() + period;
    while (std::chrono::steady_clock::now() < due && workspace.CurrentNetwork()->IsRunning())
      std::this_thread::sleep_for(kPoll);
    workspace.OnTick();
    shell.ShowProgressLine();
  }
}

// Opens the network file as the workbench does; false (with the message
// shown) unless it holds a layer network.
bool OpenNetwork(Workspace& workspace, TerminalShell& shell, const std::string& path) {
  workspace.OpenFile(platform::Utf8ToUtf16(path));
  if (workspace.NetworkKind() == 4) shell.ShowError(u"A Kohonen network cannot be trained", u"Tessarion");
  if (workspace.NetworkKind() < 1 && shell.ErrorsShown() == 0)
    shell.ShowError(u"Unable to open file", u"Tessarion");
  return workspace.CurrentNetwork() != nullptr;
}

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
  if (!ReadOptions(args, options, why)) {
    terminal.Usage("train", why);
    return kExitUsage;
  }
  TerminalShell shell(terminal, !args.Has("--quiet") && terminal.ShowsProgress());
  Workspace workspace(shell);
  workspace.OnWindowCreated();
  if (!OpenNetwork(workspace, shell, files[0])) return kExitFailed;
  // Opening the network chose the initialisation that suits its kind.
  if (!options.initGiven) options.setup.initializationMethod = workspace.TrainingSetup().initializationMethod;
  options.setup.progressFile = platform::Utf8ToUtf16(args.Value("--progress-file"));
  workspace.TrainingSetup() = options.setup;
  workspace.ApplyTrainingSetup();
  shell.files.push_back(platform::Utf8ToUtf16(files[1]));
  shell.rounding = options.roundDigits;
  if (!workspace.LoadTrainingSet(false)) return kExitFailed;
  const int errorsBefore = shell.ErrorsShown();
  workspace.StartTraining();
  if (!workspace.IsBusy()) return kExitFailed;
  WatchRun(workspace, shell);
  if (shell.ErrorsShown() != errorsBefore) return kExitFailed;
  terminal.Out() << platform::Utf16ToUtf8(workspace.GetDashboard().LabelText(Label::kStatus)) << "\n"
                 << platform::Utf16ToUtf8(
                        platform::Format("mse: %g", workspace.GetMonitor().Values().lastMse))
                 << "\n";
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
      {{"-o", true},         {"--init", true},      {"--method", true},
       {"--goal", true},     {"--epochs", true},    {"--cycles", true},
       {"--attempts", true}, {"--continue", false}, {"--round", true},
       {"--sa-temps", true}, {"--sa-iters", true},  {"--sa-from", true},
       {"--sa-to", true},    {"--sa-k", true},      {"--sa-linear", false},
       {"--ga-pop", true},   {"--ga-gens", true},   {"--ga-cross", true},
       {"--ga-mut", true},   {"--quiet", false},    {"--progress-file", true},
       {"--report", true}},
      RunTrain};
}
