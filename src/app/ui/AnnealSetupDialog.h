#pragma once
#include "net/TrainingSetup.h"
#include "search/AnnealSetupForm.h"
#include "win/Dialog.h"

// The "Simulate Annealing Initialization" dialog on the training settings,
// with a preview of the temperature schedule that follows the fields.
class AnnealSetupDialog : public Win::Dialog {
 public:
  explicit AnnealSetupDialog(trainingSetup& record) : record(record), form(record) {}
  bool Run(HWND parent);

 private:
  bool OnInitDialog() override;
  bool OnCommand(int id, int notification, HWND control) override;
  void OnOk() override;
  bool OnDrawItem(const DRAWITEMSTRUCT& item) override;

  void ReadControls();

  trainingSetup& record;
  AnnealSetupForm form;
  bool filling = false;
};
