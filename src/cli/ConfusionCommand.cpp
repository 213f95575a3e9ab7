#include <algorithm>
#include <vector>

#include "cli/Commands.h"
#include "cli/NetworkSlots.h"
#include "data/Confusion.h"
#include "data/ConfusionView.h"
#include "data/TrainingSetLoader.h"
#include "net/NetworkDescription.h"
#include "platform/Text.h"

namespace {

// The window's grid as text: headers along the top and the left, every
// column right-aligned to its widest text.
void PrintGrid(const ConfusionView& view, Terminal& terminal) {
  const std::int32_t n = view.Size();
  std::vector<std::vector<std::string>> cells(n + 1, std::vector<std::string>(n + 1));
  for (std::int32_t i = 0; i < n; ++i) {
    cells[0][i + 1] = platform::Utf16ToUtf8(view.Header(i));
    cells[i + 1][0] = platform::Utf16ToUtf8(view.Header(i));
    for (std::int32_t p = 0; p < n; ++p) cells[i + 1][p + 1] = platform::Utf16ToUtf8(view.CellText(i, p));
  }
  std::vector<std::size_t> widths(n + 1, 0);
  for (const auto& row : cells)
    for (std::int32_t c = 0; c <= n; ++c) widths[c] = std::max(widths[c], row[c].size());
  for (const auto& row : cells) {
    std::string line;
    for (std::int32_t c = 0; c <= n; ++c) {
      if (c > 0) line += "  ";
      line += std::string(widths[c] - row[c].size(), ' ') + row[c];
    }
    terminal.Out() << line << '\n';
  }
}

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
  const ConfusionView view(slots.Network()->Confusion());
  terminal.Out() << platform::Utf16ToUtf8(view.Title()) << '\n';
  PrintGrid(view, terminal);
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
