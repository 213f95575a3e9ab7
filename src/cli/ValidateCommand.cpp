#include "cli/Commands.h"
#include "cli/NetworkSlots.h"
#include "data/Validation.h"
#include "platform/Text.h"

namespace {

// Writes one line per case with its error, as the workbench saves a series.
Message SaveCaseErrors(const std::string& path, const Vector& caseError, Matrix& column) {
  if (!column.Resize(caseError.Length(), 1)) return u"No enough memory to validate the set";
  for (std::int32_t r = 0; r < caseError.Length(); ++r) column[r][0] = caseError[r];
  return column.SaveCsv(platform::PathFromUtf8(path));
}

void PrintResult(const ValidationResult& result, Terminal& terminal) {
  std::ostream& out = terminal.Out();
  out << platform::Utf16ToUtf8(platform::Format("Validate Set - mse = %g", result.mse)) << '\n';
  for (std::int32_t j = 0; j < result.outputError.Length(); ++j)
    out << platform::Utf16ToUtf8(platform::Format("Output %d: mse = %g, domain error = %g", j + 1,
                                                  result.outputError[j], result.domainError[j]))
        << '\n';
}

int RunValidate(const Arguments& args, Terminal& terminal) {
  const auto& files = args.Positional();
  if (files.size() != 2) {
    terminal.Usage("validate", "expected NET.tsn and SET.csv or SET.dat");
    return kExitUsage;
  }
  NetworkSlots slots;
  std::u16string error = slots.LoadLayerNetwork(platform::PathFromUtf8(files[0]));
  Matrix set;
  if (error.empty()) error = LoadValidationSet(platform::PathFromUtf8(files[1]), *slots.Network(), set);
  ValidationResult result;
  if (error.empty() && !Validate(*slots.Network(), set, result))
    error = u"No enough memory to validate the set";
  Matrix column;
  if (error.empty() && args.Has("--cases")) {
    if (Message failure = SaveCaseErrors(args.Value("--cases"), result.caseError, column)) error = failure;
  }
  if (!error.empty()) {
    terminal.Message(error);
    return kExitFailed;
  }
  PrintResult(result, terminal);
  return kExitDone;
}

}  // namespace

Command ValidateCommand() {
  return {"validate",
          "validate NET.tsn SET.csv|SET.dat [--cases F.csv]",
          "Validate a network on a set laid out like its training set.",
          "Prints \"Validate Set - mse = %g\" and, for each output value, its mse and its error in\n"
          "the units of the unscaled data. SET.dat holds raw doubles of the network's width.\n"
          "--cases writes each case's error, one per line.",
          {{"--cases", true}},
          RunValidate};
}
