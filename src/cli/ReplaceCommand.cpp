#include "cli/Commands.h"
#include "platform/Text.h"
#include "tools/ReplaceInFiles.h"

namespace {

int RunReplace(const Arguments& args, Terminal& terminal) {
  if (args.Positional().size() != 2 || !args.Has("--this") || !args.Has("--with")) {
    terminal.Usage("replace", "expected IN, OUT, --this C and --with R");
    return kExitUsage;
  }
  ReplaceInFiles::Failure failure;
  if (!ReplaceInFiles::Replace(platform::PathFromUtf8(args.Positional()[0]),
                               platform::PathFromUtf8(args.Positional()[1]),
                               platform::Utf8ToUtf16(args.Value("--this")),
                               platform::Utf8ToUtf16(args.Value("--with")), failure)) {
    terminal.Message(failure.caption + u"\r\n" + failure.text);
    return kExitFailed;
  }
  return kExitDone;
}

}  // namespace

Command ReplaceCommand() {
  return {"replace",
          "replace IN OUT --this C --with R",
          "Copy a file replacing every occurrence of one character by another (replace in files).",
          "Only the first character of C and of R counts; the file is treated as bytes, so only\n"
          "characters with codes below 256 are replaced.",
          {{"--this", true}, {"--with", true}},
          RunReplace};
}
