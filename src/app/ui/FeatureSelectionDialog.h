#pragma once
#include "data/FeatureSelectionForm.h"
#include "win/Dialog.h"

// The "Feature Selection" dialog: how many candidate columns are reduced to
// how many inputs, and the settings of the genetic search.
class FeatureSelectionDialog : public Win::Dialog {
 public:
  explicit FeatureSelectionDialog(FeatureSelectionForm& form) : form(form) {}
  bool Run(HWND parent);

 private:
  bool OnInitDialog() override;
  void OnOk() override;

  FeatureSelectionForm& form;
  FeatureSelectionSettings stored;
};
