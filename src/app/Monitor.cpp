#include "app/Monitor.h"

#include <algorithm>
#include <cmath>

#include "app/Workspace.h"
#include "data/Confusion.h"
#include "data/TrainingSetLayout.h"
#include "platform/Env.h"
#include "platform/Text.h"

namespace {

constexpr const char16_t* kNone = u"-------";
constexpr int kEndSamples = 7;

// Init Progress rows.
constexpr int kTemperatureRow = 0, kCycleRow = 1, kInitMseRow = 2, kInitTimeRow = 3;
// Optimization Progress rows.
constexpr int kEpochRow = 0, kOptMseRow = 1, kOptTimeRow = 2;
// Training Info rows.
constexpr int kMetGoalRow = 1, kCyclesRow = 3;

// A percentage fit for a bar: NaN (a degenerate schedule) counts as 0.
double ClampPercent(double percent) {
  if (!(percent > 0.0)) return 0.0;
  return std::min(percent, 100.0);
}

std::u16string Number(double value) { return platform::Format("%g", value); }

}  // namespace

std::u16string Monitor::RemainingTime(double percent, std::uint32_t elapsed) {
  if (!(percent > 0.0) || elapsed == 0) return u"Unknown";
  const double seconds = (100.0 - percent) * elapsed / percent;
  const long long t = seconds > 0.0 ? static_cast<long long>(seconds) : 0;
  return platform::Format("%d:%2.2d:%2.2d", static_cast<int>(t / 3600), static_cast<int>(t % 3600 / 60),
                          static_cast<int>(t % 60));
}

void Monitor::StartTimer() {
  timerRunning = true;
  workspace.GetShell().StartTimer(workspace.RefreshIntervalMs());
}

void Monitor::StopTimer() {
  timerRunning = false;
  workspace.GetShell().StopTimer();
}

void Monitor::RestartTimer() {
  if (!timerRunning) return;
  workspace.GetShell().StopTimer();
  StartTimer();
}

void Monitor::PrepareRun() {
  Dashboard& dashboard = workspace.GetDashboard();
  const networkSetup& s = workspace.NetworkSetup();
  const std::int32_t minimum = MinimumRows(s.inputs, s.hidden1, s.hidden2, s.outputs, s.complex != 0);
  if (minimum <= workspace.TrainingSet().Rows())
    dashboard.SetLabel(Label::kStatus, u"Training...", kGreen);
  else
    dashboard.SetLabel(Label::kStatus, platform::Format("Overfitted (min rows: %d)", minimum), kYellow);
  workspace.Plot().Clear();
  workspace.GetShell().PlotChanged();
  values = MonitorValues{};
  StartTimer();
  dashboard.SetLabelColour(Label::kMse, kRed);
  dashboard.SetValue(Panel::kTrainingInfo, kMetGoalRow, u"NO!!!");
  workspace.EnterBusy();
  values.lastMse = 1e10;
  values.elapsedInit = values.elapsedOpt = 0;
  ResetProgress();
}

void Monitor::OnTick() {
  CountElapsed();
  workspace.GetShell().FocusMainWindow();
  const int kind = workspace.NetworkKind();
  if (kind < 1 || kind > 3) return;
  trainingProgress& progress = workspace.Progress();
  const std::u16string message = progress.TakeMessage();
  if (!message.empty()) workspace.GetShell().ShowError(message, u"Tessarion - Error");
  ShowCycles();
  ShowPhase();
  ShowInitializationValue();
  ShowOptimisation();
  const double m = SmallestMse();
  if (m < values.bestMse) values.bestMse = m;
  workspace.Plot().Append({std::log10(values.lastInitMse), std::log10(m), std::log10(values.bestMse)});
  workspace.GetShell().PlotChanged();
  const bool running = workspace.CurrentNetwork()->IsRunning();
  ShowTitle(m, running);
  AppendProgressLine(m);
  if (running) return;
  if (workspace.FeatureSelectionRunning())
    workspace.Evaluation().AdvanceFeatureSelection();
  else if (workspace.LoocvRunning())
    workspace.Evaluation().AdvanceLoocv();
  else
    EndPlainRun();
}

void Monitor::ResetProgress() {
  const trainingSetup& setup = workspace.TrainingSetup();
  const bool annealing =
      setup.initializationMethod == kAnnealing || setup.initializationMethod == kAnnealRegress;
  workspace.Progress().Reset(annealing ? setup.annealing.startTemperature : 0.0);
}

void Monitor::PrepareNextRun() {
  const MonitorValues kept = values;
  values = MonitorValues{};
  values.elapsedFs = kept.elapsedFs;
  values.elapsedLoocv = kept.elapsedLoocv;
  values.lastMse = 1e10;
  workspace.Plot().Clear();
  workspace.GetShell().PlotChanged();
  ResetProgress();
}

void Monitor::EndSequence() {
  StopTimer();
  workspace.LeaveBusy();
}

void Monitor::CountElapsed() {
  const std::uint32_t seconds = workspace.RefreshIntervalMs() / 1000;
  values.elapsedInit += seconds;
  values.elapsedOpt += seconds;
  if (workspace.FeatureSelectionRunning())
    values.elapsedFs += seconds;
  else if (workspace.LoocvRunning())
    values.elapsedLoocv += seconds;
}

void Monitor::ShowCycles() {
  trainingProgress& progress = workspace.Progress();
  Dashboard& dashboard = workspace.GetDashboard();
  const std::int32_t attempt = progress.initializationCycle.Get();
  if (attempt != values.lastInitCycle) {
    values.lastInitCycle = attempt;
    dashboard.SetValue(Panel::kInitializationProgress, kCycleRow, platform::Format("%d", attempt));
  }
  const std::int32_t cycle = progress.trainingCycle.Get();
  if (cycle != values.lastTrainingCycle) {
    values.lastTrainingCycle = cycle;
    dashboard.SetValue(Panel::kTrainingInfo, kCyclesRow,
                       platform::Format("%d out of %d", cycle, workspace.TrainingSetup().cycles));
  }
  const double mse = progress.mse.Get();
  if (mse != values.lastMse) {
    values.lastMse = mse;
    dashboard.SetLabel(Label::kMse, platform::Format("mse: %g", mse), dashboard.LabelColour(Label::kMse));
  }
}

void Monitor::ShowPhase() {
  Dashboard& dashboard = workspace.GetDashboard();
  values.lastPhase = workspace.Progress().phase.Get();
  switch (values.lastPhase) {
    case kPhaseIdle:
      for (int row = 0; row < 4; ++row) dashboard.SetValue(Panel::kInitializationProgress, row, kNone);
      dashboard.SetValue(Panel::kOptimizationProgress, kEpochRow, kNone);
      dashboard.SetValue(Panel::kOptimizationProgress, kOptMseRow, kNone);
      dashboard.SetValue(Panel::kOptimizationProgress, kOptTimeRow, u"Done!");
      dashboard.SetBar(Bar::kInitialization, 0);
      dashboard.SetBar(Bar::kOptimization, 0);
      break;
    case kPhaseGenetic:
    case kPhaseAnnealing:
    case kPhaseRegression:
      values.elapsedOpt = 0;
      dashboard.SetValue(Panel::kOptimizationProgress, kEpochRow, kNone);
      dashboard.SetValue(Panel::kOptimizationProgress, kOptMseRow, kNone);
      break;
    case kPhaseOptimisation:
      values.elapsedInit = 0;
      for (int row = 0; row < 4; ++row) dashboard.SetValue(Panel::kInitializationProgress, row, kNone);
      break;
    default: break;
  }
}

void Monitor::ShowInitializationValue() {
  const double v = workspace.Progress().initializationValue.Get();
  if (v == values.lastInitValue) return;
  values.lastInitValue = v;
  Dashboard& dashboard = workspace.GetDashboard();
  const trainingSetup& setup = workspace.TrainingSetup();
  const double attempts = setup.initializationAttempts;
  const double pastAttempts = values.lastInitCycle - 1;
  if (values.lastPhase == kPhaseAnnealing) {
    const double t0 = setup.annealing.startTemperature;
    const double temperatures = setup.annealing.temperatures;
    const double step = std::log(v / t0) / (std::log(setup.annealing.endTemperature / t0) / temperatures);
    dashboard.SetValue(Panel::kInitializationProgress, kTemperatureRow, Number(v));
    ShowInitializationPercent((pastAttempts * temperatures + step) * 100.0 / (attempts * temperatures));
  } else if (values.lastPhase == kPhaseGenetic) {
    // The value is the generation reached within the attempt.
    const double generations = setup.genetic.generations;
    dashboard.SetValue(Panel::kInitializationProgress, kTemperatureRow,
                       platform::Format("%d", static_cast<int>(v)));
    ShowInitializationPercent((pastAttempts * generations + v) * 100.0 / (attempts * generations));
  } else {
    const bool fitting = values.lastPhase == kPhaseRegression;
    dashboard.SetValue(Panel::kInitializationProgress, kTemperatureRow, fitting ? u"Fitting" : kNone);
    dashboard.SetBar(Bar::kInitialization, 100);
    dashboard.SetValue(Panel::kInitializationProgress, kInitTimeRow, u"Unknown");
  }
  dashboard.SetBar(Bar::kOptimization, 0);
}

void Monitor::ShowInitializationPercent(double percent) {
  percent = ClampPercent(percent);
  Dashboard& dashboard = workspace.GetDashboard();
  dashboard.SetBar(Bar::kInitialization, static_cast<int>(percent));
  dashboard.SetValue(Panel::kInitializationProgress, kInitTimeRow,
                     RemainingTime(percent, values.elapsedInit));
}

void Monitor::ShowOptimisation() {
  trainingProgress& progress = workspace.Progress();
  Dashboard& dashboard = workspace.GetDashboard();
  const double initMse = progress.initializationMse.Get();
  if (initMse != values.lastInitMse) {
    values.lastInitMse = initMse;
    dashboard.SetValue(Panel::kInitializationProgress, kInitMseRow, Number(initMse));
  }
  const std::int32_t epoch = progress.epoch.Get();
  if (epoch != values.lastEpoch) {
    values.lastEpoch = epoch;
    dashboard.SetValue(Panel::kOptimizationProgress, kEpochRow, platform::Format("%d", epoch));
    const double percent = ClampPercent(epoch * 100.0 / workspace.TrainingSetup().epochs);
    dashboard.SetBar(Bar::kOptimization, static_cast<int>(percent));
    dashboard.SetValue(Panel::kOptimizationProgress, kOptTimeRow, RemainingTime(percent, values.elapsedOpt));
  }
  const double optMse = progress.optimizationMse.Get();
  if (optMse != values.lastOptMse) {
    values.lastOptMse = optMse;
    dashboard.SetValue(Panel::kOptimizationProgress, kOptMseRow, Number(optMse));
  }
}

double Monitor::SmallestMse() const {
  const double m = std::min({values.lastInitMse, values.lastOptMse, values.lastMse});
  return m <= 0.0 ? 1.0 : m;
}

void Monitor::ShowTitle(double mse, bool running) {
  if (!running) return;
  std::u16string title;
  if (workspace.FeatureSelectionRunning())
    title = platform::Format("Tessarion - MSE: %g (Feature Selection)", mse);
  else if (workspace.LoocvRunning())
    title = platform::Format("Tessarion - No. Errors: %d (LOOCV)", workspace.Evaluation().Loocv().Errors());
  else
    title = platform::Format("Tessarion - MSE: %g", mse);
  Dashboard& dashboard = workspace.GetDashboard();
  dashboard.SetTitle(title);
  dashboard.SetLabel(Label::kMse, platform::Format("mse: %g", mse), dashboard.LabelColour(Label::kMse));
}

void Monitor::AppendProgressLine(double mse) {
  if (workspace.TrainingSetup().progressFile.empty()) return;
  const std::uint32_t ticks = static_cast<std::uint32_t>(platform::Env::Current().Ticks());
  const std::uint32_t since = ticks - workspace.StartTick();
  progressFile.Append(platform::Format("%f, %g\r\n", since / 1000.0, mse));
}

void Monitor::EndPlainRun() {
  StopTimer();
  workspace.CurrentNetwork()->Join();
  workspace.LeaveBusy();
  Dashboard& dashboard = workspace.GetDashboard();
  dashboard.SetBar(Bar::kInitialization, 100);
  dashboard.SetBar(Bar::kOptimization, 100);
  // The thread may publish its final mse after this tick read it; read it
  // again now that nothing can change it.
  values.lastMse = workspace.Progress().mse.Get();
  const bool met = !(workspace.TrainingSetup().goal < values.lastMse);
  const Colour colour = met ? kGreen : kRed;
  dashboard.SetValue(Panel::kTrainingInfo, kMetGoalRow, met ? u"YES!!!" : u"NO!!!");
  dashboard.SetLabel(Label::kStatus, met ? u"Training Successful!" : u"Training Over!", colour);
  dashboard.SetLabel(Label::kMse, platform::Format("mse: %g", values.lastMse), colour);
  dashboard.SetValue(Panel::kOptimizationProgress, kOptTimeRow, u"Done!");
  const double final = std::log10(values.lastMse);
  for (int i = 0; i < kEndSamples; ++i) workspace.Plot().Append({final, final, final});
  workspace.GetShell().PlotChanged();
  progressFile.Close();
  if (workspace.NetworkSetup().style == kClassifier)
    ComputeConfusion(*workspace.CurrentNetwork(), workspace.TrainingSet());
  workspace.SetTitleFromPath(std::nullopt);
}
