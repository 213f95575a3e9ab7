#pragma once
#include "app/Shell.h"
#include "app/TrainingSetupForm.h"
#include "win/Dialog.h"

// The Training Setup dialog: initialisation and optimisation methods, goal,
// epochs, cycles, continued training and the training-progress file, with
// the genetic and annealing parameter dialogs.
class TrainingSetupDialog : public Win::Dialog {
 public:
  // `shell` answers the "Browse" file chooser.
  TrainingSetupDialog(TrainingSetupForm& form, Shell& shell) : form(form), shell(shell) {}
  bool Run(HWND parent);

 private:
  bool OnInitDialog() override;
  bool OnCommand(int id, int notification, HWND control) override;
  void OnOk() override;

  void ShowMethods();
  void ReadControls();

  TrainingSetupForm& form;
  Shell& shell;
};
