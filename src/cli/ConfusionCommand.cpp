#include "cli/Commands.h"
#include "cli/ConfusionText.h"
#include "cli/NetworkSlots.h"
#include "data/Confusion.h"
#include "data/TrainingSetLoader.h"
#include "net/NetworkDescription.h"
#include "platform/Text.h"

namespace {

std::u16string LoadSet(const std::string& path, LayerNet1& network, Matrix& set) {
  TrainingSetLoad options;
  options.inputs = network.Inputs();
  options.isFeatureSelectionSet = [] { return false; };
  bool featureSelection = false;
  Message error = LoadTrainingSet(platform::PathFromUtf8(path), network, options, set, featureSelection);
  return error ? std::u16string(error) : std::u16string();
}

std::u16string SavePage(const std::string& path, NetworkSlots& slots) {
  networkSetup setup;
  slots.Network()->GetSetup(setup);
  const ConfusionPageResult saved =
      SaveConfusionPage(platform::PathFromUtf8(path), slots.Network()->Confusion(),
                        NetworkDescription::Short(slots.Kind(), setup));
  if (saved.written) return {};
  std::u16string text = saved.message ? std::u16string(saved.message) + u"\r\n" : std::u16string();
  return text + u"The confusion file couldn't be written";
}

int RunConfusion(const Arguments& args, Terminal& terminal) {
  const auto& files = args.Positional();
  if (files.size() != 2) {
    terminal.Usage("confusion", "expected NET.tsn and SET.csv");
    return kExitUsage;
  }
  NetworkSlots slots;
  std::u16string error = slots.LoadLayerNetwork(platform::PathFromUtf8(files[0]));
  Matrix set;
  if (error.empty()) error = LoadSet(files[1], *slots.Network(), set);
  if (error.empty() && !ComputeConfusion(*slots.Network(), set))
    error = u"Unable to compute confusion matrix";
  if (error.empty() && args.Has("--html")) error = SavePage(args.Value("--html"), slots);
  if (!error.empty()) {
    terminal.Message(error);
    return kExitFailed;
  }
  PrintConfusion(slots.Network()->Confusion(), terminal);
  return kExitDone;
}

}  // namespace

Command ConfusionCommand() {
  return {"confusion",
          "confusion NET.tsn SET.csv [--html PAGE.htm]",
          "Compute a classifier's confusion matrix on a set and print it.",
          "Rows are the actual classes, columns the recognised ones; \"reject\" is class 0 or no\n"
          "output high enough. Error cells are marked \"%d*\". --html writes the web page.",
          {{"--html", true}},
          RunConfusion};
}
