#include "cli/Commands.h"
#include "platform/Text.h"
#include "tools/PredictionSet.h"

namespace {

int RunPredictSet(const Arguments& args, Terminal& terminal) {
  if (args.Positional().size() != 2 || !args.Has("--columns")) {
    terminal.Usage("predict-set", "expected IN.csv, OUT.csv and --columns W");
    return kExitUsage;
  }
  const std::u16string error = PredictionSet::Build(platform::PathFromUtf8(args.Positional()[0]),
                                                    platform::Utf8ToUtf16(args.Value("--columns")),
                                                    platform::PathFromUtf8(args.Positional()[1]));
  if (!error.empty()) {
    terminal.Message(error);
    return kExitFailed;
  }
  return kExitDone;
}

}  // namespace

Command PredictSetCommand() {
  return {"predict-set",
          "predict-set IN.csv OUT.csv --columns W",
          "Build a prediction training set from the series on the first row of IN.csv.",
          "Every output line is a window of W consecutive values (\"%f\", separated by \", \", CRLF);\n"
          "a series of S values gives S - W + 1 lines. W must lie between 1 and S.",
          {{"--columns", true}},
          RunPredictSet};
}
