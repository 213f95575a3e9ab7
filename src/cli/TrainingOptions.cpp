#include "cli/TrainingOptions.h"

#include <map>

#include "cli/OptionValues.h"
#include "platform/Text.h"

// The training settings of the command line over the workbench's defaults;
// false with `why` on a wrong option.
bool ReadTrainingOptions(const Arguments& args, TrainOptions& options, std::string& why) {
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

std::vector<Arguments::OptionSpec> TrainingOptionSpecs(std::vector<Arguments::OptionSpec> more) {
  std::vector<Arguments::OptionSpec> specs = {
      {"--init", true},     {"--method", true},     {"--goal", true},      {"--epochs", true},
      {"--cycles", true},   {"--attempts", true},   {"--continue", false}, {"--round", true},
      {"--sa-temps", true}, {"--sa-iters", true},   {"--sa-from", true},   {"--sa-to", true},
      {"--sa-k", true},     {"--sa-linear", false}, {"--ga-pop", true},    {"--ga-gens", true},
      {"--ga-cross", true}, {"--ga-mut", true},     {"--quiet", false}};
  specs.insert(specs.end(), more.begin(), more.end());
  return specs;
}

void WatchRun(Workspace& workspace, TerminalShell& shell) {
  while (shell.TimerActive()) {
    shell.WaitForTick();
    workspace.OnTick();
    shell.ShowProgressLine();
  }
}

bool OpenTrainingWorkspace(Workspace& workspace, TerminalShell& shell, const std::string& network,
                           const std::string& set, TrainOptions& options) {
  workspace.OnWindowCreated();
  workspace.OpenFile(platform::Utf8ToUtf16(network));
  if (workspace.NetworkKind() == 4) shell.ShowError(u"A Kohonen network cannot be trained", u"Tessarion");
  if (workspace.NetworkKind() < 1 && shell.ErrorsShown() == 0)
    shell.ShowError(u"Unable to open file", u"Tessarion");
  if (!workspace.CurrentNetwork()) return false;
  // Opening the network chose the initialisation that suits its kind.
  if (!options.initGiven) options.setup.initializationMethod = workspace.TrainingSetup().initializationMethod;
  workspace.TrainingSetup() = options.setup;
  workspace.ApplyTrainingSetup();
  shell.files.push_back(platform::Utf8ToUtf16(set));
  shell.rounding = options.roundDigits;
  return workspace.LoadTrainingSet(false);
}
