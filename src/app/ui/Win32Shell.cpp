#include "app/ui/Win32Shell.h"

#include <htmlhelp.h>
#include <shellapi.h>

#include "app/ui/AboutDialog.h"
#include "app/ui/ConfusionDialog.h"
#include "app/ui/FeatureSelectionDialog.h"
#include "app/ui/FeatureSelectionResultsDialog.h"
#include "app/ui/FileSimulationDialog.h"
#include "app/ui/MainWindow.h"
#include "app/ui/NetworkSetupDialog.h"
#include "app/ui/ScalingDialog.h"
#include "app/ui/TrainingSetInfoDialog.h"
#include "app/ui/TrainingSetupDialog.h"
#include "win/WideText.h"

namespace {

COLORREF ToColorRef(Colour colour) { return RGB(colour.red, colour.green, colour.blue); }

}  // namespace

HWND Win32Shell::Owner() const { return mainWindow ? mainWindow->Handle() : nullptr; }

int Win32Shell::Box(const std::u16string& text, const std::u16string& caption, UINT type) const {
  return MessageBoxW(Owner(), Win::Wide(text), Win::Wide(caption), type);
}

bool Win32Shell::AskYesNo(const std::u16string& text, const std::u16string& caption) {
  if (interaction) return interaction->AskYesNo(text, caption);
  return Box(text, caption, MB_ICONQUESTION | MB_YESNO) == IDYES;
}

void Win32Shell::ShowError(const std::u16string& text, const std::u16string& caption) {
  if (interaction) return interaction->ShowError(text, caption);
  Box(text, caption, MB_ICONERROR | MB_OK);
}

void Win32Shell::ShowInformation(const std::u16string& text, const std::u16string& caption) {
  if (interaction) return interaction->ShowInformation(text, caption);
  Box(text, caption, MB_ICONINFORMATION | MB_OK);
}

Win::FileChooser& Win32Shell::Prepare(const FileChooser& chooser) {
  fileChooser.SetFilter(chooser.filter, chooser.pattern);
  fileChooser.SetDefaultExtension(chooser.extension);
  fileChooser.SetTitle(chooser.title);
  return fileChooser;
}

std::optional<std::u16string> Win32Shell::ChooseFileToOpen(const FileChooser& chooser) {
  if (interaction) return interaction->ChooseFileToOpen(chooser);
  Win::FileChooser& dialog = Prepare(chooser);
  if (!dialog.ChooseOpen(Owner())) return std::nullopt;
  return dialog.Path();
}

std::optional<std::u16string> Win32Shell::ChooseFileToSave(const FileChooser& chooser) {
  if (interaction) return interaction->ChooseFileToSave(chooser);
  Win::FileChooser& dialog = Prepare(chooser);
  if (!dialog.ChooseSave(Owner())) return std::nullopt;
  return dialog.Path();
}

bool Win32Shell::EditNetworkSetup(networkSetup& setup) {
  if (interaction) return interaction->EditNetworkSetup(setup);
  return NetworkSetupDialog(setup).Run(Owner());
}

bool Win32Shell::EditTrainingSetup(TrainingSetupForm& form) {
  if (interaction) return interaction->EditTrainingSetup(form);
  return TrainingSetupDialog(form, *this).Run(Owner());
}

bool Win32Shell::EditTrainingSetInfo(TrainingSetInfoRequest& request) {
  if (interaction) return interaction->EditTrainingSetInfo(request);
  return TrainingSetInfoDialog(request).Run(Owner());
}

bool Win32Shell::EditScaler(Scaler& scaler, bool inputs) {
  if (interaction) return interaction->EditScaler(scaler, inputs);
  return ScalingDialog(scaler, inputs).Run(Owner());
}

bool Win32Shell::EditFileSimulation(FileSimulationRequest& request) {
  if (interaction) return interaction->EditFileSimulation(request);
  return FileSimulationDialog(request, *this).Run(Owner());
}

// The views and tools below, but the confusion matrix and the feature
// selection, have no window yet:
// their commands stay disabled in the main window, and where a command that
// does exist ends by showing one (a loaded training set, an opened data
// file), the data stays in the workspace and nothing opens.
void Win32Shell::ShowDataView(const Matrix& data, bool complex) {
  if (interaction) interaction->ShowDataView(data, complex);
}

void Win32Shell::ShowTrainingSet(const Matrix& set, const networkSetup& network) {
  if (interaction) interaction->ShowTrainingSet(set, network);
}

void Win32Shell::OpenBuilder(const std::u16string& path) {
  if (interaction) interaction->OpenBuilder(path);
}

void Win32Shell::ShowValidation(const ValidationResult& result) {
  if (interaction) interaction->ShowValidation(result);
}

void Win32Shell::ShowConfusion(const Matrix& confusion, const std::u16string& structure) {
  if (interaction) return interaction->ShowConfusion(confusion, structure);
  ConfusionDialog(confusion, structure, *this).Run(Owner());
}

bool Win32Shell::EditFeatureSelection(FeatureSelectionForm& form) {
  if (interaction) return interaction->EditFeatureSelection(form);
  return FeatureSelectionDialog(form).Run(Owner());
}

void Win32Shell::ShowFeatureSelectionResults(const FeatureSelectionResults& results) {
  if (interaction) return interaction->ShowFeatureSelectionResults(results);
  FeatureSelectionResultsDialog(results, *this).Run(Owner());
}

void Win32Shell::OpenWithAssociatedProgram(const std::u16string& path) {
  if (interaction) return interaction->OpenWithAssociatedProgram(path);
  ShellExecuteW(Owner(), L"open", Win::Wide(path), nullptr, nullptr, SW_SHOWNORMAL);
}

void Win32Shell::ShowAbout() {
  if (interaction) return interaction->ShowAbout();
  AboutDialog().Run(Owner());
}

// Help command 1 shows the topic with the contents beside it.
void Win32Shell::ShowHelp(const std::u16string& topic) {
  if (interaction) return interaction->ShowHelp(topic);
  HtmlHelpW(Owner(), Win::Wide(topic), HH_DISPLAY_TOC, 0);
}

void Win32Shell::CloseMainWindow() {
  if (Owner()) DestroyWindow(Owner());
}

void Win32Shell::SetWaitCursor(bool on) {
  if (on) {
    HCURSOR previous = SetCursor(LoadCursorW(nullptr, IDC_WAIT));
    if (waitDepth++ == 0) cursorBeforeWait = previous;
  } else if (waitDepth > 0 && --waitDepth == 0) {
    SetCursor(cursorBeforeWait);
  }
}

void Win32Shell::SetLabel(Label label, const std::u16string& text, Colour colour) {
  if (!Owner()) return;
  Win::ColorDisplay& display = mainWindow->LabelView(label);
  display.SetText(text);
  display.SetColour(ToColorRef(colour));
}

void Win32Shell::SetPanelCell(Panel panel, int row, int column, const std::u16string& text) {
  if (Owner()) mainWindow->PanelView(panel).SetCell(row, column, text);
}

void Win32Shell::SetProgressBar(Bar bar, int percent) {
  if (Owner()) mainWindow->BarView(bar).SetPosition(percent);
}

void Win32Shell::SetCaption(Caption caption, const std::u16string& text) {
  if (Owner()) mainWindow->CaptionView(caption).SetText(text);
}

void Win32Shell::PlotChanged() {
  if (Owner()) mainWindow->Chart().Refresh();
}

void Win32Shell::EnableCommand(int id, bool enabled) {
  if (Owner()) mainWindow->ShowCommandEnabled(id, enabled);
}

void Win32Shell::CheckMenuItem(int id, bool checked) {
  if (Owner()) mainWindow->ShowCommandChecked(id, checked);
}

void Win32Shell::SetTitle(const std::u16string& title) {
  if (Owner()) SetWindowTextW(Owner(), Win::Wide(title));
}

void Win32Shell::StartTimer(std::uint32_t periodMs) {
  if (Owner()) SetTimer(Owner(), MainWindow::kMonitorTimer, periodMs, nullptr);
}

void Win32Shell::StopTimer() {
  if (Owner()) KillTimer(Owner(), MainWindow::kMonitorTimer);
}

void Win32Shell::FocusMainWindow() {
  if (Owner()) SetFocus(Owner());
}

// Runs on the training thread: only a posted message may cross over.
void Win32Shell::TrainingThreadEnded() {
  if (Owner()) PostMessageW(Owner(), MainWindow::kTrainingEnded, 0, 0);
}
