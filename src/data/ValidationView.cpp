#include "data/ValidationView.h"

#include "platform/Text.h"

std::u16string ValidationView::Title() const {
  return platform::Format("Validate Set - mse = %g", result.mse);
}

ValidationPlot ValidationView::Plot(int index) const {
  switch (index) {
    case 0:
      return {u"Training Case - mse",
              u"Mean-squared error for each training case",
              u"Training case",
              u"mse",
              "%.1f",
              "%.0e",
              &result.caseError};
    case 1:
      return {u"Output - mse",    u"Mean-squared error for each output", u"Output", u"mse", "%.1f", "%.0e",
              &result.outputError};
    default:
      return {u"Output Data Domain - Error",
              u"Output Data Domain Error (includes output scaling)",
              u"Output",
              u"Error",
              "%.1f",
              "%.2e",
              &result.domainError};
  }
}

std::u16string ValidationView::ActivationTitle(int caseNumber) {
  return platform::Format("Validate Set - training case = %d", caseNumber);
}
