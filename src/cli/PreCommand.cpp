#include "cli/Commands.h"
#include "cli/TransformKindArgument.h"
#include "platform/Text.h"

namespace {

int RunPre(const Arguments& args, Terminal& terminal) {
  TransformLab::Kind kind;
  if (args.Positional().size() != 3 || !ParseTransformKind(args.Positional()[0], kind)) {
    terminal.Usage("pre", "expected normal|trend-ls|log|cbrt|trend-ends, IN and OUT");
    return kExitUsage;
  }
  TransformLab lab(true);
  lab.SetKind(kind);
  std::u16string error = lab.LoadUntransformed(platform::PathFromUtf8(args.Positional()[1]));
  if (error.empty()) error = lab.Pre(platform::PathFromUtf8(args.Positional()[2]));
  if (!error.empty()) {
    terminal.Message(error);
    return kExitFailed;
  }
  PrintStatistics(terminal.Out(), "Un-transformed", lab.SideStatistics(TransformLab::kUntransformed));
  PrintStatistics(terminal.Out(), "Transformed", lab.SideStatistics(TransformLab::kTransformed));
  terminal.Out() << "m = " << platform::Utf16ToUtf8(TransformLab::FieldText(lab.Slope()))
                 << "  b = " << platform::Utf16ToUtf8(TransformLab::FieldText(lab.Intercept())) << "\n";
  return kExitDone;
}

}  // namespace

Command PreCommand() {
  return {"pre",
          "pre normal|trend-ls|log|cbrt|trend-ends IN OUT",
          "Transform a series before training (the pre-processing lab).",
          "IN and OUT are \".csv\" (one line of values) or \".dat\" (binary) files. Prints the maximum,\n"
          "minimum, mean and standard deviation of both series and the trend line's m and b, the values\n"
          "post needs to undo the transform.",
          {},
          RunPre};
}
