#include "cli/Commands.h"
#include "platform/Text.h"
#include "tools/FftLab.h"

namespace {

int RunFft(const Arguments& args, Terminal& terminal) {
  if (args.Positional().size() != 2) {
    terminal.Usage("fft", "expected IN.csv and OUT.csv");
    return kExitUsage;
  }
  FftOptions options;
  options.realData = !args.Has("--complex");
  options.applyWindow = args.Has("--window");
  options.leaveLastColumn = args.Has("--leave-last");
  options.phaseNormalization = args.Has("--phase-norm");
  FftLab lab(true);
  lab.SetOptions(options);
  std::u16string error = lab.LoadTimeFile(platform::PathFromUtf8(args.Positional()[0]));
  if (error.empty() && !lab.ComputeEnabled()) error = u"The file has no rows or no columns";
  if (error.empty()) error = lab.Forward(platform::PathFromUtf8(args.Positional()[1]));
  if (!error.empty()) {
    terminal.Message(error);
    return kExitFailed;
  }
  return kExitDone;
}

}  // namespace

Command FftCommand() {
  return {"fft",
          "fft IN.csv OUT.csv [--complex] [--window] [--leave-last] [--phase-norm]",
          "Turn every row of a signal file into its spectrum (the FFT lab).",
          "Real rows hold N samples; with --complex a row holds N/2 (real, imaginary) pairs. N must be\n"
          "a power of 2. --window tapers each row first, --leave-last copies the last (class) column\n"
          "unchanged, --phase-norm rotates each spectrum so its strongest component has phase 0.",
          {{"--complex", false}, {"--window", false}, {"--leave-last", false}, {"--phase-norm", false}},
          RunFft};
}
