#include "cli/Commands.h"
#include "cli/NetworkSlots.h"
#include "platform/Text.h"

namespace {

// Loads the network named by the first argument; false (with the message
// shown) when there is no layer network to run.
bool LoadRunnable(const std::string& path, NetworkSlots& slots, Terminal& terminal) {
  const std::u16string error = slots.LoadLayerNetwork(platform::PathFromUtf8(path));
  if (!error.empty()) terminal.Message(error);
  return error.empty();
}

int Finish(Message error, Terminal& terminal) {
  if (!error) return kExitDone;
  terminal.Message(error);
  return kExitFailed;
}

int RunSimulate(const Arguments& args, Terminal& terminal) {
  const auto& files = args.Positional();
  if (files.size() != 3) {
    terminal.Usage("simulate", "expected NET.tsn, IN and OUT");
    return kExitUsage;
  }
  NetworkSlots slots;
  if (!LoadRunnable(files[0], slots, terminal)) return kExitFailed;
  return Finish(
      slots.Network()->SimulateFile(platform::PathFromUtf8(files[1]), platform::PathFromUtf8(files[2]),
                                    !args.Has("--binary-in"), !args.Has("--binary-out")),
      terminal);
}

int RunClassify(const Arguments& args, Terminal& terminal) {
  const auto& files = args.Positional();
  if (files.size() != 3) {
    terminal.Usage("classify", "expected NET.tsn, IN.csv and OUT.csv");
    return kExitUsage;
  }
  NetworkSlots slots;
  if (!LoadRunnable(files[0], slots, terminal)) return kExitFailed;
  return Finish(
      slots.Network()->ClassifyFile(platform::PathFromUtf8(files[1]), platform::PathFromUtf8(files[2])),
      terminal);
}

}  // namespace

Command SimulateCommand() {
  return {"simulate",
          "simulate NET.tsn IN OUT [--binary-in] [--binary-out]",
          "On File Simulation: run every row of IN through the network and write the outputs.",
          "IN is comma-separated text, or headerless binary doubles with --binary-in. OUT holds the\n"
          "unscaled outputs as \"%.14f\" text (commas between values, CRLF between rows, no final\n"
          "line break), or their 8-byte doubles with --binary-out.",
          {{"--binary-in", false}, {"--binary-out", false}},
          RunSimulate};
}

Command ClassifyCommand() {
  return {"classify",
          "classify NET.tsn IN.csv OUT.csv",
          "On File Classification: write the class of every row of IN.csv, one per line.",
          "The class is 1 + the index of the first largest output, or 0 when that output is below\n"
          "the output activation's threshold.",
          {},
          RunClassify};
}
