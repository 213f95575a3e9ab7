#pragma once
#include "net/TrainingSetup.h"
#include "search/GeneticSetupForm.h"
#include "win/Dialog.h"

// The "Genetic Initialization" dialog on the training settings.
class GeneticSetupDialog : public Win::Dialog {
 public:
  explicit GeneticSetupDialog(trainingSetup& record) : record(record), form(record) {}
  bool Run(HWND parent);

 private:
  bool OnInitDialog() override;
  void OnOk() override;

  trainingSetup& record;
  GeneticSetupForm form;
};
