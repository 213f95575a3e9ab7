#include <gtest/gtest.h>

#include <sstream>

#include "app/TrainingSetupForm.h"
#include "app/Workspace.h"
#include "cli/TerminalShell.h"

namespace {

TEST(TerminalShell, AnswersWithoutAskingAndPrintsMessages) {
  std::ostringstream out, err;
  Terminal terminal(out, err);
  TerminalShell shell(terminal, false);
  EXPECT_FALSE(shell.AskYesNo(u"Is this a training set for feature selection?", u"Tessarion"));
  shell.files.push_back(u"a.csv");
  EXPECT_EQ(shell.ChooseFileToOpen({}), u"a.csv");
  EXPECT_EQ(shell.ChooseFileToSave({}), std::nullopt);
  shell.rounding = 3;
  TrainingSetInfoRequest request;
  EXPECT_TRUE(shell.EditTrainingSetInfo(request));
  EXPECT_EQ(request.rounding, 3);

  trainingSetup record;
  record.epochs = 0;
  TrainingSetupForm form(record, 2);
  EXPECT_FALSE(shell.EditTrainingSetup(form));
  shell.ShowError(u"ERROR: \r\nsecond line\r\n", u"Tessarion - Error");
  EXPECT_EQ(err.str(), "The number of epochs is invalid\nERROR: \nsecond line\n");
  EXPECT_EQ(out.str(), "");
}

TEST(TerminalShell, TheProgressLineFollowsTheMonitor) {
  std::ostringstream out, err;
  Terminal terminal(out, err);
  TerminalShell shell(terminal, true);
  Workspace workspace(shell, 10);
  workspace.OnWindowCreated();
  shell.SetProgressBar(Bar::kInitialization, 40);
  shell.SetPanelCell(Panel::kInitializationProgress, 3, 1, u"0:00:12");
  shell.SetPanelCell(Panel::kOptimizationProgress, 2, 1, u"Unknown");
  shell.SetLabel(Label::kMse, u"mse: 0.25", kRed);
  shell.StartTimer(1000);
  EXPECT_TRUE(shell.TimerActive());
  shell.ShowProgressLine();
  shell.SetLabel(Label::kMse, u"mse: 1", kRed);
  shell.ShowProgressLine();
  // A sequence of runs leads the line with its own progress.
  shell.SetProgressBar(Bar::kFsLoocv, 12);
  shell.SetPanelCell(Panel::kFsLoocvProgress, 3, 1, u"0:01:40");
  shell.ShowProgressLine();
  shell.StopTimer();
  EXPECT_FALSE(shell.TimerActive());
  EXPECT_EQ(err.str(),
            "\rinitialization 40% (0:00:12), optimization 0% (Unknown), mse: 0.25"
            "\rinitialization 40% (0:00:12), optimization 0% (Unknown), mse: 1   "
            "\rruns 12% (0:01:40), initialization 40% (0:00:12), optimization 0% (Unknown), mse: 1\n");
}

}  // namespace
