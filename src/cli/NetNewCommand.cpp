#include <map>

#include "cli/Commands.h"
#include "cli/NetworkSlots.h"
#include "cli/OptionValues.h"
#include "data/ColumnReport.h"
#include "data/TrainingSetLayout.h"
#include "net/NetworkFile.h"
#include "net/NetworkSetupForm.h"
#include "platform/Text.h"

namespace {

// The command line's description; false with `why` on a wrong option.
bool ReadSetup(const Arguments& args, networkSetup& s, std::string& why) {
  const std::map<std::string, std::int32_t> hidden = {{"logsig", 0}, {"tanh", 1}};
  const std::map<std::string, std::int32_t> output = {{"logsig", 0}, {"tanh", 1}, {"linear", 2}};
  const std::map<std::string, std::int32_t> styles = {
      {"generic", kGeneric}, {"classifier", kClassifier}, {"autoassociative", kOutputEqualsInput}};
  s.SetFileIdentity();
  if (!args.Has("--inputs") || !args.Has("--outputs"))
    return why = "--inputs and --outputs are required", false;
  const struct {
    const char* name;
    std::int32_t* field;
  } counts[] = {{"--inputs", &s.inputs},
                {"--outputs", &s.outputs},
                {"--hidden1", &s.hidden1},
                {"--hidden2", &s.hidden2}};
  for (const auto& count : counts) {
    if (args.Has(count.name) && !ParseInt(args.Value(count.name), *count.field))
      return why = std::string(count.name) + " needs a whole number", false;
  }
  if (s.hidden1 < 0 || s.hidden2 < 0) return why = "hidden layer sizes cannot be negative", false;
  if (!ParseChoice(args.Value("--act1", "logsig"), hidden, s.hidden1Activation) ||
      !ParseChoice(args.Value("--act2", "logsig"), hidden, s.hidden2Activation))
    return why = "hidden activations are logsig or tanh", false;
  if (!ParseChoice(args.Value("--out-act", "logsig"), output, s.outputActivation))
    return why = "--out-act is logsig, tanh or linear", false;
  if (!ParseChoice(args.Value("--style", "generic"), styles, s.style))
    return why = "--style is generic, classifier or autoassociative", false;
  s.complex = args.Has("--complex") ? 1 : 0;
  return true;
}

struct ScaleEntry {
  std::int32_t index;
  std::uint32_t method;
  double min, max;
};

// "K=METHOD:MIN:MAX" with K counted from 1.
bool ParseScaleEntry(const std::string& text, ScaleEntry& entry) {
  const std::size_t equals = text.find('='), colon1 = text.find(':', equals + 1);
  const std::size_t colon2 = colon1 == std::string::npos ? colon1 : text.find(':', colon1 + 1);
  if (equals == std::string::npos || colon2 == std::string::npos) return false;
  std::int32_t k = 0, method = 0;
  if (!ParseInt(text.substr(0, equals), k) ||
      !ParseInt(text.substr(equals + 1, colon1 - equals - 1), method) ||
      !ParseDouble(text.substr(colon1 + 1, colon2 - colon1 - 1), entry.min) ||
      !ParseDouble(text.substr(colon2 + 1), entry.max) || k < 1 || method < 0 || method > 3)
    return false;
  entry.index = k - 1;
  entry.method = static_cast<std::uint32_t>(method);
  return true;
}

// Every input entry from the range of its column(s) in the raw set and, for
// "Generic", every output entry from its target column(s).
Message ScaleFrom(const std::string& path, std::uint32_t inputMethod, LayerNet1& net) {
  Matrix set;
  if (Message error = set.LoadCsv(platform::PathFromUtf8(path))) return error;
  networkSetup setup;
  net.GetSetup(setup);
  if (set.Cols() != ExpectedColumns(setup, true))
    return u"The number of columns in the training set is incorrect";
  const auto stats = ColumnStatistics(set);
  const std::int32_t width = setup.complex ? 2 : 1;
  auto range = [&](std::int32_t first, double& min, double& max) {
    min = stats[first].minimum;
    max = stats[first].maximum;
    for (std::int32_t c = first + 1; c < first + width; ++c) {
      min = std::min(min, stats[c].minimum);
      max = std::max(max, stats[c].maximum);
    }
  };
  double min, max;
  for (std::int32_t k = 0; k < net.InputScaler().Count(); ++k) {
    range(width * k, min, max);
    net.InputScaler().Set(k, min, max, inputMethod);
  }
  const std::uint32_t outputMethod = static_cast<std::uint32_t>(setup.outputActivation) + 1;
  for (std::int32_t k = 0; k < net.OutputScaler().Count(); ++k) {
    range(width * (setup.inputs + k), min, max);
    net.OutputScaler().Set(k, min, max, outputMethod);
  }
  return nullptr;
}

// --in-scale and --out-scale entries; false with `why` on a wrong one.
bool ApplyEntries(const Arguments& args, const char* option, Scaler& scaler, std::string& why) {
  for (const std::string& text : args.Values(option)) {
    ScaleEntry entry;
    if (!ParseScaleEntry(text, entry) || entry.index >= scaler.Count()) {
      why = std::string(option) + " needs K=METHOD:MIN:MAX with K a scaled column (here 1 to " +
            std::to_string(scaler.Count()) + ")";
      return false;
    }
    scaler.Set(entry.index, entry.min, entry.max, entry.method);
  }
  return true;
}

int RunNetNew(const Arguments& args, Terminal& terminal) {
  if (args.Positional().size() != 1) {
    terminal.Usage("net-new", "expected OUT.tsn");
    return kExitUsage;
  }
  networkSetup requested;
  std::string why;
  std::int32_t inputMethod = 2;
  if (!ReadSetup(args, requested, why) ||
      (args.Has("--in-method") &&
       (!ParseInt(args.Value("--in-method"), inputMethod) || inputMethod < 0 || inputMethod > 3))) {
    terminal.Usage("net-new", why.empty() ? "--in-method is 0, 1, 2 or 3" : why);
    return kExitUsage;
  }
  NetworkSetupForm form(requested);
  networkSetup setup;
  if (auto balloon = form.Accept(setup)) {
    terminal.Message(balloon->text);
    return kExitFailed;
  }
  NetworkSlots slots;
  LayerNet1& net = slots.Slot(NetworkFile::LayerCount(setup));
  if (!net.Create(setup, true)) {
    terminal.Message(u"No enough memory to allocate network");
    return kExitFailed;
  }
  Message error = nullptr;
  if (args.Has("--scale-from"))
    error = ScaleFrom(args.Value("--scale-from"), static_cast<std::uint32_t>(inputMethod), net);
  if (!error && (!ApplyEntries(args, "--in-scale", net.InputScaler(), why) ||
                 !ApplyEntries(args, "--out-scale", net.OutputScaler(), why))) {
    terminal.Usage("net-new", why);
    return kExitUsage;
  }
  if (!error) error = net.Save(platform::PathFromUtf8(args.Positional()[0]));
  if (error) {
    terminal.Message(error);
    return kExitFailed;
  }
  return kExitDone;
}

}  // namespace

Command NetNewCommand() {
  return {
      "net-new",
      "net-new OUT.tsn --inputs I --outputs O [--hidden1 H1] [--hidden2 H2] [--act1 logsig|tanh]\n"
      "  [--act2 logsig|tanh] [--out-act logsig|tanh|linear] [--style generic|classifier|autoassociative]\n"
      "  [--complex] [--scale-from SET.csv] [--in-method 0|1|2|3]\n"
      "  [--in-scale K=METHOD:MIN:MAX]... [--out-scale K=METHOD:MIN:MAX]...",
      "Create a network with zero weights, as the Network Setup dialog would, and save it.",
      "Defaults: no hidden layer, Logsig everywhere, Generic, real, no scaling. --scale-from sets every\n"
      "input entry to its column's range in the raw set (method --in-method, default 2) and, for\n"
      "Generic, every output entry to its target column's range with the method of the output\n"
      "activation (Logsig 1, Tanh 2, Linear 3). --in-scale/--out-scale set one entry (K from 1).",
      {{"--inputs", true},
       {"--outputs", true},
       {"--hidden1", true},
       {"--hidden2", true},
       {"--act1", true},
       {"--act2", true},
       {"--out-act", true},
       {"--style", true},
       {"--complex", false},
       {"--scale-from", true},
       {"--in-method", true},
       {"--in-scale", true, true},
       {"--out-scale", true, true}},
      RunNetNew};
}
