#pragma once
#include <deque>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "app/Shell.h"
#include "app/TrainingSetupForm.h"
#include "net/Scaler.h"

// A Shell for tests: answers questions, file choosers and dialogs from
// queues the test fills beforehand, and records every call as one line of
// text, in order, so a test reads like a user at work. A question asked
// with an empty queue fails the test and is answered No / Cancel.
class ScriptedShell : public Shell {
 public:
  std::deque<bool> answers;
  std::deque<std::optional<std::u16string>> files;
  std::deque<std::function<bool(networkSetup&)>> networkDialogs;
  std::deque<std::function<bool(TrainingSetupForm&)>> trainingDialogs;
  std::deque<std::function<bool(TrainingSetInfoRequest&)>> setInfoDialogs;
  std::deque<std::function<bool(Scaler&)>> scalerDialogs;
  std::deque<std::function<bool(FeatureSelectionForm&)>> featureSelectionDialogs;
  std::deque<std::function<bool(FileSimulationRequest&)>> simulationDialogs;

  // Every call, e.g. "error(Tessarion): Unable to open file".
  std::vector<std::string> calls;
  // The calls recorded since the last Take, which are forgotten.
  std::vector<std::string> Take();
  // The recorded calls that start with `prefix`.
  std::vector<std::string> Matching(const std::string& prefix) const;

  bool Enabled(int id) const;
  bool Checked(int id) const;
  bool TimerRunning() const { return timerPeriod != 0; }
  std::uint32_t TimerPeriod() const { return timerPeriod; }
  const std::u16string& Title() const { return title; }
  const Matrix& LastData() const { return lastData; }

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
  void OpenWithAssociatedProgram(const std::u16string& path) override;
  void ShowAbout() override { Record("about"); }
  void ShowHelp(const std::u16string& topic) override;
  void CloseMainWindow() override { Record("close main window"); }
  void ShowDataView(const Matrix& data, bool complex) override;
  void ShowTrainingSet(const Matrix& set, const networkSetup& network) override;
  void OpenBuilder(const std::u16string& path) override;
  void ShowValidation(const ValidationResult& result) override;
  void ShowConfusion(const Matrix& confusion, const std::u16string& structure) override;
  bool EditFeatureSelection(FeatureSelectionForm& form) override;
  void ShowFeatureSelectionResults(const FeatureSelectionResults& results) override;
  void SetWaitCursor(bool on) override;
  void SetLabel(Label label, const std::u16string& text, Colour colour) override;
  void SetPanelCell(Panel panel, int row, int column, const std::u16string& text) override;
  void SetProgressBar(Bar bar, int percent) override;
  void SetCaption(Caption caption, const std::u16string& text) override;
  void PlotChanged() override {}
  void EnableCommand(int id, bool enabled) override;
  void CheckMenuItem(int id, bool checked) override;
  void SetTitle(const std::u16string& newTitle) override;
  void StartTimer(std::uint32_t periodMs) override;
  void StopTimer() override;
  void FocusMainWindow() override {}

 private:
  void Record(const std::string& line) { calls.push_back(line); }
  std::optional<std::u16string> NextFile(const char* kind, const FileChooser& chooser);

  std::map<int, bool> enabled;
  std::map<int, bool> checked;
  std::uint32_t timerPeriod = 0;
  std::u16string title;
  Matrix lastData;
  std::size_t taken = 0;
};

// UTF-8 of a UTF-16 text, for readable expectations.
std::string U8(const std::u16string& text);
