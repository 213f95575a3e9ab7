#include "cli/Commands.h"
#include "cli/TransformKindArgument.h"
#include "platform/Text.h"

namespace {

int RunPost(const Arguments& args, Terminal& terminal) {
  TransformLab::Kind kind;
  if (args.Positional().size() != 3 || !ParseTransformKind(args.Positional()[0], kind)) {
    terminal.Usage("post", "expected normal|trend-ls|log|cbrt|trend-ends, IN and OUT");
    return kExitUsage;
  }
  TransformLab lab(false);
  lab.SetKind(kind);
  const TransformLab::PostFields fields{
      platform::Utf8ToUtf16(args.Value("--mean")), platform::Utf8ToUtf16(args.Value("--std")),
      platform::Utf8ToUtf16(args.Value("--m")), platform::Utf8ToUtf16(args.Value("--b"))};
  std::u16string error = lab.LoadTransformed(platform::PathFromUtf8(args.Positional()[1]));
  if (error.empty()) error = lab.Post(fields, platform::PathFromUtf8(args.Positional()[2]));
  if (!error.empty()) {
    terminal.Message(error);
    return kExitFailed;
  }
  PrintStatistics(terminal.Out(), "Transformed", lab.SideStatistics(TransformLab::kTransformed));
  PrintStatistics(terminal.Out(), "Un-transformed", lab.SideStatistics(TransformLab::kUntransformed));
  return kExitDone;
}

}  // namespace

Command PostCommand() {
  return {"post",
          "post normal|trend-ls|log|cbrt|trend-ends IN OUT [--mean M] [--std S] [--m M] [--b B]",
          "Undo a pre-processing transform on a series (the post-processing lab).",
          "normal needs --mean and --std, the two trend kinds --m and --b: the values pre printed.",
          {{"--mean", true}, {"--std", true}, {"--m", true}, {"--b", true}},
          RunPost};
}
