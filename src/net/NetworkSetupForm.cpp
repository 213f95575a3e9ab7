#include "net/NetworkSetupForm.h"

#include "net/NetworkDescription.h"

NetworkSetupForm::NetworkSetupForm(const networkSetup& start) : fields(start) { Follow(); }

void NetworkSetupForm::Follow() {
  if (fields.style == kOutputEqualsInput) fields.outputs = fields.inputs;
  if (fields.complex) {
    fields.hidden2 = 0;
    if (fields.hidden1 <= 0) fields.hidden1 = 1;
  }
  caption = NetworkDescription::Long(fields);
}

std::optional<Balloon> NetworkSetupForm::Accept(networkSetup& setup) const {
  if (fields.inputs < 1)
    return Balloon{kInputs, u"Layer network", u"The number of input must be greater than zero"};
  if (fields.outputs < 1)
    return Balloon{kOutputs, u"Layer network", u"The number of outputs must be greater than zero"};
  if (fields.complex && fields.hidden1 < 1)
    return Balloon{kHidden1, u"Complex layer network",
                   u"There must be one hidden layer for complex neural networks"};
  setup = fields;
  if (setup.hidden1 == 0) setup.hidden2 = 0;
  return std::nullopt;
}
