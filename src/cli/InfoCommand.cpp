#include <cstdio>

#include "app/FileProbes.h"
#include "cli/BuilderCommands.h"
#include "cli/Commands.h"
#include "cli/NetworkSlots.h"
#include "net/NetworkDescription.h"
#include "platform/Text.h"

namespace {

const char* ActivationName(std::int32_t code) {
  switch (code) {
    case 0: return "Logsig";
    case 1: return "Tanh";
    case 2: return "Linear";
    default: return "unknown";
  }
}

const char* StyleName(std::int32_t style) {
  switch (style) {
    case kGeneric: return "Generic";
    case kClassifier: return "Classifier";
    case kOutputEqualsInput: return "Output = Input";
    default: return "unknown";
  }
}

void PrintScaler(std::ostream& out, const char* title, Scaler& scaler) {
  out << title << ": " << scaler.Count() << (scaler.Count() == 1 ? " entry\n" : " entries\n");
  for (std::int32_t k = 0; k < scaler.Count(); ++k) {
    out << "  " << k + 1 << "  " << platform::Utf16ToUtf8(scaler.MethodText(k)) << "  "
        << platform::Utf16ToUtf8(scaler.RangeText(k)) << "\n";
  }
}

void PrintNetwork(std::ostream& out, int kind, LayerNet1& net) {
  networkSetup s;
  net.GetSetup(s);
  out << "Layer network, kind " << kind << "\n"
      << "Header: " << s.headerSize << " bytes, version " << s.majorVersion << "." << s.minorVersion
      << ", family " << s.family << "\n"
      << "Structure: " << platform::Utf16ToUtf8(NetworkDescription::Short(kind, s)) << "\n"
      << "Inputs: " << s.inputs << "\n";
  if (s.hidden1 > 0)
    out << "Hidden layer 1: " << s.hidden1 << " " << ActivationName(s.hidden1Activation) << "\n";
  if (s.hidden2 > 0)
    out << "Hidden layer 2: " << s.hidden2 << " " << ActivationName(s.hidden2Activation) << "\n";
  out << "Outputs: " << s.outputs << " " << ActivationName(s.outputActivation) << "\n"
      << "Style: " << StyleName(s.style) << "\n"
      << "Domain: " << (s.complex ? "Complex" : "Real") << "\n"
      << "Weights: " << net.WeightCount() << "\n";
  PrintScaler(out, "Input scaling", net.InputScaler());
  PrintScaler(out, "Output scaling", net.OutputScaler());
}

int RunInfo(const Arguments& args, Terminal& terminal) {
  if (args.Positional().size() != 1) {
    terminal.Usage("info", "expected FILE.tsn");
    return kExitUsage;
  }
  const auto path = platform::PathFromUtf8(args.Positional()[0]);
  char16_t probe[256];
  const int verdict = FileProbes::ProbeBuilderDocument(path, probe, std::size(probe));
  if (verdict == FileProbes::kProbeFailed) {
    terminal.Message(probe);
    return kExitFailed;
  }
  if (verdict == FileProbes::kBuilderDocument) return PrintBuilderInfo(path, terminal);
  NetworkSlots slots;
  const std::u16string error = slots.Load(path);
  if (!error.empty()) {
    terminal.Message(error);
    return kExitFailed;
  }
  if (slots.Kind() == 4) {
    terminal.Out() << "Kohonen network, kind 4\nStructure: 0:0\n";
    return kExitDone;
  }
  PrintNetwork(terminal.Out(), slots.Kind(), *slots.Network());
  return kExitDone;
}

}  // namespace

Command InfoCommand() {
  return {"info",
          "info FILE.tsn",
          "Describe a network file or a data set builder document.",
          "A network file: kind, header, structure, scaling. A builder document: shape, build\n"
          "type and equations. Anything else gets the probe's message and exit status 1.",
          {},
          RunInfo};
}
