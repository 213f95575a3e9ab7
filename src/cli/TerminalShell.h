#pragma once
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <mutex>
#include <string>

#include "app/Shell.h"
#include "cli/Terminal.h"
#include "data/FeatureSelectionForm.h"

// The workspace's Shell for tessarion-cli. Messages go to standard error;
// nothing is asked interactively: every yes/no question gets the command's answer (No unless set),
// file choosers take the paths the command queued (and cancel when none is
// left), and the dialogs are confirmed as they open, the Training Set Info
// dialog with the command's rounding. The monitor's state feeds one live
// progress line.
class TerminalShell : public Shell {
 public:
  // `live`: show the progress line (standard error is a terminal and the
  // command is not quiet).
  TerminalShell(Terminal& terminal, bool live) : terminal(terminal), live(live) {}

  // Paths the next file choosers return, first in first out.
  std::deque<std::u16string> files;
  // Digits to round a loaded training set to; 0 for none.
  std::int32_t rounding = 0;
  // The answer to every yes/no question: No unless the command says
  // otherwise (select-features loads a wide set, so it answers Yes).
  bool answer = false;
  // The feature-selection settings the dialog takes; a population of 0
  // takes the dialog's proposal.
  FeatureSelectionSettings featureSelection;

  // How many error messages have been shown so far.
  int ErrorsShown() const { return errorsShown; }
  bool TimerActive() const { return timerPeriod != 0; }
  std::uint32_t TimerPeriod() const { return timerPeriod; }
  // Rewrites the progress line from what the monitor showed last.
  void ShowProgressLine();
  // The line as it stands: percentages, mse and remaining time.
  std::string ProgressLine() const;

  bool AskYesNo(const std::u16string& text, const std::u16string& caption) override;
  void ShowError(const std::u16string& text, const std::u16string& caption) override;
  void ShowInformation(const std::u16string& text, const std::u16string& caption) override;
  std::optional<std::u16string> ChooseFileToOpen(const FileChooser& chooser) override;
  std::optional<std::u16string> ChooseFileToSave(const FileChooser& chooser) override;
  bool EditNetworkSetup(networkSetup& setup) override;
  bool EditTrainingSetup(TrainingSetupForm& form) override;
  bool EditTrainingSetInfo(TrainingSetInfoRequest& request) override;
  bool EditScaler(Scaler& scaler, bool inputs) override;
  // The command line has simulate and classify commands of its own.
  bool EditFileSimulation(FileSimulationRequest&) override { return false; }
  void OpenWithAssociatedProgram(const std::u16string&) override {}
  void ShowAbout() override {}
  void ShowHelp(const std::u16string&) override {}
  void CloseMainWindow() override {}
  void ShowDataView(const Matrix&, bool) override {}
  void ShowTrainingSet(const Matrix&, const networkSetup&) override {}
  void OpenBuilder(const std::u16string&) override {}
  void ShowValidation(const ValidationResult&) override {}
  void ShowConfusion(const Matrix&, const std::u16string&) override {}
  // The dialog takes the command line's settings and is confirmed when
  // they pass its checks.
  bool EditFeatureSelection(FeatureSelectionForm& form) override;
  void ShowFeatureSelectionResults(const FeatureSelectionResults&) override {}
  void SetWaitCursor(bool) override {}
  void SetLabel(Label label, const std::u16string& text, Colour colour) override;
  void SetPanelCell(Panel panel, int row, int column, const std::u16string& text) override;
  void SetProgressBar(Bar bar, int percent) override;
  void SetCaption(Caption, const std::u16string&) override {}
  void PlotChanged() override {}
  void EnableCommand(int, bool) override {}
  void CheckMenuItem(int, bool) override {}
  void SetTitle(const std::u16string&) override {}
  void StartTimer(std::uint32_t periodMs) override { timerPeriod = periodMs; }
  void StopTimer() override;
  void FocusMainWindow() override {}
  void TrainingThreadEnded() override;

  // Waits for the next tick: one timer period, or less when a run ends.
  void WaitForTick();

 private:
  std::optional<std::u16string> NextFile();

  Terminal& terminal;
  bool live;
  std::mutex endedLock;
  std::condition_variable endedSignal;
  bool runEnded = false;
  std::uint32_t timerPeriod = 0;
  int errorsShown = 0;
  int initPercent = 0;
  int optPercent = 0;
  int sequencePercent = 0;
  std::u16string sequenceTimeLeft;
  std::u16string mse;
  std::u16string initTimeLeft;
  std::u16string optTimeLeft;
};
