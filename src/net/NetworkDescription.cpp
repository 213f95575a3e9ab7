#include "net/NetworkDescription.h"

#include "data/TrainingSetLayout.h"
#include "net/Activation.h"
#include "platform/Text.h"

namespace NetworkDescription {

std::u16string Short(int kind, const networkSetup& s) {
  const char out = ActivationLetter(s.outputActivation);
  const char h1 = ActivationLetter(s.hidden1Activation);
  const char h2 = ActivationLetter(s.hidden2Activation);
  switch (kind) {
    case 1: return platform::Format("%d : %d%c", s.inputs, s.outputs, out);
    case 2: return platform::Format("%d : %d%c : %d%c", s.inputs, s.hidden1, h1, s.outputs, out);
    case 3:
      return platform::Format("%d : %d%c : %d%c : %d%c", s.inputs, s.hidden1, h1, s.hidden2, h2, s.outputs,
                              out);
    case 4: return u"0:0";
    default: return {};
  }
}

std::u16string Long(const networkSetup& s) {
  const std::string minimum = platform::Utf16ToUtf8(
      platform::ThousandsText(MinimumRows(s.inputs, s.hidden1, s.hidden2, s.outputs, s.complex)));
  const char* domain = s.complex ? "Complex" : "Real";
  const char out = ActivationLetter(s.outputActivation);
  const char h1 = ActivationLetter(s.hidden1Activation);
  if (s.hidden1 <= 0)
    return platform::Format("Layer Network %d:%d%c - %s  (Minimum no. of train. cases: %s)", s.inputs,
                            s.outputs, out, domain, minimum.c_str());
  if (s.hidden2 <= 0)
    return platform::Format("Layer Network %d:%d%c:%d%c - %s  (Minimum no. of train. cases: %s)", s.inputs,
                            s.hidden1, h1, s.outputs, out, domain, minimum.c_str());
  return platform::Format("Layer Network %d:%d%c:%d%c:%d%c  (Minimum no. of train. cases: %s)", s.inputs,
                          s.hidden1, h1, s.hidden2, ActivationLetter(s.hidden2Activation), s.outputs, out,
                          minimum.c_str());
}

}  // namespace NetworkDescription
