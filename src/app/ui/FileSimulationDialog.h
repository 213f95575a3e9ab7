#pragma once
#include "app/FileSimulationForm.h"
#include "app/Shell.h"
#include "win/Dialog.h"

// The dialog of "On File Simulation" and "On File Classification": the
// input and output files, their formats, and whether the result opens.
class FileSimulationDialog : public Win::Dialog {
 public:
  // `shell` answers the "Browse" file choosers.
  FileSimulationDialog(FileSimulationRequest& request, Shell& shell) : form(request), shell(shell) {}
  bool Run(HWND parent);

 private:
  bool OnInitDialog() override;
  bool OnCommand(int id, int notification, HWND control) override;
  void OnOk() override;

  void ReadControls();
  void ShowFiles();

  FileSimulationForm form;
  Shell& shell;
};
