#include <gtest/gtest.h>

#include "app/TrainingSetupForm.h"
#include "support/ScriptedShell.h"

namespace {

TEST(TrainingSetupForm, OpeningAdjustsTheMethodToTheNetwork) {
  struct Case {
    int kind;
    std::int32_t method;
    int checked;
    const char* enabled;  // buttons 0..4
    bool genetic, annealing;
  } cases[] = {
      {1, kAnnealRegress, kAnnealing, "01110", false, true},
      {1, kGeneticRegress, kGenetic, "01110", true, false},
      {1, kRegression, kRegression, "01110", false, false},
      {2, kGenetic, kGeneticRegress, "10011", true, false},
      {3, kRegression, kAnnealRegress, "10011", false, true},
      {2, kAnnealing, kAnnealing, "10011", false, true},
      {-1, kGenetic, kGenetic, "11111", true, false},
      {4, kRegression, kRegression, "11111", false, false},
  };
  for (const Case& c : cases) {
    trainingSetup record;
    record.initializationMethod = c.method;
    TrainingSetupForm form(record, c.kind);
    EXPECT_EQ(form.CheckedMethod(), c.checked) << c.kind << " " << c.method;
    std::string enabled;
    for (int m = 0; m < 5; ++m) enabled += form.IsMethodEnabled(m) ? '1' : '0';
    EXPECT_EQ(enabled, c.enabled) << c.kind;
    EXPECT_EQ(form.GeneticSetupEnabled(), c.genetic);
    EXPECT_EQ(form.AnnealingSetupEnabled(), c.annealing);
  }
}

TEST(TrainingSetupForm, OpeningFillsTheFieldsAndOkStoresThem) {
  trainingSetup record;
  TrainingSetupForm form(record, 1);
  EXPECT_EQ(form.cyclesText, u"1");
  EXPECT_EQ(form.goalText, u"1e-05");
  EXPECT_EQ(form.epochsText, u"8192");
  EXPECT_FALSE(form.SaveToFile());
  EXPECT_FALSE(form.BrowseEnabled());
  form.continueTraining = true;
  form.epochsText = u" 250";
  form.cyclesText = u"+4";
  form.goalText = u"0.0125";
  form.optimizationMethod = kVariableMetric;
  ASSERT_FALSE(form.Accept());
  EXPECT_EQ(record.initializationMethod, kAnnealing);
  EXPECT_EQ(record.continueTraining, 1);
  EXPECT_EQ(record.epochs, 250);
  EXPECT_EQ(record.cycles, 4);
  EXPECT_DOUBLE_EQ(record.goal, 0.0125);
  EXPECT_EQ(record.optimizationMethod, kVariableMetric);
  EXPECT_EQ(record.initializationAttempts, 10);
}

TEST(TrainingSetupForm, OkChecksInOrder) {
  struct Case {
    bool saveToFile;
    std::u16string file, epochs, cycles;
    int field;
    const char16_t* text;
  } cases[] = {
      {true, u"", u"0", u"0", TrainingSetupForm::kFileField, u"A valid file name is required"},
      {false, u"", u"0", u"0", TrainingSetupForm::kEpochsField, u"The number of epochs is invalid"},
      {false, u"", u"-3", u"1", TrainingSetupForm::kEpochsField, u"The number of epochs is invalid"},
      {false, u"", u"many", u"1", TrainingSetupForm::kEpochsField, u"The number of epochs is invalid"},
      {false, u"", u"10", u"0", TrainingSetupForm::kCyclesField, u"The number of cycles is invalid"},
      {true, u"p.csv", u"10", u"x", TrainingSetupForm::kCyclesField, u"The number of cycles is invalid"},
  };
  for (const Case& c : cases) {
    trainingSetup record;
    TrainingSetupForm form(record, 2);
    form.SetSaveToFile(c.saveToFile);
    form.fileText = c.file;
    form.epochsText = c.epochs;
    form.cyclesText = c.cycles;
    const auto balloon = form.Accept();
    ASSERT_TRUE(balloon);
    EXPECT_EQ(balloon->field, c.field);
    EXPECT_EQ(std::u16string(balloon->title), u"Training setup");
    EXPECT_EQ(std::u16string(balloon->text), c.text);
    EXPECT_EQ(record.epochs, 8192);
  }
}

TEST(TrainingSetupForm, GoalAndProgressFile) {
  struct Case {
    std::u16string goal;
    double stored;
  } goals[] = {{u"abc", 0.0}, {u"", 0.0}, {u"2.5e-3xyz", 0.0025}, {u"0.000000000000000000001234", 1e-21}};
  for (const Case& c : goals) {
    trainingSetup record;
    TrainingSetupForm form(record, 2);
    form.goalText = c.goal;
    ASSERT_FALSE(form.Accept());
    EXPECT_DOUBLE_EQ(record.goal, c.stored) << U8(c.goal);
  }

  ScriptedShell shell;
  trainingSetup record;
  record.progressFile = u"old.csv";
  TrainingSetupForm form(record, 2);
  EXPECT_TRUE(form.SaveToFile());
  EXPECT_EQ(form.fileText, u"old.csv");
  shell.files.push_back(u"new.csv");
  form.Browse(shell);
  EXPECT_EQ(form.fileText, u"new.csv");
  EXPECT_EQ(shell.calls.back(),
            "save(Save training progress | Comma delimited data files (*.csv) | *.csv | csv): new.csv");
  shell.files.push_back(std::nullopt);
  form.Browse(shell);
  EXPECT_EQ(form.fileText, u"");
  form.fileText = u"kept.csv";
  ASSERT_FALSE(form.Accept());
  EXPECT_EQ(record.progressFile, u"kept.csv");

  // Unchecking "Save to file" clears the name: no progress file is written.
  TrainingSetupForm again(record, 2);
  again.SetSaveToFile(false);
  EXPECT_EQ(again.fileText, u"");
  EXPECT_FALSE(again.BrowseEnabled());
  ASSERT_FALSE(again.Accept());
  EXPECT_EQ(record.progressFile, u"");
}

TEST(TrainingSetupForm, CancelKeepsTheRecordButNotTheParameterDialogs) {
  trainingSetup record;
  TrainingSetupForm form(record, 2);
  form.epochsText = u"5";
  form.ClickMethod(kAnnealing);
  form.Record().annealing.temperatures = 7;
  EXPECT_EQ(record.epochs, 8192);
  EXPECT_EQ(record.initializationMethod, kAnnealRegress);
  EXPECT_EQ(record.annealing.temperatures, 7);
}

TEST(TrainingSetupForm, ReadIntegerLikeAnEditBox) {
  struct Case {
    std::u16string text;
    std::int32_t value;
  } cases[] = {{u"12", 12},
               {u"  -7", -7},
               {u"3x", 3},
               {u"x3", 0},
               {u"", 0},
               {u"99999999999", 2147483647},
               {u"-99999999999", -2147483647 - 1}};
  for (const Case& c : cases) EXPECT_EQ(ReadInteger(c.text), c.value) << U8(c.text);
}

}  // namespace
