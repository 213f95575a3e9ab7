#include "app/ui/NetworkSetupDialog.h"

#include "DialogIds.h"
#include "app/ui/NetworkDrawing.h"
#include "win/CheckBox.h"
#include "win/ComboBox.h"
#include "win/EditField.h"
#include "win/UpDown.h"
#include "win/WideText.h"

namespace {

constexpr int kMostNeurons = 100000;

int FieldControl(int field) {
  switch (field) {
    case NetworkSetupForm::kInputs: return IDC_INPUTS;
    case NetworkSetupForm::kHidden1: return IDC_HIDDEN1;
    case NetworkSetupForm::kHidden2: return IDC_HIDDEN2;
    default: return IDC_OUTPUTS;
  }
}

}  // namespace

bool NetworkSetupDialog::Run(HWND parent) { return RunModal(parent, IDD_NETWORK_SETUP); }

bool NetworkSetupDialog::OnInitDialog() {
  Win::UpDown(hWnd, IDC_INPUTS_SPIN).SetRange(1, kMostNeurons);
  Win::UpDown(hWnd, IDC_OUTPUTS_SPIN).SetRange(1, kMostNeurons);
  Win::UpDown(hWnd, IDC_HIDDEN1_SPIN).SetRange(0, kMostNeurons);
  Win::UpDown(hWnd, IDC_HIDDEN2_SPIN).SetRange(0, kMostNeurons);
  FillLists();
  ShowForm();
  return true;
}

void NetworkSetupDialog::FillLists() {
  for (int id : {IDC_HIDDEN1_ACT, IDC_HIDDEN2_ACT, IDC_OUTPUT_ACT}) {
    Win::ComboBox list(hWnd, id);
    list.Add(u"Logsig", 0);
    list.Add(u"Tanh", 1);
    if (id == IDC_OUTPUT_ACT) list.Add(u"Linear", 2);
  }
}

void NetworkSetupDialog::ShowForm() {
  filling = true;
  const networkSetup& f = form.fields;
  Win::EditField(hWnd, IDC_INPUTS).SetInt(f.inputs);
  Win::EditField(hWnd, IDC_HIDDEN1).SetInt(f.hidden1);
  Win::EditField(hWnd, IDC_HIDDEN2).SetInt(f.hidden2);
  Win::EditField(hWnd, IDC_OUTPUTS).SetInt(f.outputs);
  Win::ComboBox(hWnd, IDC_HIDDEN1_ACT).SelectData(f.hidden1Activation);
  Win::ComboBox(hWnd, IDC_HIDDEN2_ACT).SelectData(f.hidden2Activation);
  Win::ComboBox(hWnd, IDC_OUTPUT_ACT).SelectData(f.outputActivation);
  Win::CheckBox(hWnd, IDC_GENERIC).SetChecked(f.style == kGeneric);
  Win::CheckBox(hWnd, IDC_CLASSIFIER).SetChecked(f.style == kClassifier);
  Win::CheckBox(hWnd, IDC_OUTPUT_EQUALS_INPUT).SetChecked(f.style == kOutputEqualsInput);
  Win::CheckBox(hWnd, IDC_COMPLEX).SetChecked(f.complex != 0);
  filling = false;
  Follow(false);
}

int NetworkSetupDialog::SelectedActivation(int listId) const {
  const LPARAM data = Win::ComboBox(hWnd, listId).SelectedData();
  return data < 0 ? 0 : static_cast<int>(data);
}

void NetworkSetupDialog::Follow(bool fromComplex) {
  networkSetup& f = form.fields;
  f.inputs = Win::EditField(hWnd, IDC_INPUTS).Int();
  f.hidden1 = Win::EditField(hWnd, IDC_HIDDEN1).Int();
  f.hidden2 = Win::EditField(hWnd, IDC_HIDDEN2).Int();
  f.outputs = Win::EditField(hWnd, IDC_OUTPUTS).Int();
  f.hidden1Activation = SelectedActivation(IDC_HIDDEN1_ACT);
  f.hidden2Activation = SelectedActivation(IDC_HIDDEN2_ACT);
  f.outputActivation = SelectedActivation(IDC_OUTPUT_ACT);
  f.style = Win::CheckBox(hWnd, IDC_CLASSIFIER).IsChecked()            ? kClassifier
            : Win::CheckBox(hWnd, IDC_OUTPUT_EQUALS_INPUT).IsChecked() ? kOutputEqualsInput
                                                                       : kGeneric;
  f.complex = Win::CheckBox(hWnd, IDC_COMPLEX).IsChecked() ? 1 : 0;
  const int typedHidden1 = f.hidden1;
  form.Follow();

  filling = true;
  if (!form.OutputsEnabled()) Win::EditField(hWnd, IDC_OUTPUTS).SetInt(f.outputs);
  if (!form.Hidden2Enabled()) Win::EditField(hWnd, IDC_HIDDEN2).SetInt(f.hidden2);
  if (f.hidden1 != typedHidden1) {
    // The forced size is selected, so typing the wanted size replaces it.
    Win::EditField hidden1(hWnd, IDC_HIDDEN1);
    hidden1.SetInt(f.hidden1);
    if (!fromComplex) SendMessageW(hidden1.Handle(), EM_SETSEL, 0, -1);
  }
  filling = false;

  for (int id : {IDC_OUTPUTS, IDC_OUTPUTS_SPIN}) Win::Control(hWnd, id).Enable(form.OutputsEnabled());
  for (int id : {IDC_HIDDEN2, IDC_HIDDEN2_SPIN, IDC_HIDDEN2_ACT})
    Win::Control(hWnd, id).Enable(form.Hidden2Enabled());
  SetWindowTextW(hWnd, Win::Wide(form.Caption()));
  InvalidateRect(Item(IDC_DRAWING), nullptr, FALSE);
}

bool NetworkSetupDialog::OnCommand(int id, int notification, HWND control) {
  if (filling) return false;
  switch (id) {
    case IDC_INPUTS:
    case IDC_HIDDEN1:
    case IDC_HIDDEN2:
    case IDC_OUTPUTS:
      if (notification != EN_CHANGE) return false;
      Follow(false);
      return true;
    case IDC_HIDDEN1_ACT:
    case IDC_HIDDEN2_ACT:
    case IDC_OUTPUT_ACT:
      if (notification != CBN_SELCHANGE) return false;
      Follow(false);
      return true;
    case IDC_GENERIC:
    case IDC_CLASSIFIER:
    case IDC_OUTPUT_EQUALS_INPUT:
    case IDC_COMPLEX:
      if (notification != BN_CLICKED) return false;
      Follow(id == IDC_COMPLEX);
      return true;
    default: return Win::Dialog::OnCommand(id, notification, control);
  }
}

void NetworkSetupDialog::OnOk() {
  if (auto balloon = form.Accept(setup))
    return Win::EditField(hWnd, FieldControl(balloon->field)).ShowBalloon(balloon->title, balloon->text);
  End(true);
}

bool NetworkSetupDialog::OnDrawItem(const DRAWITEMSTRUCT& item) {
  if (item.CtlID != IDC_DRAWING) return false;
  NetworkDrawing::Draw(item.hDC, item.rcItem, form.fields);
  return true;
}
