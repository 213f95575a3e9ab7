#pragma once
#include "app/Shell.h"
#include "win/Dialog.h"

// The "Training Set Info" dialog shown before a training set is chosen:
// the layout the file must have, with an example, and the inputs and
// rounding of the load.
class TrainingSetInfoDialog : public Win::Dialog {
 public:
  explicit TrainingSetInfoDialog(TrainingSetInfoRequest& request) : request(request) {}
  bool Run(HWND parent);

 private:
  bool OnInitDialog() override;
  bool OnCommand(int id, int notification, HWND control) override;
  void OnOk() override;

  // The width caption and the example follow the number of inputs.
  void ShowLayout();
  int Inputs() const;

  TrainingSetInfoRequest& request;
  bool filling = false;
};
