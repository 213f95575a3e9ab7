#include "app/ui/TrainingSetupDialog.h"

#include "DialogIds.h"
#include "app/ui/AnnealSetupDialog.h"
#include "app/ui/GeneticSetupDialog.h"
#include "win/CheckBox.h"
#include "win/ComboBox.h"
#include "win/EditField.h"
#include "win/UpDown.h"

namespace {

struct MethodButton {
  int control;
  int method;
};
constexpr MethodButton kMethodButtons[] = {
    {IDC_TS_GENETIC, kGenetic},       {IDC_TS_GENETIC_REGRESS, kGeneticRegress},
    {IDC_TS_ANNEALING, kAnnealing},   {IDC_TS_ANNEAL_REGRESS, kAnnealRegress},
    {IDC_TS_REGRESSION, kRegression},
};

int FieldControl(int field) {
  switch (field) {
    case TrainingSetupForm::kCyclesField: return IDC_TS_CYCLES;
    case TrainingSetupForm::kGoalField: return IDC_TS_GOAL;
    case TrainingSetupForm::kEpochsField: return IDC_TS_EPOCHS;
    default: return IDC_TS_FILE;
  }
}

}  // namespace

bool TrainingSetupDialog::Run(HWND parent) { return RunModal(parent, IDD_TRAINING_SETUP); }

bool TrainingSetupDialog::OnInitDialog() {
  Win::UpDown(hWnd, IDC_TS_EPOCHS_SPIN).SetRange(1, 10000);
  Win::UpDown(hWnd, IDC_TS_CYCLES_SPIN).SetRange(1, 1024);
  Win::Control(hWnd, IDC_TS_CYCLES).SetText(form.cyclesText);
  Win::Control(hWnd, IDC_TS_GOAL).SetText(form.goalText);
  Win::Control(hWnd, IDC_TS_EPOCHS).SetText(form.epochsText);
  Win::ComboBox list(hWnd, IDC_TS_METHOD_LIST);
  list.Add(u"Conjugate Gradient", kConjugateGradient);
  list.Add(u"Levenberg Marquardt", kLevenbergMarquardt);
  list.Add(u"Variable Metric", kVariableMetric);
  list.SelectData(form.optimizationMethod);
  Win::CheckBox(hWnd, IDC_TS_CONTINUE).SetChecked(form.continueTraining);
  Win::CheckBox(hWnd, IDC_TS_SAVE).SetChecked(form.SaveToFile());
  Win::Control(hWnd, IDC_TS_FILE).SetText(form.fileText);
  for (const MethodButton& button : kMethodButtons)
    Win::Control(hWnd, button.control).Enable(form.IsMethodEnabled(button.method));
  ShowMethods();
  return true;
}

void TrainingSetupDialog::ShowMethods() {
  for (const MethodButton& button : kMethodButtons)
    Win::CheckBox(hWnd, button.control).SetChecked(form.CheckedMethod() == button.method);
  Win::Control(hWnd, IDC_TS_GENETIC_SETUP).Enable(form.GeneticSetupEnabled());
  Win::Control(hWnd, IDC_TS_ANNEAL_SETUP).Enable(form.AnnealingSetupEnabled());
  Win::Control(hWnd, IDC_TS_BROWSE).Enable(form.BrowseEnabled());
}

void TrainingSetupDialog::ReadControls() {
  form.cyclesText = Win::Control(hWnd, IDC_TS_CYCLES).Text();
  form.goalText = Win::Control(hWnd, IDC_TS_GOAL).Text();
  form.epochsText = Win::Control(hWnd, IDC_TS_EPOCHS).Text();
  form.fileText = Win::Control(hWnd, IDC_TS_FILE).Text();
  const LPARAM method = Win::ComboBox(hWnd, IDC_TS_METHOD_LIST).SelectedData();
  form.optimizationMethod = method < 0 ? kConjugateGradient : static_cast<std::int32_t>(method);
  form.continueTraining = Win::CheckBox(hWnd, IDC_TS_CONTINUE).IsChecked();
}

bool TrainingSetupDialog::OnCommand(int id, int notification, HWND control) {
  for (const MethodButton& button : kMethodButtons) {
    if (id != button.control || notification != BN_CLICKED) continue;
    form.ClickMethod(button.method);
    ShowMethods();
    return true;
  }
  switch (id) {
    case IDC_TS_SAVE:
      form.SetSaveToFile(Win::CheckBox(hWnd, IDC_TS_SAVE).IsChecked());
      if (!form.SaveToFile()) Win::Control(hWnd, IDC_TS_FILE).SetText(form.fileText);
      ShowMethods();
      return true;
    case IDC_TS_BROWSE:
      form.Browse(shell);
      Win::Control(hWnd, IDC_TS_FILE).SetText(form.fileText);
      return true;
    case IDC_TS_GENETIC_SETUP: GeneticSetupDialog(form.Record()).Run(hWnd); return true;
    case IDC_TS_ANNEAL_SETUP: AnnealSetupDialog(form.Record()).Run(hWnd); return true;
    default: return Win::Dialog::OnCommand(id, notification, control);
  }
}

void TrainingSetupDialog::OnOk() {
  ReadControls();
  if (auto balloon = form.Accept())
    return Win::EditField(hWnd, FieldControl(balloon->field)).ShowBalloon(balloon->title, balloon->text);
  End(true);
}
