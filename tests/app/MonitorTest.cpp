#include <gtest/gtest.h>

#include <cmath>
#include <thread>

#include "app/CommandTable.h"
#include "app/Workspace.h"
#include "platform/Text.h"
#include "support/ManualClockEnv.h"
#include "support/NetworkBuilders.h"
#include "support/ScriptedShell.h"
#include "support/TempDir.h"

namespace {

// A workbench with a 2:3T:1L Generic network and a 5-row set whose run the
// test plays by hand: it publishes what a training thread would and moves
// the clock, and the monitor's ticks are plain calls.
struct PlayedRun {
  ManualClockEnv clock{5000};
  ManualClockEnv::Scoped scoped{clock};
  ScriptedShell shell;
  Workspace workspace{shell, 50};
  TempDir dir;

  PlayedRun() {
    workspace.OnWindowCreated();
    shell.networkDialogs.push_back([](networkSetup& s) {
      s = MakeSetup(2, 3, 0, 1, 1, 0, 2);
      return true;
    });
    workspace.NewNetwork();
    shell.setInfoDialogs.push_back([](TrainingSetInfoRequest&) { return true; });
    shell.files.push_back(platform::Utf8ToUtf16(
        dir.Write("set.csv", "0,0,0\r\n0,1,1\r\n1,0,1\r\n1,1,0\r\n0.5,0.5,0.5\r\n").string()));
    workspace.LoadTrainingSet(false);
  }
  // What Start does up to the thread, with the thread's flag raised by hand.
  void Begin() {
    if (!workspace.TrainingSetup().progressFile.empty())
      workspace.GetMonitor().File().Create(
          platform::PathFromUtf8(U8(workspace.TrainingSetup().progressFile)));
    workspace.GetMonitor().PrepareRun();
    workspace.CurrentNetwork()->SetKeepRunning(true);
  }
  void Tick() {
    clock.now += workspace.RefreshIntervalMs();
    workspace.OnTick();
  }
  trainingProgress& Progress() { return workspace.Progress(); }
  std::u16string Value(Panel panel, int row) { return workspace.GetDashboard().Value(panel, row); }
  std::string Label(Label label) { return U8(workspace.GetDashboard().LabelText(label)); }
};

std::string Utf16Le(const std::string& ascii) {
  std::string bytes;
  for (char c : ascii) {
    bytes += c;
    bytes += '\0';
  }
  return bytes;
}

TEST(Monitor, PlainRunFromStartToVerdict) {
  PlayedRun r;
  r.workspace.TrainingSetup().progressFile = platform::Utf8ToUtf16(r.dir.File("progress.csv").string());
  r.Begin();
  EXPECT_EQ(r.Label(Label::kStatus), "Overfitted (min rows: 27)");
  EXPECT_EQ(r.workspace.GetDashboard().LabelColour(Label::kStatus), kYellow);
  EXPECT_EQ(r.Value(Panel::kTrainingInfo, 1), u"NO!!!");
  EXPECT_TRUE(r.shell.TimerRunning());
  EXPECT_EQ(r.shell.TimerPeriod(), 1000u);
  EXPECT_TRUE(r.workspace.IsBusy());
  EXPECT_TRUE(r.shell.Enabled(kCmdStop));
  EXPECT_FALSE(r.shell.Enabled(kCmdExit));
  EXPECT_FALSE(r.shell.Enabled(kCmdStart));
  EXPECT_EQ(r.Progress().initializationValue.Get(), 15.0);

  // Annealing in the first attempt.
  r.Progress().phase.Set(kPhaseAnnealing);
  r.Progress().initializationCycle.Set(1);
  r.Progress().trainingCycle.Set(1);
  r.Progress().initializationValue.Set(3.0);
  r.Progress().initializationMse.Set(0.5);
  r.Progress().mse.Set(0.5);
  r.Tick();
  EXPECT_EQ(r.Value(Panel::kInitializationProgress, 0), u"3");
  EXPECT_EQ(r.Value(Panel::kInitializationProgress, 1), u"1");
  EXPECT_EQ(r.Value(Panel::kInitializationProgress, 2), u"0.5");
  EXPECT_EQ(r.Value(Panel::kInitializationProgress, 3), u"0:00:41");
  EXPECT_EQ(r.workspace.GetDashboard().BarValue(Bar::kInitialization), 2);
  EXPECT_EQ(r.Value(Panel::kTrainingInfo, 3), u"1 out of 1");
  // The phase blanks the epoch, then the epoch's first value shows.
  EXPECT_EQ(r.Value(Panel::kOptimizationProgress, 0), u"0");
  EXPECT_EQ(r.shell.Title(), u"Tessarion - MSE: 0.5");
  EXPECT_EQ(r.Label(Label::kMse), "mse: 0.5");

  // Optimisation half way.
  r.Progress().phase.Set(kPhaseOptimisation);
  r.Progress().epoch.Set(4096);
  r.Progress().optimizationMse.Set(0.01);
  r.Progress().mse.Set(0.01);
  r.Tick();
  EXPECT_EQ(r.Value(Panel::kInitializationProgress, 0), u"-------");
  EXPECT_EQ(r.Value(Panel::kOptimizationProgress, 0), u"4096");
  EXPECT_EQ(r.Value(Panel::kOptimizationProgress, 1), u"0.01");
  EXPECT_EQ(r.Value(Panel::kOptimizationProgress, 2), u"0:00:01");
  EXPECT_EQ(r.workspace.GetDashboard().BarValue(Bar::kOptimization), 50);
  EXPECT_EQ(r.shell.Title(), u"Tessarion - MSE: 0.01");

  // The thread ends below the goal.
  r.Progress().phase.Set(kPhaseIdle);
  r.Progress().mse.Set(1e-6);
  r.workspace.CurrentNetwork()->SetKeepRunning(false);
  r.Tick();
  EXPECT_FALSE(r.shell.TimerRunning());
  EXPECT_FALSE(r.workspace.IsBusy());
  EXPECT_TRUE(r.shell.Enabled(kCmdStart));
  EXPECT_FALSE(r.shell.Enabled(kCmdStop));
  EXPECT_EQ(r.Value(Panel::kTrainingInfo, 1), u"YES!!!");
  EXPECT_EQ(r.Label(Label::kStatus), "Training Successful!");
  EXPECT_EQ(r.workspace.GetDashboard().LabelColour(Label::kStatus), kGreen);
  EXPECT_EQ(r.Label(Label::kMse), "mse: 1e-06");
  EXPECT_EQ(r.workspace.GetDashboard().LabelColour(Label::kMse), kGreen);
  EXPECT_EQ(r.Value(Panel::kOptimizationProgress, 2), u"Done!");
  EXPECT_EQ(r.Value(Panel::kInitializationProgress, 3), u"-------");
  EXPECT_EQ(r.workspace.GetDashboard().BarValue(Bar::kInitialization), 100);
  EXPECT_EQ(r.workspace.GetDashboard().BarValue(Bar::kOptimization), 100);
  EXPECT_EQ(r.shell.Title(), u"Tessarion");

  const double half = std::log10(0.5);
  std::vector<MsePlot::Sample> expected = {{half, half, half}, {half, -2.0, -2.0}, {half, -6.0, -6.0}};
  expected.insert(expected.end(), 7, {-6.0, -6.0, -6.0});
  EXPECT_EQ(r.workspace.Plot().Latest(10), expected);
  EXPECT_EQ(r.workspace.Plot().Latest(11)[0], MsePlot::Sample{});

  EXPECT_FALSE(r.workspace.GetMonitor().File().IsOpen());
  EXPECT_EQ(TempDir::Read(r.dir.File("progress.csv")),
            Utf16Le("1.000000, 0.5\r\n2.000000, 0.01\r\n3.000000, 1e-06\r\n"));
}

TEST(Monitor, StopChangesTheTitleUntilTheRunEnds) {
  PlayedRun r;
  r.workspace.SetTitleFromPath(u"C:\\nets\\net.tsn");
  r.Begin();
  r.Progress().mse.Set(0.25);
  r.Tick();
  EXPECT_EQ(r.shell.Title(), u"Tessarion - MSE: 0.25");
  EXPECT_TRUE(r.workspace.Execute(kCmdStop));
  EXPECT_EQ(r.shell.Title(), u"Please wait, trying to stop ...");
  for (int kind = 1; kind <= 3; ++kind) EXPECT_FALSE(r.workspace.Slot(kind).IsRunning());
  r.Tick();
  EXPECT_EQ(r.shell.Title(), u"Tessarion - net.tsn");
  EXPECT_EQ(r.Label(Label::kStatus), "Training Over!");
  EXPECT_EQ(r.workspace.GetDashboard().LabelColour(Label::kStatus), kRed);
  EXPECT_EQ(r.Value(Panel::kTrainingInfo, 1), u"NO!!!");
}

TEST(Monitor, GoalMetExactlyIsASuccessAndZeroMsePlotsAsOne) {
  PlayedRun r;
  r.workspace.TrainingSetup().goal = 0.125;
  r.Begin();
  r.Progress().mse.Set(0.125);
  r.workspace.CurrentNetwork()->SetKeepRunning(false);
  r.Tick();
  EXPECT_EQ(r.Label(Label::kStatus), "Training Successful!");

  PlayedRun zero;
  zero.Begin();
  zero.Progress().mse.Set(0.0);
  zero.Tick();
  const MsePlot::Sample sample = zero.workspace.Plot().Latest(1)[0];
  EXPECT_EQ(sample.current, 0.0);
  EXPECT_EQ(sample.best, 0.0);
}

TEST(Monitor, ElapsedTimeFollowsTheRefreshInterval) {
  PlayedRun r;
  r.workspace.Execute(kCmdEvery4Seconds);
  EXPECT_FALSE(r.shell.TimerRunning());
  r.Begin();
  EXPECT_EQ(r.shell.TimerPeriod(), 4000u);
  r.Progress().phase.Set(kPhaseGenetic);
  r.Tick();
  r.Tick();
  EXPECT_EQ(r.workspace.GetMonitor().Values().elapsedInit, 8u);
  EXPECT_EQ(r.workspace.GetMonitor().Values().elapsedOpt, 0u);
  r.workspace.Execute(kCmdStop);
  EXPECT_TRUE(r.workspace.Execute(kCmdEvery2Seconds) || r.workspace.IsBusy());
  r.workspace.SetRefreshInterval(2000);
  EXPECT_EQ(r.shell.TimerPeriod(), 2000u);
}

TEST(Monitor, GeneticAndRegressionProgress) {
  PlayedRun r;
  r.workspace.TrainingSetup().initializationMethod = kGeneticRegress;
  r.workspace.TrainingSetup().initializationAttempts = 2;
  r.workspace.TrainingSetup().genetic.generations = 20;
  r.Begin();
  EXPECT_EQ(r.Progress().initializationValue.Get(), 0.0);
  r.Progress().phase.Set(kPhaseGenetic);
  r.Progress().initializationCycle.Set(2);
  r.Progress().initializationValue.Set(10.5);
  r.Tick();
  EXPECT_EQ(r.Value(Panel::kInitializationProgress, 0), u"10");
  // (1 * 20 + 10.5) * 100 / (2 * 20) = 76.25 %
  EXPECT_EQ(r.workspace.GetDashboard().BarValue(Bar::kInitialization), 76);
  EXPECT_EQ(r.Value(Panel::kInitializationProgress, 3), u"0:00:00");

  r.Progress().phase.Set(kPhaseRegression);
  r.Progress().initializationValue.Set(1.0);
  r.Tick();
  EXPECT_EQ(r.Value(Panel::kInitializationProgress, 0), u"Fitting");
  EXPECT_EQ(r.workspace.GetDashboard().BarValue(Bar::kInitialization), 100);
  EXPECT_EQ(r.Value(Panel::kInitializationProgress, 3), u"Unknown");
}

TEST(Monitor, ThreadMessagesAreShownOnce) {
  PlayedRun r;
  r.Begin();
  r.Progress().SetMessage(u"ERROR: \r\nNo enough memory to perform optimization\r\n");
  r.Tick();
  r.Tick();
  EXPECT_EQ(r.shell.Matching("error(").size(), 1u);
  EXPECT_EQ(r.shell.Matching("error(")[0],
            "error(Tessarion - Error): ERROR: \r\nNo enough memory to perform optimization\r\n");
}

TEST(Monitor, RemainingTimeTexts) {
  struct Case {
    double percent;
    std::uint32_t elapsed;
    const char16_t* text;
  } cases[] = {{50, 10, u"0:00:10"}, {25, 7, u"0:00:21"}, {1, 4000, u"110:00:00"}, {100, 5, u"0:00:00"},
               {0, 10, u"Unknown"},  {10, 0, u"Unknown"}, {40, 1000, u"0:25:00"}};
  for (const Case& c : cases)
    EXPECT_EQ(Monitor::RemainingTime(c.percent, c.elapsed), c.text) << c.percent << " " << c.elapsed;
}

TEST(MsePlot, KeepsItsWidthScrollsAndClears) {
  MsePlot plot(3);
  EXPECT_EQ(plot.Samples().size(), 3u);
  for (double v : {1.0, 2.0, 3.0, 4.0}) plot.Append({v, v, v});
  const std::vector<MsePlot::Sample> scrolled = {{2, 2, 2}, {3, 3, 3}, {4, 4, 4}};
  EXPECT_EQ(plot.Samples(), scrolled);
  plot.Clear();
  EXPECT_EQ(plot.Samples(), std::vector<MsePlot::Sample>(3));
  plot.SetRange(1e-4);
  EXPECT_DOUBLE_EQ(plot.Bottom(), -4.0);
  EXPECT_DOUBLE_EQ(plot.Drawn(-7.0), -5.0);
  EXPECT_DOUBLE_EQ(plot.Drawn(0.5), 1.0);
  EXPECT_DOUBLE_EQ(plot.Drawn(-2.0), -2.0);
  for (double goal : {0.0, -1.0}) {
    plot.SetRange(goal);
    EXPECT_TRUE(std::isfinite(plot.Bottom()));
    EXPECT_LT(plot.Bottom(), -300.0);
  }

  MsePlot wide(25);
  int lines = 0;
  for (std::size_t i = 0; i < 25; ++i) lines += wide.HasGridLine(i);
  EXPECT_GE(lines, 2);
  const bool lastHadLine = wide.HasGridLine(24);
  wide.Append({});
  EXPECT_EQ(wide.HasGridLine(23), lastHadLine);
}

}  // namespace

namespace {

TEST(Monitor, ARealRunStartedFromTheToolbarEndsInItsVerdict) {
  PlayedRun r;
  r.workspace.TrainingSetup().progressFile = platform::Utf8ToUtf16(r.dir.File("progress.csv").string());
  r.workspace.TrainingSetup().goal = 0.5;
  r.workspace.TrainingSetup().initializationMethod = kAnnealRegress;
  r.workspace.TrainingSetup().initializationAttempts = 1;
  r.workspace.TrainingSetup().annealing.temperatures = 2;
  r.workspace.TrainingSetup().annealing.iterations = 5;
  r.workspace.ApplyTrainingSetup();
  ASSERT_TRUE(r.workspace.Execute(kCmdStart));
  EXPECT_EQ(r.workspace.StartTick(), 5000u);
  EXPECT_TRUE(r.workspace.IsBusy());
  int ticks = 0;
  while (r.shell.TimerRunning() && ticks < 1000) {
    while (r.workspace.CurrentNetwork()->IsRunning()) std::this_thread::yield();
    r.Tick();
    ++ticks;
  }
  EXPECT_EQ(ticks, 1);
  EXPECT_FALSE(r.workspace.IsBusy());
  EXPECT_EQ(r.Label(Label::kStatus), "Training Successful!");
  EXPECT_EQ(r.Value(Panel::kTrainingInfo, 1), u"YES!!!");
  EXPECT_EQ(r.Value(Panel::kTrainingInfo, 3), u"1 out of 1");
  EXPECT_EQ(r.Label(Label::kMse), U8(platform::Format("mse: %g", r.workspace.CurrentNetwork()->Mse())));
  EXPECT_EQ(TempDir::Read(r.dir.File("progress.csv")),
            Utf16Le(U8(platform::Format("1.000000, %g\r\n", r.workspace.GetMonitor().Values().lastMse))));
  EXPECT_TRUE(r.shell.Enabled(kCmdStart));
}

TEST(Monitor, StoppingARealRunRestoresTheTitleAtItsEnd) {
  PlayedRun r;
  r.workspace.SetTitleFromPath(u"C:\\nets\\long.tsn");
  r.workspace.TrainingSetup().goal = 1e-300;
  r.workspace.TrainingSetup().cycles = 1000;
  r.workspace.ApplyTrainingSetup();
  ASSERT_TRUE(r.workspace.Execute(kCmdStart));
  ASSERT_TRUE(r.workspace.Execute(kCmdStop));
  EXPECT_EQ(r.shell.Title(), u"Please wait, trying to stop ...");
  while (r.workspace.CurrentNetwork()->IsRunning()) std::this_thread::yield();
  r.Tick();
  EXPECT_FALSE(r.workspace.IsBusy());
  EXPECT_EQ(r.shell.Title(), u"Tessarion - long.tsn");
  EXPECT_EQ(r.Label(Label::kStatus), "Training Over!");
  EXPECT_NE(r.workspace.Progress().trainingCycle.Get(), 1000);
}

}  // namespace
