#include <charconv>
#include <chrono>
#include <map>
#include <thread>

#include "cli/Commands.h"
#include "cli/NetworkSlots.h"
#include "data/TrainingSetLoader.h"
#include "platform/Env.h"
#include "platform/Text.h"

namespace {

constexpr auto kPoll = std::chrono::milliseconds(10);
constexpr int kPollsPerRedraw = 10;

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

// "%d:%2.2d:%2.2d" of the time still needed to reach 100 percent.
std::string TimeLeft(double percent, double elapsed) {
  if (percent <= 0.0) return "Unknown";
  const auto t = static_cast<std::int64_t>((100.0 - percent) * elapsed / percent);
  return platform::Utf16ToUtf8(platform::Format("%d:%2.2d:%2.2d", static_cast<int>(t / 3600),
                                                static_cast<int>(t % 3600 / 60), static_cast<int>(t % 60)));
}

// How far a run is, in percent: each cycle has an initialisation half
// (by attempts) and an optimisation half (by epochs).
double RunPercent(const trainingProgress& progress, const trainingSetup& setup) {
  const double cycles = std::max(setup.cycles, 1);
  const double cycle = std::max(progress.trainingCycle.Get(), 1) - 1;
  double within;
  if (progress.phase.Get() == kPhaseOptimisation)
    within = 0.5 + 0.5 * std::min(1.0, progress.epoch.Get() / std::max(1.0, 1.0 * setup.epochs));
  else
    within = 0.5 * (std::max(progress.initializationCycle.Get(), 1) - 1) /
             std::max(1.0, 1.0 * setup.initializationAttempts);
  return std::min(100.0, 100.0 * (cycle + within) / cycles);
}

void ShowProgress(Terminal& terminal, const trainingProgress& progress, const trainingSetup& setup,
                  double elapsed) {
  const double percent = RunPercent(progress, setup);
  const double mse = progress.phase.Get() == kPhaseOptimisation ? progress.optimizationMse.Get()
                                                                : progress.initializationMse.Get();
  terminal.Progress(platform::Utf16ToUtf8(platform::Format(
                        "Training %3d%%  mse: %g  Time Left: ", static_cast<int>(percent), mse)) +
                    TimeLeft(percent, elapsed));
}

// Starts the run and waits for its end, redrawing the progress line about
// every 100 ms when standard error shows it.
bool RunToEnd(LayerNet1& net, const trainingProgress& progress, const trainingSetup& setup, bool quiet,
              Terminal& terminal) {
  if (!net.Start()) return false;
  const bool show = !quiet && terminal.ShowsProgress();
  const std::uint64_t start = platform::Env::Current().Ticks();
  for (int poll = 1; net.IsRunning(); ++poll) {
    std::this_thread::sleep_for(kPoll);
    if (show && poll % kPollsPerRedraw == 0)
      ShowProgress(terminal, progress, setup, (platform::Env::Current().Ticks() - start) / 1000.0);
  }
  net.Join();
  if (show) terminal.EndProgress();
  return true;
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
  NetworkSlots slots;
  std::u16string error = slots.Load(platform::PathFromUtf8(files[0]));
  if (error.empty() && !slots.Network()) error = u"A Kohonen network has no layers to run";
  if (!error.empty()) {
    terminal.Message(error);
    return kExitFailed;
  }
  LayerNet1& net = *slots.Network();
  // As after a Network panel refresh: annealing without a hidden layer,
  // annealing with output regression otherwise.
  if (!options.initGiven)
    options.setup.initializationMethod = slots.Kind() == 1 ? kAnnealing : kAnnealRegress;
  Matrix set;
  bool featureSelection = false;
  TrainingSetLoad load;
  load.inputs = net.Inputs();
  load.roundDigits = options.roundDigits;
  if (Message message = LoadTrainingSet(platform::PathFromUtf8(files[1]), net, load, set, featureSelection)) {
    terminal.Message(message);
    return kExitFailed;
  }
  trainingProgress progress;
  net.Bind(&set, &progress, options.setup);
  if (!RunToEnd(net, progress, options.setup, args.Has("--quiet"), terminal)) {
    terminal.Message(u"The training thread cannot be started");
    return kExitFailed;
  }
  const std::u16string failure = progress.TakeMessage();
  if (!failure.empty()) {
    terminal.Message(failure);
    return kExitFailed;
  }
  const double mse = net.Mse();
  terminal.Out() << (options.setup.goal < mse ? "Training Over!" : "Training Successful!") << "\n"
                 << platform::Utf16ToUtf8(platform::Format("mse: %g", mse)) << "\n";
  if (Message message = net.Save(platform::PathFromUtf8(args.Value("-o")))) {
    terminal.Message(message);
    return kExitFailed;
  }
  return kExitDone;
}

}  // namespace

Command TrainCommand() {
  return {
      "train",
      "train NET.tsn SET.csv -o OUT.tsn [--init anneal-regress|genetic|regression|anneal|genetic-regress]\n"
      "  [--method cg|lm|vm] [--goal G] [--epochs E] [--cycles C] [--attempts A] [--continue] [--round D]\n"
      "  [--sa-temps N] [--sa-iters N] [--sa-from T0] [--sa-to T1] [--sa-k K] [--sa-linear]\n"
      "  [--ga-pop N] [--ga-gens N] [--ga-cross P] [--ga-mut P] [--quiet]",
      "Train a network on a training set and write the best network found.",
      "SET.csv is loaded as Load Training Set does (width check, scaling, optional rounding to D\n"
      "digits). One training run goes on the training thread with the workbench's defaults for\n"
      "everything not given; the initialisation defaults to anneal for a network without hidden\n"
      "layer and anneal-regress otherwise, and regression always makes one attempt. Prints\n"
      "\"Training Successful!\" when the mse reached the goal (default 1e-5), else \"Training Over!\",\n"
      "then \"mse: %g\". A terminal shows a live progress line on standard error unless --quiet.",
      {{"-o", true},        {"--init", true},     {"--method", true},     {"--goal", true},
       {"--epochs", true},  {"--cycles", true},   {"--attempts", true},   {"--continue", false},
       {"--round", true},   {"--sa-temps", true}, {"--sa-iters", true},   {"--sa-from", true},
       {"--sa-to", true},   {"--sa-k", true},     {"--sa-linear", false}, {"--ga-pop", true},
       {"--ga-gens", true}, {"--ga-cross", true}, {"--ga-mut", true},     {"--quiet", false}},
      RunTrain};
}
