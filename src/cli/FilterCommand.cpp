#include <charconv>

#include "cli/Commands.h"
#include "platform/Text.h"
#include "tools/FilteringLab.h"

namespace {

// A slider position: a whole number from 1 to 1000.
bool ParsePosition(const std::string& text, std::int32_t& position) {
  auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), position);
  return ec == std::errc() && end == text.data() + text.size() && position >= FilteringLab::kSliderMin &&
         position <= FilteringLab::kSliderMax;
}

int RunFilter(const Arguments& args, Terminal& terminal) {
  std::int32_t wc1 = 0, wc2 = 0;
  if (args.Positional().size() != 1) {
    terminal.Usage("filter", "expected IN.csv");
    return kExitUsage;
  }
  if (!ParsePosition(args.Value("--wc1"), wc1) || !ParsePosition(args.Value("--wc2"), wc2)) {
    terminal.Usage("filter", "--wc1 and --wc2 need slider positions from 1 to 1000");
    return kExitUsage;
  }
  FilteringLab lab;
  lab.MoveSliders(wc1, wc2);
  std::u16string error = lab.LoadSignal(platform::PathFromUtf8(args.Positional()[0]));
  const std::pair<const char*, FilteringLab::Band> outputs[] = {{"--low", FilteringLab::kLowPass},
                                                                {"--band", FilteringLab::kBandPass},
                                                                {"--high", FilteringLab::kHighPass}};
  for (const auto& [option, band] : outputs)
    if (error.empty() && args.Has(option))
      error = lab.SaveBand(band, platform::PathFromUtf8(args.Value(option)));
  if (error.empty() && args.Has("--spectrum"))
    if (Message saveError = lab.Spectrum().SaveText(platform::PathFromUtf8(args.Value("--spectrum"))))
      error = saveError;
  if (!error.empty()) {
    terminal.Message(error);
    return kExitFailed;
  }
  return kExitDone;
}

}  // namespace

Command FilterCommand() {
  return {"filter",
          "filter IN.csv --wc1 P --wc2 P [--low F.csv] [--band F.csv] [--high F.csv] [--spectrum F.csv]",
          "Split the signal on the first line of IN.csv into three bands (the filtering lab).",
          "P is a slider position from 1 to 1000, the cut-off P x pi/1000 radians per sample. Each\n"
          "named file receives one band (or the magnitude spectrum) as one line of \"%.4f\" values.",
          {{"--wc1", true},
           {"--wc2", true},
           {"--low", true},
           {"--band", true},
           {"--high", true},
           {"--spectrum", true}},
          RunFilter};
}
