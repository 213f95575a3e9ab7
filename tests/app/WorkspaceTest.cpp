#include <gtest/gtest.h>

#include <algorithm>

#include "app/CommandTable.h"
#include "app/Workspace.h"
#include "platform/Text.h"
#include "support/FaultEnv.h"
#include "support/NetworkBuilders.h"
#include "support/ScriptedShell.h"
#include "support/TempDir.h"

namespace {

std::u16string U16(const std::filesystem::path& path) { return platform::Utf8ToUtf16(path.string()); }

// Sets the Network Setup dialog's fields and presses OK.
std::function<bool(networkSetup&)> Confirm(const networkSetup& wanted) {
  return [wanted](networkSetup& setup) {
    setup.inputs = wanted.inputs;
    setup.hidden1 = wanted.hidden1;
    setup.hidden2 = wanted.hidden2;
    setup.outputs = wanted.outputs;
    setup.hidden1Activation = wanted.hidden1Activation;
    setup.hidden2Activation = wanted.hidden2Activation;
    setup.outputActivation = wanted.outputActivation;
    setup.style = wanted.style;
    setup.complex = wanted.complex;
    return true;
  };
}

std::function<bool(TrainingSetInfoRequest&)> AcceptInfo() {
  return [](TrainingSetInfoRequest&) { return true; };
}

struct Bench {
  ScriptedShell shell;
  Workspace workspace{shell, 50};
  TempDir dir;

  Bench() { workspace.OnWindowCreated(); }

  void NewNetwork(const networkSetup& setup) {
    shell.networkDialogs.push_back(Confirm(setup));
    ASSERT_TRUE(workspace.Execute(kCmdLayerNetworkSetup));
  }
  bool Load(const std::string& name, const std::string& csv) {
    shell.setInfoDialogs.push_back(AcceptInfo());
    shell.files.push_back(U16(dir.Write(name, csv)));
    return workspace.LoadTrainingSet(false);
  }
  const std::u16string& Value(Panel panel, int row) { return workspace.GetDashboard().Value(panel, row); }
  std::string Status() { return U8(workspace.GetDashboard().LabelText(Label::kStatus)); }
  std::string Mse() { return U8(workspace.GetDashboard().LabelText(Label::kMse)); }
};

const std::string kThreeColumns = "0,0,0\r\n0,1,1\r\n1,0,1\r\n1,1,0\r\n0.5,0.5,0.5\r\n";

TEST(Workspace, StartsWithNoNetworkAndTheDefaults) {
  Bench b;
  EXPECT_EQ(b.workspace.NetworkKind(), -1);
  EXPECT_EQ(b.workspace.NetworkSetup().headerSize, 116);
  EXPECT_TRUE(b.workspace.NetworkSetup().MagicIs(u"Tessarion File"));
  EXPECT_EQ(b.workspace.RefreshIntervalMs(), 1000u);
  EXPECT_EQ(b.Status(), "None ANN");
  EXPECT_EQ(b.Mse(), "mse: ------");
  EXPECT_EQ(b.shell.Title(), u"Tessarion");
  EXPECT_TRUE(b.shell.Checked(kCmdEverySecond));
  EXPECT_FALSE(b.shell.Checked(kCmdEvery2Seconds));
  EXPECT_FALSE(b.shell.Enabled(kCmdStop));
  EXPECT_FALSE(b.shell.Enabled(kCmdKohonenSetup));
  EXPECT_FALSE(b.shell.Enabled(kCmdStart));
  EXPECT_TRUE(b.shell.Enabled(kCmdOpenFile));
  EXPECT_EQ(b.Value(Panel::kNetwork, 0), u"-------");
  EXPECT_EQ(b.Value(Panel::kInitializationSetup, 0), u"Anneal+Regress");
  EXPECT_EQ(b.Value(Panel::kInitializationSetup, 1), u"10");
  EXPECT_EQ(b.workspace.GetDashboard().RowLabel(Panel::kInitializationSetup, 2), u"Init Temp:");
  EXPECT_EQ(b.Value(Panel::kInitializationSetup, 2), u"15");
  EXPECT_EQ(b.Value(Panel::kInitializationSetup, 3), u"0.015");
  EXPECT_EQ(b.Value(Panel::kTrainingInfo, 0), u"0 x 0");
  EXPECT_EQ(b.Value(Panel::kTrainingInfo, 2), u"1e-05");
  EXPECT_EQ(b.Value(Panel::kOptimizationSetup, 0), u"Conjugate Gradient");
  EXPECT_EQ(b.Value(Panel::kOptimizationSetup, 1), u"8192");
  EXPECT_DOUBLE_EQ(b.workspace.Plot().Bottom(), -5.0);
  EXPECT_FALSE(b.shell.TimerRunning());
  // A command the workspace does not handle is left to the window.
  EXPECT_FALSE(b.workspace.Execute(kCmdNewDataSet));
  EXPECT_FALSE(b.workspace.Execute(kCmdStart));
}

TEST(Workspace, NewGenericNetworkThenLoadAThreeColumnSet) {
  Bench b;
  b.NewNetwork(MakeSetup(2, 3, 0, 1, 1, 0, 2));
  EXPECT_EQ(b.workspace.NetworkKind(), 2);
  EXPECT_EQ(b.Status(), "New ANN");
  EXPECT_EQ(b.Mse(), "mse: 1.0000");
  EXPECT_EQ(b.Value(Panel::kNetwork, 0), u"2 : 3T : 1L");
  EXPECT_EQ(b.Value(Panel::kNetwork, 1), u"Generic");
  EXPECT_EQ(b.Value(Panel::kNetwork, 2), u"Layer network");
  EXPECT_EQ(b.Value(Panel::kNetwork, 3), u"1");
  EXPECT_EQ(b.Value(Panel::kNetwork, 4), u"Real");
  EXPECT_TRUE(b.shell.Enabled(kCmdLoadTrainingSet));
  EXPECT_FALSE(b.shell.Enabled(kCmdStart));
  EXPECT_FALSE(b.shell.Enabled(kCmdTrainingSetup));

  ASSERT_TRUE(b.Load("set.csv", kThreeColumns));
  EXPECT_EQ(b.workspace.TrainingSet().Rows(), 5);
  EXPECT_EQ(b.Value(Panel::kTrainingInfo, 0), u"5 x 3");
  EXPECT_EQ(b.workspace.TrainingSetFileName(), U16(b.dir.File("set.csv")));
  EXPECT_TRUE(b.shell.Enabled(kCmdStart));
  EXPECT_TRUE(b.shell.Enabled(kCmdTrainingSetup));
  EXPECT_TRUE(b.shell.Enabled(kCmdShowTrainingSet));
  const auto opened = b.shell.Matching("open(");
  ASSERT_EQ(opened.size(), 1u);
  EXPECT_EQ(opened[0],
            "open(Select the Training Set file | Comma delimited data files (*.csv) | *.csv | ): " +
                b.dir.File("set.csv").string());
}

TEST(Workspace, LoadChecksTheWidthAndAsksAboutFeatureSelection) {
  Bench b;
  b.NewNetwork(MakeSetup(2, 3, 0, 1, 1, 0, 2));
  ASSERT_TRUE(b.Load("set.csv", kThreeColumns));
  b.shell.Take();

  EXPECT_FALSE(b.Load("narrow.csv", "1,2\r\n3,4\r\n"));
  EXPECT_EQ(
      b.shell.Matching("error(Tessarion): The number of columns in the training set is incorrect").size(),
      1u);
  EXPECT_EQ(b.workspace.TrainingSet().Rows(), 0);
  EXPECT_EQ(b.workspace.TrainingSetFileName(), u"");
  EXPECT_FALSE(b.shell.Enabled(kCmdStart));

  b.shell.answers.push_back(true);
  ASSERT_TRUE(b.Load("wide.csv", "1,2,3,4\r\n5,6,7,8\r\n"));
  EXPECT_EQ(b.shell.Matching("ask(Tessarion): Is this a training set for feature selection? -> yes").size(),
            1u);
  EXPECT_EQ(b.workspace.TrainingSet()[1][3], 8.0);

  b.shell.answers.push_back(false);
  EXPECT_FALSE(b.Load("wide.csv", "1,2,3,4\r\n"));
  EXPECT_EQ(b.workspace.TrainingSet().Rows(), 0);

  // Cancelling the dialog or the chooser changes nothing.
  ASSERT_TRUE(b.Load("set.csv", kThreeColumns));
  b.shell.setInfoDialogs.push_back([](TrainingSetInfoRequest&) { return false; });
  EXPECT_FALSE(b.workspace.LoadTrainingSet(false));
  b.shell.setInfoDialogs.push_back(AcceptInfo());
  b.shell.files.push_back(std::nullopt);
  EXPECT_FALSE(b.workspace.LoadTrainingSet(false));
  EXPECT_EQ(b.workspace.TrainingSet().Rows(), 5);
}

TEST(Workspace, LayerNetworkSetupCarriesScalersOnlyWhenTheShapeStays) {
  Bench b;
  b.NewNetwork(MakeSetup(2, 3, 0, 1, 1, 0, 2));
  b.workspace.CurrentNetwork()->InputScaler().Set(0, -5.0, 5.0, 2);
  ASSERT_TRUE(b.Load("set.csv", kThreeColumns));

  b.NewNetwork(MakeSetup(2, 4, 0, 1, 0, 0, 0));  // only sizes of hidden layers and activations
  EXPECT_EQ(b.workspace.TrainingSet().Rows(), 5);
  EXPECT_EQ(b.workspace.CurrentNetwork()->InputScaler().GetEntry(0).max, 5.0);

  b.NewNetwork(MakeSetup(3, 4, 2, 1, 0, 0, 0));  // a third input
  EXPECT_EQ(b.workspace.NetworkKind(), 3);
  EXPECT_EQ(b.workspace.TrainingSet().Rows(), 0);
  EXPECT_EQ(b.workspace.CurrentNetwork()->InputScaler().GetEntry(0).max, 0.0);
  EXPECT_EQ(b.Status(), "New ANN");

  // Cancel still reads "New ANN" and keeps the network.
  b.workspace.GetDashboard().SetLabel(Label::kStatus, u"something else", kGreen);
  b.shell.networkDialogs.push_back([](networkSetup&) { return false; });
  b.workspace.NewNetwork();
  EXPECT_EQ(b.workspace.NetworkKind(), 3);
  EXPECT_EQ(b.Status(), "New ANN");
}

TEST(Workspace, DeleteAsksFirst) {
  Bench b;
  b.NewNetwork(MakeSetup(2, 0, 0, 1, 0, 0, 0));
  EXPECT_EQ(b.workspace.TrainingSetup().initializationMethod, kAnnealing);
  ASSERT_TRUE(b.Load("set.csv", kThreeColumns));
  b.shell.answers.push_back(false);
  b.workspace.Execute(kCmdDeleteNetwork);
  EXPECT_EQ(b.workspace.NetworkKind(), 1);
  b.shell.answers.push_back(true);
  b.workspace.Execute(kCmdDeleteNetwork);
  EXPECT_EQ(b.workspace.NetworkKind(), -1);
  EXPECT_EQ(b.workspace.TrainingSet().Rows(), 0);
  EXPECT_EQ(b.Status(), "None ANN");
  EXPECT_EQ(b.Mse(), "mse: ------");
  EXPECT_EQ(b.Value(Panel::kNetwork, 0), u"-------");
  EXPECT_EQ(b.workspace.TrainingSetup().initializationMethod, kAnnealRegress);
  EXPECT_FALSE(b.shell.Enabled(kCmdSaveNetwork));
}

TEST(Workspace, DeleteTrainingSetAndScaling) {
  Bench b;
  b.NewNetwork(MakeSetup(2, 3, 0, 1, 1, 0, 2));
  ASSERT_TRUE(b.Load("set.csv", kThreeColumns));
  b.shell.answers.push_back(false);
  b.workspace.Execute(kCmdDeleteTrainingSet);
  EXPECT_EQ(b.workspace.TrainingSet().Rows(), 5);

  // An unchanged scaler keeps the set; a changed one discards it.
  b.shell.scalerDialogs.push_back([](Scaler&) { return true; });
  b.workspace.Execute(kCmdInputScaling);
  EXPECT_EQ(b.workspace.TrainingSet().Rows(), 5);
  b.shell.scalerDialogs.push_back([](Scaler& s) { return s.Set(0, 1.0, 2.0, 1); });
  b.workspace.Execute(kCmdOutputScaling);
  EXPECT_EQ(b.workspace.TrainingSet().Rows(), 0);
  EXPECT_EQ(b.workspace.CurrentNetwork()->OutputScaler().GetEntry(0).method, 1u);
  EXPECT_FALSE(b.shell.Enabled(kCmdDeleteTrainingSet));
}

TEST(Workspace, TrainingSetupStoresAndRefreshesThePanels) {
  Bench b;
  b.NewNetwork(MakeSetup(2, 3, 0, 1, 1, 0, 2));
  ASSERT_TRUE(b.Load("set.csv", kThreeColumns));
  b.shell.trainingDialogs.push_back([](TrainingSetupForm& form) {
    form.ClickMethod(kGeneticRegress);
    form.goalText = u"0.001";
    form.cyclesText = u"3";
    form.optimizationMethod = kLevenbergMarquardt;
    return !form.Accept();
  });
  b.workspace.Execute(kCmdTrainingSetup);
  EXPECT_EQ(b.Value(Panel::kInitializationSetup, 0), u"Genetic+Regress");
  EXPECT_EQ(b.workspace.GetDashboard().RowLabel(Panel::kInitializationSetup, 2), u"Init. Pop.:");
  EXPECT_EQ(b.Value(Panel::kInitializationSetup, 2), u"20");
  EXPECT_EQ(b.Value(Panel::kInitializationSetup, 4), u"0.0001");
  EXPECT_EQ(b.workspace.GetDashboard().RowLabel(Panel::kInitializationProgress, 0), u"Generation:");
  EXPECT_EQ(b.Value(Panel::kTrainingInfo, 2), u"0.001");
  EXPECT_EQ(b.Value(Panel::kTrainingInfo, 3), u"3");
  EXPECT_EQ(b.Value(Panel::kOptimizationSetup, 0), u"Levenberg Marquardt");
  EXPECT_DOUBLE_EQ(b.workspace.Plot().Bottom(), -3.0);

  // "Regression" keeps one attempt, and its panel rows go blank.
  b.NewNetwork(MakeSetup(2, 0, 0, 1, 0, 0, 0));
  ASSERT_TRUE(b.Load("set.csv", kThreeColumns));
  b.shell.trainingDialogs.push_back([](TrainingSetupForm& form) {
    form.ClickMethod(kRegression);
    return !form.Accept();
  });
  b.workspace.Execute(kCmdTrainingSetup);
  EXPECT_EQ(b.workspace.TrainingSetup().initializationAttempts, 1);
  EXPECT_EQ(b.Value(Panel::kInitializationSetup, 0), u"Regression");
  EXPECT_EQ(b.workspace.GetDashboard().RowLabel(Panel::kInitializationSetup, 2), u"   ");
  EXPECT_EQ(b.workspace.GetDashboard().RowLabel(Panel::kInitializationProgress, 0), u"Status:");
  EXPECT_EQ(b.Value(Panel::kInitializationProgress, 0), u"------");
}

TEST(Workspace, RefreshIntervalWhileIdleStartsNoTimer) {
  Bench b;
  struct Case {
    std::int32_t id;
    std::uint32_t period;
  } cases[] = {{kCmdEvery16Seconds, 16000}, {kCmdEvery4Seconds, 4000}, {kCmdEverySecond, 1000}};
  for (const Case& c : cases) {
    EXPECT_TRUE(b.workspace.Execute(c.id));
    EXPECT_EQ(b.workspace.RefreshIntervalMs(), c.period);
    for (const auto& entry : CommandTable::RefreshIntervals())
      EXPECT_EQ(b.shell.Checked(entry.id), entry.id == c.id);
  }
  EXPECT_TRUE(b.shell.Matching("timer").empty());
}

TEST(Workspace, MemoryReport) {
  FaultEnv env;
  env.reportMemory = true;
  env.memory = {37, 8ull << 30, 512ull << 20, 3ull << 20, 1ull << 20, 2ull << 30, 1536ull << 20};
  FaultEnv::Scoped scoped(env);
  Bench b;
  b.workspace.Execute(kCmdMemoryInformation);
  ASSERT_EQ(b.shell.Matching("info(").size(), 1u);
  EXPECT_EQ(b.shell.Matching("info(")[0],
            "info(Memory Information): Memory load:  37%\r\n\r\nTotal physical:  4095.999999 MB\r\nPhysical "
            "available:  512.000000 MB\r\n\r\nTotal page file:  3.000000 MB\r\nPage available:  1.000000 "
            "MB\r\n\r\nTotal virtual:  2048.000000 MB\r\nVirtual available:  1536.000000 MB");
}

}  // namespace
