#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "app/CommandTable.h"
#include "app/Workspace.h"
#include "data/FeatureSelectionForm.h"
#include "platform/Text.h"
#include "support/NetworkBuilders.h"
#include "support/ScriptedShell.h"
#include "support/TempDir.h"

namespace {

// A workbench with a new network and a loaded set, trained with regression
// (one deterministic attempt) towards a goal it meets at once, so each run of
// a sequence is quick.
struct Bench {
  ScriptedShell shell;
  Workspace workspace{shell, 50};
  TempDir dir;

  Bench(const networkSetup& network, const std::string& set, bool wide = false) {
    workspace.OnWindowCreated();
    shell.networkDialogs.push_back([network](networkSetup& s) {
      s = network;
      return true;
    });
    workspace.NewNetwork();
    trainingSetup& setup = workspace.TrainingSetup();
    setup.initializationMethod = kRegression;
    setup.goal = 0.3;
    workspace.ApplyTrainingSetup();
    shell.setInfoDialogs.push_back([](TrainingSetInfoRequest&) { return true; });
    if (wide) shell.answers.push_back(true);
    shell.files.push_back(platform::Utf8ToUtf16(dir.Write("set.csv", set).string()));
    EXPECT_TRUE(workspace.LoadTrainingSet(false));
  }
  // Ticks as the timer would, each as soon as the running thread is done.
  int RunToEnd() {
    int runs = 0;
    while (shell.TimerRunning()) {
      while (workspace.CurrentNetwork()->IsRunning())
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
      ++runs;
      workspace.OnTick();
    }
    return runs;
  }
  std::vector<std::string> Info() const { return shell.Matching("info"); }
  std::vector<std::string> Errors() const { return shell.Matching("error"); }
};

constexpr const char* kSeparable = "-1,1\n-0.8,1\n-0.6,1\n-0.4,1\n0.4,2\n0.6,2\n0.8,2\n1,2\n";

TEST(EvaluationCommands, LoocvTrainsOncePerRowAndRestoresTheSet) {
  Bench b(MakeSetup(1, 0, 0, 2, 0, 0, 0, kClassifier), kSeparable);
  const Matrix before = b.workspace.TrainingSet();
  ASSERT_TRUE(b.workspace.Execute(kCmdLoocv));
  EXPECT_TRUE(b.workspace.LoocvRunning());
  EXPECT_TRUE(b.workspace.IsBusy());
  EXPECT_EQ(b.workspace.TrainingSet().Rows(), 7);
  EXPECT_EQ(b.RunToEnd(), 8);
  EXPECT_FALSE(b.workspace.LoocvRunning());
  EXPECT_FALSE(b.workspace.IsBusy());
  ASSERT_EQ(b.Info().size(), 1u);
  EXPECT_EQ(b.Info()[0], "info(Tessarion - LOOCV): Errors = 0 (0 %)");
  const Matrix& after = b.workspace.TrainingSet();
  ASSERT_EQ(after.Rows(), before.Rows());
  for (int r = 0; r < after.Rows(); ++r)
    for (int c = 0; c < after.Cols(); ++c) EXPECT_EQ(after[r][c], before[r][c]);
  EXPECT_EQ(b.workspace.GetDashboard().Value(Panel::kFsLoocvProgress, 0), u"7");
  EXPECT_EQ(b.workspace.GetDashboard().Value(Panel::kFsLoocvProgress, 1), u"87.5 %");
}

TEST(EvaluationCommands, StopEndsTheCrossValidationAfterThePresentRun) {
  Bench b(MakeSetup(1, 0, 0, 2, 0, 0, 0, kClassifier), kSeparable);
  ASSERT_TRUE(b.workspace.Execute(kCmdLoocv));
  ASSERT_TRUE(b.workspace.Execute(kCmdStop));
  EXPECT_EQ(b.RunToEnd(), 1);
  ASSERT_EQ(b.Info().size(), 1u);
  EXPECT_EQ(b.workspace.TrainingSet().Rows(), 8);
}

TEST(EvaluationCommands, LoocvRefusesAComplexClassifier) {
  Bench b(MakeSetup(1, 2, 0, 2, 0, 0, 0, kClassifier, true), "0,0,1\n1,1,2\n");
  b.workspace.Evaluation().StartLoocv();
  EXPECT_FALSE(b.workspace.LoocvRunning());
  ASSERT_EQ(b.Errors().size(), 1u);
  EXPECT_EQ(b.Errors()[0],
            "error(Tessarion - LOOCV): This version of Tessarion does not support leave-one-out "
            "cross-validation for complex-domain neural networks.");
}

TEST(EvaluationCommands, FeatureSelectionMakesGenerationsPlusOneTimesPopulationRuns) {
  // Column 3 carries the target; the others are noise.
  std::string set;
  for (int r = 0; r < 12; ++r) {
    for (int c = 0; c < 5; ++c) set += std::to_string(c == 2 ? r * 0.1 : std::sin(r * (c + 1.3))) + ",";
    set += std::to_string(r * 0.05 + 0.2) + "\n";
  }
  Bench b(MakeSetup(1, 0, 0, 1, 0, 0, 2), set, true);
  ASSERT_EQ(b.workspace.TrainingSet().Cols(), 6);
  b.shell.featureSelectionDialogs.push_back([](FeatureSelectionForm& form) {
    EXPECT_EQ(form.MaxPopulation(), 5);
    // Every one of the five subsets in the first generation.
    form.fields.population = 5;
    form.fields.generations = 2;
    FeatureSelectionSettings accepted;
    return !form.Accept(accepted).has_value();
  });
  ASSERT_TRUE(b.workspace.Execute(kCmdFeatureSelection));
  EXPECT_TRUE(b.workspace.FeatureSelectionRunning());
  EXPECT_EQ(b.workspace.TrainingSet().Cols(), 2);
  EXPECT_EQ(b.RunToEnd(), 15);
  EXPECT_FALSE(b.workspace.FeatureSelectionRunning());
  EXPECT_EQ(b.workspace.TrainingSet().Cols(), 6);
  const auto results = b.shell.Matching("results");
  ASSERT_EQ(results.size(), 1u);
  EXPECT_NE(results[0].find(") 3"), std::string::npos) << results[0];
}

TEST(EvaluationCommands, ComputeConfusionLoadsShowsAndDiscards) {
  Bench b(MakeSetup(1, 0, 0, 2, 0, 0, 0, kClassifier), kSeparable);
  ASSERT_TRUE(b.workspace.Execute(kCmdStart));
  b.RunToEnd();
  b.shell.setInfoDialogs.push_back([](TrainingSetInfoRequest&) { return true; });
  b.shell.files.push_back(platform::Utf8ToUtf16(b.dir.Write("other.csv", "-1,1\n1,1\n").string()));
  ASSERT_TRUE(b.workspace.Execute(kCmdComputeConfusion));
  const auto shown = b.shell.Matching("confusion");
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_EQ(shown[0], "confusion(1 : 2S): Confusion matrix (No. errors = 1)");
  EXPECT_EQ(b.workspace.TrainingSet().Rows(), 0);
}

TEST(EvaluationCommands, ValidateShowsTheStatisticsOrTheReason) {
  Bench b(MakeSetup(1, 0, 0, 1, 0, 0, 2), "1,1\n2,2\n");
  b.shell.files.push_back(std::nullopt);
  ASSERT_TRUE(b.workspace.Execute(kCmdValidate));
  b.shell.files.push_back(platform::Utf8ToUtf16(b.dir.Write("v.csv", "1,0.5\n").string()));
  ASSERT_TRUE(b.workspace.Execute(kCmdValidate));
  b.shell.files.push_back(platform::Utf8ToUtf16(b.dir.Write("w.csv", "1,2,3\n").string()));
  ASSERT_TRUE(b.workspace.Execute(kCmdValidate));
  EXPECT_EQ(b.shell.Matching("validation"),
            std::vector<std::string>{"validation: Validate Set - mse = 0.25"});
  EXPECT_EQ(b.Errors(),
            (std::vector<std::string>{"error(Tessarion): The training set file is invalid",
                                      "error(Tessarion): The number of columns in the data set is invalid"}));
}

}  // namespace
