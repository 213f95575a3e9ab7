#include "support/ScriptedShell.h"

#include <gtest/gtest.h>

#include "data/ConfusionView.h"
#include "data/FeatureSelectionForm.h"
#include "data/FeatureSelectionResults.h"
#include "data/ValidationView.h"
#include "platform/Text.h"

std::string U8(const std::u16string& text) { return platform::Utf16ToUtf8(text); }

namespace {

template <typename T>
bool Pop(std::deque<T>& queue, T& next, const char* what) {
  if (queue.empty()) {
    ADD_FAILURE() << "the scripted shell has no answer queued for " << what;
    return false;
  }
  next = std::move(queue.front());
  queue.pop_front();
  return true;
}

const char* PanelName(Panel panel) {
  static const char* const names[] = {"Network",
                                      "Training Info",
                                      "Initialization Setup",
                                      "Optimization Setup",
                                      "Feature Selection Setup",
                                      "Initialization Progress",
                                      "Optimization Progress",
                                      "FS - LOOCV Progress"};
  return names[static_cast<int>(panel)];
}

std::string ColourName(Colour colour) {
  if (colour == kAzure) return "azure";
  if (colour == kRed) return "red";
  if (colour == kGreen) return "green";
  if (colour == kYellow) return "yellow";
  return "other";
}

}  // namespace

std::vector<std::string> ScriptedShell::Take() {
  std::vector<std::string> recent(calls.begin() + static_cast<std::ptrdiff_t>(taken), calls.end());
  taken = calls.size();
  return recent;
}

std::vector<std::string> ScriptedShell::Matching(const std::string& prefix) const {
  std::vector<std::string> found;
  for (const std::string& call : calls)
    if (call.compare(0, prefix.size(), prefix) == 0) found.push_back(call);
  return found;
}

bool ScriptedShell::Enabled(int id) const {
  const auto found = enabled.find(id);
  return found != enabled.end() && found->second;
}

bool ScriptedShell::Checked(int id) const {
  const auto found = checked.find(id);
  return found != checked.end() && found->second;
}

bool ScriptedShell::AskYesNo(const std::u16string& text, const std::u16string& caption) {
  bool answer = false;
  if (!Pop(answers, answer, "a question")) answer = false;
  Record("ask(" + U8(caption) + "): " + U8(text) + (answer ? " -> yes" : " -> no"));
  return answer;
}

static void ShowLine(std::vector<std::string>& calls, const char* kind, const std::u16string& text,
                     const std::u16string& caption) {
  calls.push_back(std::string(kind) + "(" + U8(caption) + "): " + U8(text));
}

void ScriptedShell::ShowError(const std::u16string& text, const std::u16string& caption) {
  ShowLine(calls, "error", text, caption);
}

void ScriptedShell::ShowInformation(const std::u16string& text, const std::u16string& caption) {
  ShowLine(calls, "info", text, caption);
}

std::optional<std::u16string> ScriptedShell::NextFile(const char* kind, const FileChooser& chooser) {
  std::optional<std::u16string> file;
  if (!Pop(files, file, "a file chooser")) file.reset();
  Record(std::string(kind) + "(" + U8(chooser.title) + " | " + U8(chooser.filter) + " | " +
         U8(chooser.pattern) + " | " + U8(chooser.extension) + "): " + (file ? U8(*file) : "cancel"));
  return file;
}

std::optional<std::u16string> ScriptedShell::ChooseFileToOpen(const FileChooser& chooser) {
  return NextFile("open", chooser);
}

std::optional<std::u16string> ScriptedShell::ChooseFileToSave(const FileChooser& chooser) {
  return NextFile("save", chooser);
}

bool ScriptedShell::EditNetworkSetup(networkSetup& setup) {
  std::function<bool(networkSetup&)> dialog;
  const bool ok = Pop(networkDialogs, dialog, "the Network Setup dialog") && dialog(setup);
  Record(std::string("dialog(Network Setup): ") + (ok ? "ok" : "cancel"));
  return ok;
}

bool ScriptedShell::EditTrainingSetup(TrainingSetupForm& form) {
  std::function<bool(TrainingSetupForm&)> dialog;
  const bool ok = Pop(trainingDialogs, dialog, "the Training Setup dialog") && dialog(form);
  Record(std::string("dialog(Training Setup): ") + (ok ? "ok" : "cancel"));
  return ok;
}

bool ScriptedShell::EditTrainingSetInfo(TrainingSetInfoRequest& request) {
  std::function<bool(TrainingSetInfoRequest&)> dialog;
  const bool ok = Pop(setInfoDialogs, dialog, "the Training Set Info dialog") && dialog(request);
  Record(std::string("dialog(Training Set Info): ") + (ok ? "ok" : "cancel"));
  return ok;
}

bool ScriptedShell::EditScaler(Scaler& scaler, bool inputs) {
  std::function<bool(Scaler&)> dialog;
  const bool ok = Pop(scalerDialogs, dialog, "the scaling dialog") && dialog(scaler);
  Record(std::string("dialog(") + (inputs ? "Input" : "Output") + " scaling): " + (ok ? "ok" : "cancel"));
  return ok;
}

void ScriptedShell::ShowDataView(const Matrix& data, bool complex) {
  lastData = data;
  Record("data view: " + std::to_string(data.Rows()) + " x " + std::to_string(data.Cols()) +
         (complex ? " complex" : " real"));
}

void ScriptedShell::ShowTrainingSet(const Matrix& set, const networkSetup& network) {
  lastData = set;
  Record("training set view: " + std::to_string(set.Rows()) + " x " + std::to_string(set.Cols()) + ", " +
         std::to_string(network.inputs) + " inputs");
}

void ScriptedShell::OpenBuilder(const std::u16string& path) { Record("builder: " + U8(path)); }

void ScriptedShell::SetWaitCursor(bool on) { Record(on ? "wait cursor on" : "wait cursor off"); }

void ScriptedShell::SetLabel(Label label, const std::u16string& text, Colour colour) {
  Record(std::string(label == Label::kStatus ? "status" : "mse") + " label: " + U8(text) + " (" +
         ColourName(colour) + ")");
}

void ScriptedShell::SetPanelCell(Panel panel, int row, int column, const std::u16string& text) {
  Record(std::string("panel ") + PanelName(panel) + " [" + std::to_string(row) + "," +
         std::to_string(column) + "]: " + U8(text));
}

void ScriptedShell::SetProgressBar(Bar bar, int percent) {
  static const char* const names[] = {"initialization", "optimization", "fs-loocv"};
  Record(std::string("bar ") + names[static_cast<int>(bar)] + ": " + std::to_string(percent));
}

void ScriptedShell::SetCaption(Caption caption, const std::u16string& text) {
  Record(std::string(caption == Caption::kCurrentIndividual ? "current" : "best") + " caption: " + U8(text));
}

void ScriptedShell::EnableCommand(int id, bool on) {
  enabled[id] = on;
  Record("enable " + std::to_string(id) + (on ? " on" : " off"));
}

void ScriptedShell::CheckMenuItem(int id, bool on) {
  checked[id] = on;
  Record("check " + std::to_string(id) + (on ? " on" : " off"));
}

void ScriptedShell::SetTitle(const std::u16string& newTitle) {
  title = newTitle;
  Record("title: " + U8(newTitle));
}

void ScriptedShell::StartTimer(std::uint32_t periodMs) {
  timerPeriod = periodMs;
  Record("timer start " + std::to_string(periodMs));
}

void ScriptedShell::StopTimer() {
  timerPeriod = 0;
  Record("timer stop");
}

void ScriptedShell::ShowValidation(const ValidationResult& result) {
  Record("validation: " + U8(ValidationView(result).Title()));
}

void ScriptedShell::ShowConfusion(const Matrix& confusion, const std::u16string& structure) {
  Record("confusion(" + U8(structure) + "): " + U8(ConfusionView(confusion).Title()));
}

bool ScriptedShell::EditFeatureSelection(FeatureSelectionForm& form) {
  std::function<bool(FeatureSelectionForm&)> dialog;
  const bool confirmed = Pop(featureSelectionDialogs, dialog, "the feature selection dialog") && dialog(form);
  Record(std::string("feature selection dialog") + (confirmed ? " -> ok" : " -> cancel"));
  return confirmed;
}

void ScriptedShell::ShowFeatureSelectionResults(const FeatureSelectionResults& results) {
  std::string items;
  for (const std::u16string& item : results.Items()) items += (items.empty() ? "" : ",") + U8(item);
  Record("results: " + U8(results.Title()) + " " + items);
}

bool ScriptedShell::EditFileSimulation(FileSimulationRequest& request) {
  std::function<bool(FileSimulationRequest&)> dialog;
  const bool confirmed = Pop(simulationDialogs, dialog, "the file simulation dialog") && dialog(request);
  Record(std::string(request.classification ? "classification" : "simulation") + " dialog" +
         (confirmed ? " -> ok" : " -> cancel"));
  return confirmed;
}

void ScriptedShell::OpenWithAssociatedProgram(const std::u16string& path) {
  Record("open with program: " + U8(path));
}

void ScriptedShell::ShowHelp(const std::u16string& topic) { Record("help: " + U8(topic)); }
