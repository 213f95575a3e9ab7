#pragma once
#include <windows.h>

#include "app/Shell.h"
#include "win/FileChooser.h"

class MainWindow;

// The Shell on the main window. Questions, messages, file choosers, dialogs
// and views go to the real windows, or to an interaction delegate when one
// is set (tests answer them from a script); whatever the workspace shows
// (labels, panels, bars, captions, chart, enabling, checks, title, timer,
// cursor) always goes to the real main window.
class Win32Shell : public Shell {
 public:
  Win32Shell() = default;
  Win32Shell(const Win32Shell&) = delete;
  Win32Shell& operator=(const Win32Shell&) = delete;

  // The window the shell writes into; before it is attached (and after it
  // is gone) the display calls do nothing.
  void AttachWindow(MainWindow* window) { mainWindow = window; }
  void SetInteractionDelegate(Shell* delegate) { interaction = delegate; }

  bool AskYesNo(const std::u16string& text, const std::u16string& caption) override;
  void ShowError(const std::u16string& text, const std::u16string& caption) override;
  void ShowInformation(const std::u16string& text, const std::u16string& caption) override;
  std::optional<std::u16string> ChooseFileToOpen(const FileChooser& chooser) override;
  std::optional<std::u16string> ChooseFileToSave(const FileChooser& chooser) override;

  bool EditNetworkSetup(networkSetup& setup) override;
  bool EditTrainingSetup(TrainingSetupForm& form) override;
  bool EditTrainingSetInfo(TrainingSetInfoRequest& request) override;
  bool EditScaler(Scaler& scaler, bool inputs) override;
  bool EditFileSimulation(FileSimulationRequest& request) override;

  void ShowDataView(const Matrix& data, bool complex) override;
  void ShowTrainingSet(const Matrix& set, const networkSetup& network) override;
  void OpenBuilder(const std::u16string& path) override;
  void ShowValidation(const ValidationResult& result) override;
  void ShowConfusion(const Matrix& confusion, const std::u16string& structure) override;
  bool EditFeatureSelection(FeatureSelectionForm& form) override;
  void ShowFeatureSelectionResults(const FeatureSelectionResults& results) override;

  void OpenWithAssociatedProgram(const std::u16string& path) override;
  void ShowAbout() override;
  void ShowHelp(const std::u16string& topic) override;
  void CloseMainWindow() override;

  void SetWaitCursor(bool on) override;
  void SetLabel(Label label, const std::u16string& text, Colour colour) override;
  void SetPanelCell(Panel panel, int row, int column, const std::u16string& text) override;
  void SetProgressBar(Bar bar, int percent) override;
  void SetCaption(Caption caption, const std::u16string& text) override;
  void PlotChanged() override;
  void EnableCommand(int id, bool enabled) override;
  void CheckMenuItem(int id, bool checked) override;
  void SetTitle(const std::u16string& title) override;
  void StartTimer(std::uint32_t periodMs) override;
  void StopTimer() override;
  void FocusMainWindow() override;
  void TrainingThreadEnded() override;

 private:
  HWND Owner() const;
  int Box(const std::u16string& text, const std::u16string& caption, UINT type) const;
  Win::FileChooser& Prepare(const FileChooser& chooser);

  MainWindow* mainWindow = nullptr;
  Shell* interaction = nullptr;
  // One chooser for the whole run, so it starts where the last file was.
  Win::FileChooser fileChooser;
  int waitDepth = 0;
  HCURSOR cursorBeforeWait = nullptr;
};
