#include <cstdio>

#include "cli/Commands.h"
#include "cli/NetworkSlots.h"
#include "data/ColumnReport.h"
#include "data/TrainingSetLoader.h"
#include "platform/Text.h"

namespace {

const char* StatusName(ColumnReportRow::Status status) {
  switch (status) {
    case ColumnReportRow::kWarning: return "warning";
    case ColumnReportRow::kError: return "error";
    default: return "OK";
  }
}

void PrintRows(std::ostream& out, const std::vector<ColumnReportRow>& rows, bool withStatus) {
  out << "Column\tMean\tVariance\tMinimum\tMaximum" << (withStatus ? "\tStatus\n" : "\n");
  for (std::size_t j = 0; j < rows.size(); ++j) {
    const ColumnReportRow& row = rows[j];
    const std::string label = row.label.empty() ? std::to_string(j + 1) : platform::Utf16ToUtf8(row.label);
    char numbers[160];
    std::snprintf(numbers, sizeof numbers, "\t%g\t%g\t%g\t%g", row.mean, row.variance, row.minimum,
                  row.maximum);
    out << label << numbers;
    if (withStatus) out << "\t" << StatusName(row.status);
    out << "\n";
  }
}

int RunAnalyze(const Arguments& args, Terminal& terminal) {
  const bool raw = args.Has("--raw");
  if (args.Positional().size() != 1 || (!raw && !args.Has("--net"))) {
    terminal.Usage("analyze", "expected SET.csv and --net NET.tsn (or --raw)");
    return kExitUsage;
  }
  const auto path = platform::PathFromUtf8(args.Positional()[0]);
  Matrix set;
  if (raw) {
    if (Message error = set.LoadCsv(path)) {
      terminal.Message(error);
      return kExitFailed;
    }
    PrintRows(terminal.Out(), ColumnStatistics(set), false);
    return kExitDone;
  }
  NetworkSlots slots;
  std::u16string error = slots.Load(platform::PathFromUtf8(args.Value("--net")));
  if (error.empty() && !slots.Network()) error = u"A Kohonen network has no training-set layout";
  if (!error.empty()) {
    terminal.Message(error);
    return kExitFailed;
  }
  LayerNet1& net = *slots.Network();
  TrainingSetLoad load;
  load.inputs = net.Inputs();
  load.isFeatureSelectionSet = [] { return true; };
  bool featureSelection = false;
  if (Message loadError = LoadTrainingSet(path, net, load, set, featureSelection)) {
    terminal.Message(loadError);
    return kExitFailed;
  }
  networkSetup setup;
  net.GetSetup(setup);
  PrintRows(terminal.Out(), ColumnReport(set, setup), true);
  return kExitDone;
}

}  // namespace

Command AnalyzeCommand() {
  return {"analyze",
          "analyze SET.csv --net NET.tsn [--raw]",
          "The training-set report: statistics and checks of every column.",
          "The set is loaded as Load Training Set does (width check and scaling; a wider real set is\n"
          "taken as a feature-selection set). --raw reports the plain data's statistics alone.",
          {{"--net", true}, {"--raw", false}},
          RunAnalyze};
}
