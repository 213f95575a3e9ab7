#pragma once
#include "net/NetworkSetup.h"
#include "net/NetworkSetupForm.h"
#include "win/Dialog.h"

// The Network Setup dialog: sizes, activations, style and domain of a
// layer network, with its caption and drawing following every edit.
class NetworkSetupDialog : public Win::Dialog {
 public:
  explicit NetworkSetupDialog(networkSetup& setup) : setup(setup), form(setup) {}
  // True when the user confirmed; `setup` then holds the new description.
  bool Run(HWND parent);

 private:
  bool OnInitDialog() override;
  bool OnCommand(int id, int notification, HWND control) override;
  void OnOk() override;
  bool OnDrawItem(const DRAWITEMSTRUCT& item) override;

  void FillLists();
  // Controls -> form, the form's rules, and back to the controls they touch.
  void Follow(bool fromComplex);
  void ShowForm();
  int SelectedActivation(int listId) const;

  networkSetup& setup;
  NetworkSetupForm form;
  bool filling = false;
};
