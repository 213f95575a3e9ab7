#pragma once
#include <string>

#include "data/Validation.h"

// One tab of the "Neural Network Domain Statistics" window: a plot of a
// series against its index, with its texts.
struct ValidationPlot {
  const char16_t* tab;
  const char16_t* heading;
  const char16_t* horizontalTitle;
  const char16_t* verticalTitle;
  // The axis number formats: linear, then logarithmic.
  const char* linearFormat;
  const char* logFormat;
  const Vector* series;
};

// What the window shows of a validation: its title, the three plot tabs in
// order, the vertical range of the domain-error plot, and the caption of
// the activation tab for a case.
class ValidationView {
 public:
  static constexpr int kPlots = 3;
  static constexpr const char16_t* kActivationTab = u"Activation";

  explicit ValidationView(const ValidationResult& result) : result(result) {}

  std::u16string Title() const;
  ValidationPlot Plot(int index) const;
  // The domain-error plot runs from 0.2 x its minimum to 1.2 x its maximum.
  double DomainMinimum() const { return 0.2 * result.domainError.Minimum(); }
  double DomainMaximum() const { return 1.2 * result.domainError.Maximum(); }
  // "Validate Set - training case = %d", counted from 1.
  static std::u16string ActivationTitle(int caseNumber);

 private:
  const ValidationResult& result;
};
