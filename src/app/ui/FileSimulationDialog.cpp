#include "app/ui/FileSimulationDialog.h"

#include "DialogIds.h"
#include "win/CheckBox.h"
#include "win/EditField.h"
#include "win/WideText.h"

bool FileSimulationDialog::Run(HWND parent) { return RunModal(parent, IDD_FILE_SIMULATION); }

bool FileSimulationDialog::OnInitDialog() {
  SetWindowTextW(hWnd, reinterpret_cast<const wchar_t*>(form.Title()));
  ShowFiles();
  Win::CheckBox(hWnd, IDC_SIM_INPUT_TEXT).SetChecked(form.inputIsText);
  Win::CheckBox(hWnd, IDC_SIM_INPUT_BINARY).SetChecked(!form.inputIsText);
  Win::CheckBox(hWnd, IDC_SIM_OUTPUT_TEXT).SetChecked(form.outputIsText);
  Win::CheckBox(hWnd, IDC_SIM_OUTPUT_BINARY).SetChecked(!form.outputIsText);
  Win::CheckBox(hWnd, IDC_SIM_OPEN).SetChecked(form.openResult);
  for (int id : {IDC_SIM_INPUT_FORMAT, IDC_SIM_INPUT_TEXT, IDC_SIM_INPUT_BINARY, IDC_SIM_OUTPUT_FORMAT,
                 IDC_SIM_OUTPUT_TEXT, IDC_SIM_OUTPUT_BINARY})
    Win::Control(hWnd, id).Show(form.FormatsEnabled());
  return true;
}

void FileSimulationDialog::ShowFiles() {
  Win::Control(hWnd, IDC_SIM_INPUT).SetText(form.input);
  Win::Control(hWnd, IDC_SIM_OUTPUT).SetText(form.output);
}

void FileSimulationDialog::ReadControls() {
  form.input = Win::Control(hWnd, IDC_SIM_INPUT).Text();
  form.output = Win::Control(hWnd, IDC_SIM_OUTPUT).Text();
  form.inputIsText = Win::CheckBox(hWnd, IDC_SIM_INPUT_TEXT).IsChecked();
  form.outputIsText = Win::CheckBox(hWnd, IDC_SIM_OUTPUT_TEXT).IsChecked();
  form.openResult = Win::CheckBox(hWnd, IDC_SIM_OPEN).IsChecked();
}

bool FileSimulationDialog::OnCommand(int id, int notification, HWND control) {
  if (id == IDC_SIM_INPUT_BROWSE || id == IDC_SIM_OUTPUT_BROWSE) {
    ReadControls();
    if (id == IDC_SIM_INPUT_BROWSE)
      form.BrowseInput(shell);
    else
      form.BrowseOutput(shell);
    ShowFiles();
    return true;
  }
  return Win::Dialog::OnCommand(id, notification, control);
}

void FileSimulationDialog::OnOk() {
  ReadControls();
  if (auto balloon = form.Accept()) {
    const int field = balloon->field == FileSimulationForm::kInputField ? IDC_SIM_INPUT : IDC_SIM_OUTPUT;
    return Win::EditField(hWnd, field).ShowBalloon(balloon->title, balloon->text);
  }
  End(true);
}
