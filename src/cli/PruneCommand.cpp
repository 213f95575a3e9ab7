#include <charconv>

#include "cli/Commands.h"
#include "numerics/Matrix.h"
#include "platform/Text.h"
#include "tools/PruneTrainingSet.h"

namespace {

// "1,3,5" -> the 1-based column numbers; false when a piece is not a
// positive whole number.
bool ParseColumnList(const std::string& text, std::vector<std::int32_t>& columns) {
  std::size_t start = 0;
  while (start <= text.size()) {
    std::size_t comma = text.find(',', start);
    if (comma == std::string::npos) comma = text.size();
    std::int32_t column = 0;
    const char* first = text.data() + start;
    const char* last = text.data() + comma;
    auto [end, ec] = std::from_chars(first, last, column);
    if (ec != std::errc() || end != last || column < 1) return false;
    columns.push_back(column);
    start = comma + 1;
  }
  return !columns.empty();
}

int RunPrune(const Arguments& args, Terminal& terminal) {
  if (args.Positional().size() != 2) {
    terminal.Usage("prune", "expected IN.csv and OUT.csv");
    return kExitUsage;
  }
  std::vector<std::int32_t> columns;
  if (!args.Has("--keep") || !ParseColumnList(args.Value("--keep"), columns)) {
    terminal.Usage("prune", "--keep needs a list of column numbers such as 1,3,5");
    return kExitUsage;
  }
  Matrix set;
  if (Message error = set.LoadCsv(platform::PathFromUtf8(args.Positional()[0]))) {
    terminal.Message(error);
    return kExitFailed;
  }
  std::vector<bool> ticks(set.Cols(), false);
  for (std::int32_t column : columns) {
    if (column > set.Cols()) {
      terminal.Message(platform::Format("Column %d is outside the training set, which has %d columns",
                                        column, set.Cols()));
      return kExitFailed;
    }
    ticks[column - 1] = true;
  }
  Matrix pruned;
  Message error = PruneTrainingSet::KeepColumns(set, ticks, pruned);
  if (!error) error = pruned.SaveCsv(platform::PathFromUtf8(args.Positional()[1]));
  if (error) {
    terminal.Message(error);
    return kExitFailed;
  }
  return kExitDone;
}

}  // namespace

Command PruneCommand() {
  return {"prune", "prune IN.csv OUT.csv --keep LIST",
          "Copy a training set keeping only the listed columns.",
          "LIST holds 1-based column numbers separated by commas (\"1,3,5\"); the columns are\n"
          "written in the source's order with the workbench's CSV writer.",
          {{"--keep", true}},
          RunPrune};
}
