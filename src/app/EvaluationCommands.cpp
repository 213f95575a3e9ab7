#include "app/EvaluationCommands.h"

#include "app/Workspace.h"
#include "data/Confusion.h"
#include "data/FeatureSelectionResults.h"
#include "data/Validation.h"
#include "net/NetworkDescription.h"
#include "platform/Env.h"
#include "platform/Text.h"

namespace {

constexpr const char16_t* kCaption = u"Tessarion";
constexpr const char16_t* kLoocvCaption = u"Tessarion - LOOCV";
constexpr const char16_t* kSearchCaption = u"Tessarion - Feature selection";
constexpr std::int32_t kDescriptionUnits = 1024;

// FS - LOOCV panel rows.
constexpr int kFirstRow = 0, kSecondRow = 1, kThirdRow = 2, kTimeRow = 3;

std::filesystem::path PathOf(const std::u16string& text) {
  return platform::PathFromUtf8(platform::Utf16ToUtf8(text));
}

std::u16string Describe(const SubsetGenetic& engine, const SubsetGenetic::Individual& individual) {
  char16_t text[kDescriptionUnits] = {};
  if (individual.bits) engine.Describe(individual, text, kDescriptionUnits);
  return text;
}

}  // namespace

void EvaluationCommands::ValidateTrainingSet() {
  LayerNet1* network = workspace.CurrentNetwork();
  if (!network) return;
  Shell& shell = workspace.GetShell();
  const auto path = shell.ChooseFileToOpen({u"Comma delimited data files (*.csv)", u"*.csv;*.dat", u"csv",
                                            u"Select the Training Set file to Validate"});
  if (!path) return shell.ShowError(u"The training set file is invalid", kCaption);
  shell.SetWaitCursor(true);
  Matrix set;
  std::u16string error = LoadValidationSet(PathOf(*path), *network, set);
  ValidationResult result;
  if (error.empty() && !Validate(*network, set, result)) error = u"No enough memory to validate the set";
  shell.SetWaitCursor(false);
  if (!error.empty()) return shell.ShowError(error, kCaption);
  shell.ShowValidation(result);
}

void EvaluationCommands::ComputeConfusionCommand() {
  LayerNet1* network = workspace.CurrentNetwork();
  if (!network || !workspace.LoadTrainingSet(false)) return;
  if (network->Style() == kClassifier) {
    workspace.GetDashboard().SetTitle(u"Tessarion - Computing Confusion Matrix ...");
    if (ComputeConfusion(*network, workspace.TrainingSet()))
      ShowConfusionView();
    else
      workspace.GetShell().ShowError(u"Unable to compute confusion matrix", kCaption);
  }
  workspace.DiscardTrainingSet();
  workspace.SetTitleFromPath(std::nullopt);
}

void EvaluationCommands::ShowConfusionView() {
  LayerNet1* network = workspace.CurrentNetwork();
  if (!network || network->Style() != kClassifier) return;
  workspace.GetShell().ShowConfusion(
      network->Confusion(), NetworkDescription::Short(workspace.NetworkKind(), workspace.NetworkSetup()));
}

void EvaluationCommands::Cancel() {
  loocv.Cancel();
  search.Cancel();
}

std::u16string EvaluationCommands::SequenceTimeLeft(double percent) const {
  const std::uint64_t elapsed = (platform::Env::Current().Ticks() - sequenceStart) / 1000;
  return Monitor::RemainingTime(percent, static_cast<std::uint32_t>(elapsed));
}

void EvaluationCommands::StartLoocv() {
  LayerNet1* network = workspace.CurrentNetwork();
  Shell& shell = workspace.GetShell();
  Message refusal = network ? LeaveOneOut::Refusal(*network)
                            : u"Leave-one-out cross-validation is only valid for layer networks.";
  if (refusal) return shell.ShowError(refusal, kLoocvCaption);
  workspace.GetMonitor().PrepareRun();
  loocvRunning = true;
  Dashboard& dashboard = workspace.GetDashboard();
  dashboard.SetBar(Bar::kFsLoocv, 0);
  const char16_t* labels[] = {u"Row:", u"Progress:", u"No. Errors:"};
  const char16_t* values[] = {u"0", u"0 %", u"0"};
  for (int row = 0; row < 3; ++row) {
    dashboard.SetRowLabel(Panel::kFsLoocvProgress, row, labels[row]);
    dashboard.SetValue(Panel::kFsLoocvProgress, row, values[row]);
  }
  dashboard.SetValue(Panel::kFsLoocvProgress, kTimeRow, u"------");
  dashboard.SetTitle(u"Tessarion - LOOCV ...");
  if (!loocv.Begin(workspace.WorkingTrainingSet())) {
    shell.ShowError(u"No memory for LOOCV", kCaption);
    loocvRunning = false;
    workspace.GetMonitor().EndSequence();
    workspace.RefreshAfterSequence();
    return;
  }
  sequenceStart = platform::Env::Current().Ticks();
  workspace.StartRun();
}

void EvaluationCommands::AdvanceLoocv() {
  LayerNet1& network = *workspace.CurrentNetwork();
  network.Join();
  if (loocv.Advance(network, workspace.WorkingTrainingSet()) == LeaveOneOut::Next::Train) {
    ShowLoocvProgress();
    workspace.GetMonitor().PrepareNextRun();
    workspace.StartRun();
    return;
  }
  Shell& shell = workspace.GetShell();
  // A fold that could not be built ends the cross-validation here rather
  // than training on whatever the set then holds.
  if (loocv.MemoryFailed()) shell.ShowError(u"No memory for LOOCV", kCaption);
  workspace.GetMonitor().EndSequence();
  loocv.Finish(workspace.WorkingTrainingSet());
  loocvRunning = false;
  EndSequence();
  shell.ShowInformation(loocv.ResultText(), kLoocvCaption);
}

void EvaluationCommands::ShowLoocvProgress() {
  Dashboard& dashboard = workspace.GetDashboard();
  const double p = loocv.Progress();
  dashboard.SetValue(Panel::kFsLoocvProgress, kFirstRow, platform::Format("%d", loocv.Row()));
  dashboard.SetValue(Panel::kFsLoocvProgress, kSecondRow, platform::Format("%.1f %%", p));
  dashboard.SetValue(Panel::kFsLoocvProgress, kThirdRow, platform::Format("%d", loocv.Errors()));
  dashboard.SetBar(Bar::kFsLoocv, static_cast<int>(p + 0.5));
  dashboard.SetValue(Panel::kFsLoocvProgress, kTimeRow, SequenceTimeLeft(p));
}

void EvaluationCommands::EndSequence() {
  workspace.RefreshAfterSequence();
  workspace.RefreshEnabling();
}

void EvaluationCommands::StartFeatureSelection() {
  LayerNet1* network = workspace.CurrentNetwork();
  Shell& shell = workspace.GetShell();
  Message refusal = network ? FeatureSelection::Refusal(*network, workspace.TrainingSet())
                            : u"Feature selection is only valid for layer networks.";
  if (refusal) return shell.ShowError(refusal, kSearchCaption);
  FeatureSelectionForm form(settings, FeatureSelection::CandidateCount(*network, workspace.TrainingSet()),
                            network->Inputs());
  if (!shell.EditFeatureSelection(form)) return;
  settings = form.fields;
  featureSelectionRunning = true;
  shell.SetWaitCursor(true);
  const bool begun = search.Begin(*network, workspace.WorkingTrainingSet(), settings);
  shell.SetWaitCursor(false);
  if (!begun) {
    featureSelectionRunning = false;
    return shell.ShowError(u"Unable to create individual pool", kSearchCaption);
  }
  workspace.RefreshSetupPanels();
  workspace.GetMonitor().PrepareRun();
  Dashboard& dashboard = workspace.GetDashboard();
  dashboard.SetTitle(u"Tessarion - Feature Selection ...");
  const char16_t* labels[] = {u"Individual:", u"Generation:", u"Best Ind. mse:"};
  const char16_t* values[] = {u"1", u"0", u"------"};
  for (int row = 0; row < 3; ++row) {
    dashboard.SetRowLabel(Panel::kFsLoocvProgress, row, labels[row]);
    dashboard.SetValue(Panel::kFsLoocvProgress, row, values[row]);
  }
  dashboard.SetValue(Panel::kFsLoocvProgress, kTimeRow, u"------");
  ShowIndividuals();
  sequenceStart = platform::Env::Current().Ticks();
  workspace.StartRun();
}

void EvaluationCommands::AdvanceFeatureSelection() {
  LayerNet1& network = *workspace.CurrentNetwork();
  network.Join();
  if (search.Advance(network, workspace.WorkingTrainingSet()) == FeatureSelection::Next::Train) {
    ShowSearchProgress();
    workspace.GetMonitor().PrepareNextRun();
    workspace.StartRun();
    return;
  }
  Shell& shell = workspace.GetShell();
  // The two mid-search failures end the search with what was evaluated.
  if (search.Failure()) shell.ShowError(search.Failure(), kCaption);
  workspace.GetMonitor().EndSequence();
  search.Finish(workspace.WorkingTrainingSet());
  featureSelectionRunning = false;
  EndSequence();
  ShowFeatureSelectionResults();
}

void EvaluationCommands::ShowSearchProgress() {
  Dashboard& dashboard = workspace.GetDashboard();
  const SubsetGenetic& engine = search.Engine();
  const double p = search.Progress();
  dashboard.SetValue(Panel::kFsLoocvProgress, kFirstRow, platform::Format("%d", engine.Cursor()));
  dashboard.SetValue(Panel::kFsLoocvProgress, kSecondRow, platform::Format("%d", engine.Generation()));
  dashboard.SetValue(Panel::kFsLoocvProgress, kThirdRow, platform::Format("%g", engine.Best().error));
  dashboard.SetBar(Bar::kFsLoocv, static_cast<int>(p + 0.5));
  dashboard.SetValue(Panel::kFsLoocvProgress, kTimeRow, SequenceTimeLeft(p));
  ShowIndividuals();
}

void EvaluationCommands::ShowIndividuals() {
  const SubsetGenetic& engine = search.Engine();
  Dashboard& dashboard = workspace.GetDashboard();
  dashboard.SetCaption(Caption::kCurrentIndividual, u"Feature Selection: CURRENT INDIVIDUAL " +
                                                        Describe(engine, engine.CurrentIndividual()));
  dashboard.SetCaption(Caption::kBestIndividual,
                       u"Feature Selection: BEST INVIDIVIDUAL " + Describe(engine, engine.Best()));
}

void EvaluationCommands::ShowFeatureSelectionResults() {
  if (search.BestBits().empty()) return;
  workspace.GetShell().ShowFeatureSelectionResults(
      FeatureSelectionResults(search.BestBits().data(), search.Features(), search.BestError()));
}
