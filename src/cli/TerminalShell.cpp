#include "cli/TerminalShell.h"

#include <chrono>

#include "app/TrainingSetupForm.h"
#include "platform/Text.h"

namespace {

// The rows of the progress panels the line shows.
constexpr int kInitTimeRow = 3;
constexpr int kOptTimeRow = 2;
constexpr int kSequenceTimeRow = 3;

}  // namespace

bool TerminalShell::AskYesNo(const std::u16string&, const std::u16string&) { return answer; }

void TerminalShell::ShowError(const std::u16string& text, const std::u16string&) {
  ++errorsShown;
  terminal.Message(text);
}

// Information is a result, not a failure: it goes to standard output.
void TerminalShell::ShowInformation(const std::u16string& text, const std::u16string&) {
  terminal.Out() << platform::Utf16ToUtf8(text) << '\n';
}

std::optional<std::u16string> TerminalShell::NextFile() {
  if (files.empty()) return std::nullopt;
  std::u16string next = files.front();
  files.pop_front();
  return next;
}

std::optional<std::u16string> TerminalShell::ChooseFileToOpen(const FileChooser&) { return NextFile(); }

std::optional<std::u16string> TerminalShell::ChooseFileToSave(const FileChooser&) { return NextFile(); }

bool TerminalShell::EditNetworkSetup(networkSetup&) { return true; }

bool TerminalShell::EditTrainingSetup(TrainingSetupForm& form) {
  if (const auto balloon = form.Accept()) {
    terminal.Message(balloon->text);
    return false;
  }
  return true;
}

bool TerminalShell::EditTrainingSetInfo(TrainingSetInfoRequest& request) {
  request.rounding = rounding;
  return true;
}

bool TerminalShell::EditScaler(Scaler&, bool) { return true; }

void TerminalShell::SetLabel(Label label, const std::u16string& text, Colour) {
  if (label == Label::kMse) mse = text;
}

void TerminalShell::SetPanelCell(Panel panel, int row, int column, const std::u16string& text) {
  if (column != 1) return;
  if (panel == Panel::kInitializationProgress && row == kInitTimeRow) initTimeLeft = text;
  if (panel == Panel::kOptimizationProgress && row == kOptTimeRow) optTimeLeft = text;
  if (panel == Panel::kFsLoocvProgress && row == kSequenceTimeRow) sequenceTimeLeft = text;
}

void TerminalShell::SetProgressBar(Bar bar, int percent) {
  if (bar == Bar::kInitialization) initPercent = percent;
  if (bar == Bar::kOptimization) optPercent = percent;
  if (bar == Bar::kFsLoocv) sequencePercent = percent;
}

std::string TerminalShell::ProgressLine() const {
  // A leave-one-out or feature-selection sequence leads with its own share.
  const std::string sequence = sequencePercent > 0 ? "runs " + std::to_string(sequencePercent) + "% (" +
                                                         platform::Utf16ToUtf8(sequenceTimeLeft) + "), "
                                                   : "";
  return sequence + "initialization " + std::to_string(initPercent) + "% (" +
         platform::Utf16ToUtf8(initTimeLeft) + "), optimization " + std::to_string(optPercent) + "% (" +
         platform::Utf16ToUtf8(optTimeLeft) + "), " + platform::Utf16ToUtf8(mse);
}

void TerminalShell::ShowProgressLine() {
  if (live) terminal.Progress(ProgressLine());
}

void TerminalShell::StopTimer() {
  timerPeriod = 0;
  if (live) terminal.EndProgress();
}

bool TerminalShell::EditFeatureSelection(FeatureSelectionForm& form) {
  const std::int32_t proposal = form.fields.population;
  form.fields = featureSelection;
  if (form.fields.population == 0) form.fields.population = proposal;
  FeatureSelectionSettings accepted;
  if (const auto balloon = form.Accept(accepted)) {
    ShowError(balloon->text, balloon->title);
    return false;
  }
  return true;
}

void TerminalShell::TrainingThreadEnded() {
  {
    std::lock_guard<std::mutex> hold(endedLock);
    runEnded = true;
  }
  endedSignal.notify_one();
}

void TerminalShell::WaitForTick() {
  std::unique_lock<std::mutex> hold(endedLock);
  endedSignal.wait_for(hold, std::chrono::milliseconds(timerPeriod), [this] { return runEnded; });
  runEnded = false;
}
