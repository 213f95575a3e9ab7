#include "cli/Commands.h"
#include "platform/Text.h"
#include "tools/FftLab.h"

namespace {

int RunIfft(const Arguments& args, Terminal& terminal) {
  if (args.Positional().size() != 2) {
    terminal.Usage("ifft", "expected IN.csv and OUT.csv");
    return kExitUsage;
  }
  FftOptions options;
  options.realData = !args.Has("--complex");
  options.applyWindow = args.Has("--window");
  FftLab lab(false);
  std::u16string error = lab.LoadFrequencyFile(platform::PathFromUtf8(args.Positional()[0]));
  if (error.empty() && !lab.ComputeEnabled()) error = u"The file has no rows or no columns";
  if (error.empty()) {
    lab.SetOptions(options);
    error = lab.Inverse(platform::PathFromUtf8(args.Positional()[1]));
  }
  if (!error.empty()) {
    terminal.Message(error);
    return kExitFailed;
  }
  return kExitDone;
}

}  // namespace

Command IfftCommand() {
  return {"ifft",
          "ifft IN.csv OUT.csv [--complex] [--window]",
          "Turn every row of a spectrum file back into its signal (the inverse FFT lab).",
          "The rows are spectra as fft writes them; --complex and --window must match the forward run\n"
          "(--window divides by the taper after inverting).",
          {{"--complex", false}, {"--window", false}},
          RunIfft};
}
