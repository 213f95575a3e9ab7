#include <gtest/gtest.h>
#include <windows.h>
// after windows.h
#include <commctrl.h>

#include "DialogDriver.h"
#include "DialogIds.h"
#include "app/TrainingSetupForm.h"
#include "app/ui/AboutDialog.h"
#include "app/ui/AnnealSetupDialog.h"
#include "app/ui/ConfusionDialog.h"
#include "app/ui/FeatureSelectionDialog.h"
#include "app/ui/FeatureSelectionResultsDialog.h"
#include "app/ui/FileSimulationDialog.h"
#include "app/ui/NetworkSetupDialog.h"
#include "app/ui/ScalingDialog.h"
#include "app/ui/TrainingSetInfoDialog.h"
#include "app/ui/TrainingSetupDialog.h"
#include "support/NetworkBuilders.h"
#include "support/ScriptedShell.h"
#include "win/Module.h"

namespace {

using D = DialogDriver;

// The pixels of `colour` in a control as it stands on screen.
int CountColour(HWND control, COLORREF colour) {
  RECT r;
  GetClientRect(control, &r);
  HDC screen = GetDC(control);
  HDC memory = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, r.right, r.bottom);
  HGDIOBJ old = SelectObject(memory, bitmap);
  BitBlt(memory, 0, 0, r.right, r.bottom, screen, 0, 0, SRCCOPY);
  int count = 0;
  for (int y = 0; y < r.bottom; ++y)
    for (int x = 0; x < r.right; ++x) count += GetPixel(memory, x, y) == colour;
  SelectObject(memory, old);
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(control, screen);
  return count;
}

class MainFlowDialog : public ::testing::Test {
 protected:
  void SetUp() override { Win::Module::InitCommonControls(); }
};

TEST_F(MainFlowDialog, NetworkSetupFollowsEveryEditAndRefusesNoInputs) {
  networkSetup setup = MakeSetup(4, 0, 0, 3, 0, 0, 0, kClassifier);
  NetworkSetupDialog dialog(setup);
  D driver({
      [](HWND d) {
        EXPECT_EQ(D::Caption(d), u"Layer Network 4:3S - Real  (Minimum no. of train. cases: 45)");
        EXPECT_TRUE(D::Checked(d, IDC_CLASSIFIER));
        EXPECT_GT(CountColour(GetDlgItem(d, IDC_DRAWING), RGB(0, 90, 255)), 0) << "the neurons are drawn";
        D::Type(d, IDC_HIDDEN1, u"6");
        D::Choose(d, IDC_HIDDEN1_ACT, 1);
        EXPECT_EQ(D::Caption(d).substr(0, 31), u"Layer Network 4:6T:3S - Real  (");
        D::Click(d, IDC_OUTPUT_EQUALS_INPUT);
        EXPECT_FALSE(D::Enabled(d, IDC_OUTPUTS));
        EXPECT_EQ(D::TextOf(d, IDC_OUTPUTS), u"4");
        D::Type(d, IDC_INPUTS, u"2");
        EXPECT_EQ(D::TextOf(d, IDC_OUTPUTS), u"2") << "outputs follow the inputs";
        D::Type(d, IDC_HIDDEN2, u"5");
        D::Click(d, IDC_COMPLEX);
        EXPECT_FALSE(D::Enabled(d, IDC_HIDDEN2));
        EXPECT_FALSE(D::Enabled(d, IDC_HIDDEN2_ACT));
        EXPECT_EQ(D::TextOf(d, IDC_HIDDEN2), u"0");
        D::Type(d, IDC_INPUTS, u"0");
        D::Click(d, IDOK);
      },
      [](HWND d) {
        EXPECT_EQ(D::Balloon(d), u"Layer network: The number of input must be greater than zero");
        D::Type(d, IDC_INPUTS, u"2");
        D::Click(d, IDOK);
      },
  });
  ASSERT_TRUE(dialog.Run(nullptr));
  EXPECT_EQ(driver.StepsRun(), 2u);
  EXPECT_EQ(setup.inputs, 2);
  EXPECT_EQ(setup.outputs, 2);
  EXPECT_EQ(setup.hidden1, 6);
  EXPECT_EQ(setup.hidden2, 0);
  EXPECT_EQ(setup.hidden1Activation, 1);
  EXPECT_EQ(setup.style, kOutputEqualsInput);
  EXPECT_EQ(setup.complex, 1);
}

TEST_F(MainFlowDialog, NetworkSetupCancelledStoresNothing) {
  networkSetup setup = MakeSetup(4, 0, 0, 3, 0, 0, 0, kClassifier);
  NetworkSetupDialog dialog(setup);
  D driver({[](HWND d) {
    D::Type(d, IDC_INPUTS, u"9");
    D::Click(d, IDCANCEL);
  }});
  EXPECT_FALSE(dialog.Run(nullptr));
  EXPECT_EQ(setup.inputs, 4);
}

TEST_F(MainFlowDialog, TrainingSetInfoShowsTheLayoutAndStoresInputsAndRounding) {
  TrainingSetInfoRequest request{kClassifier, false, 4, 3, -2, 50};
  TrainingSetInfoDialog dialog(request);
  D driver({
      [](HWND d) {
        EXPECT_EQ(D::TextOf(d, IDC_INFO_STYLE), u"Classifier");
        EXPECT_EQ(D::TextOf(d, IDC_INFO_DOMAIN), u"Real");
        EXPECT_EQ(D::TextOf(d, IDC_INFO_OUTPUTS), u"3");
        EXPECT_EQ(D::TextOf(d, IDC_INFO_COLS), u"Cols: 4 + 1");
        EXPECT_EQ(D::TextOf(d, IDC_INFO_ROWS), u"Min Rows: 50");
        EXPECT_FALSE(D::Checked(d, IDC_INFO_ROUND));
        EXPECT_FALSE(D::Enabled(d, IDC_INFO_DIGITS));
        EXPECT_EQ(D::TextOf(d, IDC_INFO_EXAMPLE).substr(0, 30), u"in1, in2, in3, ........, class");
        D::Type(d, IDC_INFO_INPUTS, u"0");
        D::Click(d, IDOK);
      },
      [](HWND d) {
        EXPECT_FALSE(D::Balloon(d).empty()) << "no inputs is refused";
        D::Type(d, IDC_INFO_INPUTS, u"5");
        EXPECT_EQ(D::TextOf(d, IDC_INFO_COLS), u"Cols: 5 + 1");
        D::Click(d, IDC_INFO_ROUND);
        EXPECT_TRUE(D::Enabled(d, IDC_INFO_DIGITS));
        D::Type(d, IDC_INFO_DIGITS, u"3");
        D::Click(d, IDOK);
      },
  });
  ASSERT_TRUE(dialog.Run(nullptr));
  EXPECT_EQ(request.inputs, 5);
  EXPECT_EQ(request.rounding, 3);
}

TEST_F(MainFlowDialog, TrainingSetupForANetworkWithoutHiddenLayerWithTheGeneticDialog) {
  trainingSetup record;
  ScriptedShell shell;
  shell.files.push_back(u"Z:\\progress.csv");
  TrainingSetupForm form(record, 1);
  TrainingSetupDialog dialog(form, shell);
  D driver({
      [](HWND d) {
        EXPECT_TRUE(D::Checked(d, IDC_TS_ANNEALING)) << "method 0 becomes annealing without a hidden layer";
        EXPECT_FALSE(D::Enabled(d, IDC_TS_ANNEAL_REGRESS));
        EXPECT_FALSE(D::Enabled(d, IDC_TS_GENETIC_REGRESS));
        EXPECT_TRUE(D::Enabled(d, IDC_TS_ANNEAL_SETUP));
        EXPECT_FALSE(D::Enabled(d, IDC_TS_GENETIC_SETUP));
        EXPECT_FALSE(D::Enabled(d, IDC_TS_BROWSE));
        D::Type(d, IDC_TS_EPOCHS, u"abc");
        D::Click(d, IDOK);
      },
      [](HWND d) {
        EXPECT_EQ(D::Balloon(d), u"Training setup: The number of epochs is invalid");
        D::Type(d, IDC_TS_EPOCHS, u"100");
        D::Click(d, IDC_TS_SAVE);
        EXPECT_TRUE(D::Enabled(d, IDC_TS_BROWSE));
        D::Click(d, IDOK);
      },
      [](HWND d) {
        EXPECT_EQ(D::Balloon(d), u"Training setup: A valid file name is required");
        D::Click(d, IDC_TS_BROWSE);
        EXPECT_EQ(D::TextOf(d, IDC_TS_FILE), u"Z:\\progress.csv");
        D::Click(d, IDC_TS_GENETIC);
        EXPECT_TRUE(D::Enabled(d, IDC_TS_GENETIC_SETUP));
        EXPECT_FALSE(D::Enabled(d, IDC_TS_ANNEAL_SETUP));
        D::Click(d, IDC_TS_GENETIC_SETUP);  // the next steps run in the nested dialog
      },
      [](HWND d) {
        EXPECT_EQ(D::Caption(d), u"Genetic Initialization");
        EXPECT_EQ(D::TextOf(d, IDC_GA_CROSSOVER), u"0.85");
        D::Type(d, IDC_GA_CROSSOVER, u"2");
        D::Click(d, IDOK);
      },
      [](HWND d) {
        EXPECT_EQ(D::Balloon(d),
                  u"Genetic Initialization: The probability of crossover must be between 0 and 1");
        D::Type(d, IDC_GA_CROSSOVER, u"0.5");
        D::Type(d, IDC_GA_CYCLES, u"3");
        D::Click(d, IDOK);
      },
      [](HWND d) {
        EXPECT_EQ(D::Caption(d), u"Training Setup");
        D::Click(d, IDOK);
      },
  });
  ASSERT_TRUE(dialog.Run(nullptr));
  EXPECT_EQ(driver.StepsRun(), 6u);
  EXPECT_EQ(record.initializationMethod, kGenetic);
  EXPECT_EQ(record.epochs, 100);
  EXPECT_EQ(record.progressFile, u"Z:\\progress.csv");
  EXPECT_DOUBLE_EQ(record.genetic.crossover, 0.5);
  EXPECT_EQ(record.initializationAttempts, 3);
}

TEST_F(MainFlowDialog, AnnealSetupDrawsItsScheduleAndRefusesTemperaturesTheWrongWayRound) {
  trainingSetup record;
  AnnealSetupDialog dialog(record);
  D driver({
      [](HWND d) {
        EXPECT_EQ(D::Caption(d), u"Simulate Annealing Initialization");
        EXPECT_EQ(D::TextOf(d, IDC_SA_FROM), u"15");
        EXPECT_EQ(D::TextOf(d, IDC_SA_TO), u"0.015");
        EXPECT_GT(CountColour(GetDlgItem(d, IDC_SA_PREVIEW), RGB(200, 0, 0)), 100) << "the schedule is drawn";
        D::Type(d, IDC_SA_TO, u"20");
        D::Click(d, IDOK);
      },
      [](HWND d) {
        EXPECT_EQ(D::Balloon(d), u"Sim. Annealing Initialization: The temperatures are invalid");
        D::Type(d, IDC_SA_TO, u"0.5");
        D::Click(d, IDC_SA_LINEAR);
        D::Click(d, IDOK);
      },
  });
  ASSERT_TRUE(dialog.Run(nullptr));
  EXPECT_DOUBLE_EQ(record.annealing.endTemperature, 0.5);
  EXPECT_NE(record.annealing.linearCooling, 0);
}

TEST_F(MainFlowDialog, ClassificationHidesTheFormatsAndBrowsesThroughTheShell) {
  FileSimulationRequest request;
  request.classification = true;
  ScriptedShell shell;
  shell.files.push_back(u"Z:\\in.csv");
  FileSimulationDialog dialog(request, shell);
  D driver({
      [](HWND d) {
        EXPECT_EQ(D::Caption(d), u"On File Classification");
        EXPECT_FALSE(D::Visible(d, IDC_SIM_INPUT_BINARY));
        EXPECT_FALSE(D::Visible(d, IDC_SIM_OUTPUT_TEXT));
        D::Click(d, IDC_SIM_INPUT_BROWSE);
        EXPECT_EQ(D::TextOf(d, IDC_SIM_INPUT), u"Z:\\in.csv");
        D::Click(d, IDOK);
      },
      [](HWND d) {
        EXPECT_EQ(D::Balloon(d), u"On File Classification: A valid file name is required");
        D::Type(d, IDC_SIM_OUTPUT, u"Z:\\IN.CSV");
        D::Click(d, IDOK);
      },
      [](HWND d) {
        EXPECT_EQ(D::Balloon(d),
                  u"On File Classification: The output file must be another file than the input file");
        D::Type(d, IDC_SIM_OUTPUT, u"Z:\\classes.txt");
        D::Click(d, IDC_SIM_OPEN);
        D::Click(d, IDOK);
      },
  });
  ASSERT_TRUE(dialog.Run(nullptr));
  EXPECT_EQ(request.input, u"Z:\\in.csv");
  EXPECT_EQ(request.output, u"Z:\\classes.txt");
  EXPECT_TRUE(request.openResult);
}

std::u16string ListCell(HWND dialog, int row, int column) {
  wchar_t text[64] = {};
  ListView_GetItemText(GetDlgItem(dialog, IDC_SCALING_LIST), row, column, text, 64);
  return reinterpret_cast<const char16_t*>(text);
}

void SelectRows(HWND dialog, std::initializer_list<int> rows) {
  HWND list = GetDlgItem(dialog, IDC_SCALING_LIST);
  for (int row : rows) ListView_SetItemState(list, row, LVIS_SELECTED, LVIS_SELECTED);
}

TEST_F(MainFlowDialog, ScalingEditorSetsTheSelectedRowsThroughTheRangeDialog) {
  Scaler scaler;
  ASSERT_TRUE(scaler.SetSize(3));
  scaler.Set(1, -1.0, 1.0, 2);
  ScalingDialog dialog(scaler, false);
  D driver({
      [](HWND d) {
        EXPECT_EQ(D::Caption(d), u"Scaling");
        EXPECT_EQ(ListCell(d, 0, 1), u"No scaling");
        EXPECT_EQ(ListCell(d, 0, 2), u"------");
        EXPECT_EQ(ListCell(d, 1, 1), u"[-0.9    0.9]");
        SelectRows(d, {0, 2});
        D::Click(d, IDC_SCALING_EDIT);  // the next steps run in the range dialog
      },
      [](HWND d) {
        EXPECT_EQ(D::Caption(d), u"Output scaling");
        EXPECT_TRUE(D::Checked(d, IDC_RANGE_METHOD0)) << "it starts from the first selected row";
        EXPECT_FALSE(D::Enabled(d, IDC_RANGE_MIN));
        D::Click(d, IDC_RANGE_METHOD1);
        EXPECT_TRUE(D::Enabled(d, IDC_RANGE_MAX));
        D::Type(d, IDC_RANGE_MIN, u"5");
        D::Type(d, IDC_RANGE_MAX, u"5");
        D::Click(d, IDOK);
      },
      [](HWND d) {
        EXPECT_EQ(D::Balloon(d), u"Tessarion: The maximum value must be greater than the minimum value");
        D::Type(d, IDC_RANGE_MAX, u"10");
        D::Click(d, IDOK);
      },
      [](HWND d) {
        EXPECT_EQ(D::Caption(d), u"Scaling");
        EXPECT_EQ(ListCell(d, 0, 1), u"[0.1     0.9]");
        EXPECT_EQ(ListCell(d, 2, 2), u"[5      10]");
        EXPECT_EQ(ListCell(d, 1, 1), u"[-0.9    0.9]") << "an unselected row keeps its scaling";
        D::Click(d, IDOK);
      },
  });
  ASSERT_TRUE(dialog.Run(nullptr));
  EXPECT_EQ(driver.StepsRun(), 4u);
  EXPECT_EQ(scaler.GetEntry(2).method, 1u);
  EXPECT_DOUBLE_EQ(scaler.GetEntry(2).max, 10.0);
  EXPECT_EQ(scaler.GetEntry(1).method, 2u);
}

TEST_F(MainFlowDialog, ConfusionWindowShowsTheGridWithErrorsInRedAndSavesThePage) {
  const Matrix confusion = MakeMatrix({{3, 1, 0}, {0, 4, 0}, {0, 0, 2}});
  ScriptedShell shell;
  wchar_t temp[MAX_PATH];
  GetTempPathW(MAX_PATH, temp);
  const std::u16string page = reinterpret_cast<const char16_t*>(temp) + std::u16string(u"confusion-test.htm");
  shell.files.push_back(page);
  ConfusionDialog dialog(confusion, u"4 : 2S", shell);
  D driver({[](HWND d) {
    EXPECT_EQ(D::Caption(d), u"Confusion matrix (No. errors = 1)");
    HWND grid = GetDlgItem(d, IDC_CONFUSION_LIST);
    wchar_t text[32] = {};
    ListView_GetItemText(grid, 0, 0, text, 32);
    EXPECT_EQ(std::u16string(reinterpret_cast<const char16_t*>(text)), u"class 1");
    ListView_GetItemText(grid, 0, 2, text, 32);
    EXPECT_EQ(std::u16string(reinterpret_cast<const char16_t*>(text)), u"1*");
    ListView_GetItemText(grid, 2, 0, text, 32);
    EXPECT_EQ(std::u16string(reinterpret_cast<const char16_t*>(text)), u"reject");
    ListView_GetItemText(grid, 2, 3, text, 32);
    EXPECT_EQ(std::u16string(reinterpret_cast<const char16_t*>(text)), u"2")
        << "reject as reject is no error";
    UpdateWindow(grid);
    EXPECT_GT(CountColour(grid, RGB(255, 0, 0)), 0) << "the error cell is drawn in red";
    D::Click(d, IDC_CONFUSION_SAVE);
    D::Click(d, IDOK);
  }});
  dialog.Run(nullptr);
  EXPECT_EQ(driver.StepsRun(), 1u);
  EXPECT_EQ(shell.Matching("save(Save confusion matrix").size(), 1u);
  const DWORD attributes = GetFileAttributesW(reinterpret_cast<const wchar_t*>(page.c_str()));
  EXPECT_NE(attributes, INVALID_FILE_ATTRIBUTES) << "the page was written";
  DeleteFileW(reinterpret_cast<const wchar_t*>(page.c_str()));
}

TEST_F(MainFlowDialog, FeatureSelectionProposesAPopulationAndChecksEveryField) {
  FeatureSelectionForm form(FeatureSelectionSettings{}, 10, 3);
  FeatureSelectionDialog dialog(form);
  D driver({
      [](HWND d) {
        EXPECT_EQ(D::TextOf(d, IDC_FS_FROM), u"10");
        EXPECT_EQ(D::TextOf(d, IDC_FS_TO), u"3");
        EXPECT_EQ(D::TextOf(d, IDC_FS_POPULATION), u"12");
        EXPECT_EQ(D::TextOf(d, IDC_FS_CROSSOVER), u"1");
        D::Type(d, IDC_FS_CROSSOVER, u"abc");
        D::Click(d, IDOK);
      },
      [](HWND d) {
        EXPECT_EQ(D::Balloon(d), u"Tessarion: The probability of crossover must be between 0 and 1");
        D::Type(d, IDC_FS_CROSSOVER, u"0.7");
        D::Type(d, IDC_FS_POPULATION, u"500");
        D::Click(d, IDOK);
      },
      [](HWND d) {
        EXPECT_EQ(D::Balloon(d),
                  u"Feature Selection: The population size must be less than 120 and bigger than 0");
        D::Type(d, IDC_FS_POPULATION, u"30");
        D::Click(d, IDOK);
      },
  });
  ASSERT_TRUE(dialog.Run(nullptr));
  EXPECT_EQ(form.fields.population, 30);
  EXPECT_DOUBLE_EQ(form.fields.crossover, 0.7);
}

TEST_F(MainFlowDialog, FeatureSelectionResultsListTheColumnsAndSaveThem) {
  const std::uint8_t bits[] = {0x1A};  // columns 2, 4 and 5
  const FeatureSelectionResults results(bits, 5, 0.25);
  ScriptedShell shell;
  wchar_t temp[MAX_PATH];
  GetTempPathW(MAX_PATH, temp);
  const std::u16string file = reinterpret_cast<const char16_t*>(temp) + std::u16string(u"chosen-test.csv");
  shell.files.push_back(file);
  FeatureSelectionResultsDialog dialog(results, shell);
  D driver({[](HWND d) {
    EXPECT_EQ(D::Caption(d), u"Feature Selection Results (MSE = 0.25000000000000)");
    HWND list = GetDlgItem(d, IDC_FR_LIST);
    EXPECT_EQ(ListView_GetItemCount(list), 3);
    wchar_t text[16] = {};
    ListView_GetItemText(list, 2, 0, text, 16);
    EXPECT_EQ(std::u16string(reinterpret_cast<const char16_t*>(text)), u"5");
    EXPECT_FALSE(D::Enabled(d, IDC_FR_PRUNE)) << "pruning comes with the prune tool";
    D::Click(d, IDC_FR_SAVE);
    D::Click(d, IDOK);
  }});
  dialog.Run(nullptr);
  EXPECT_EQ(shell.Matching("save(Save Feature Selection Results").size(), 1u);
  HANDLE saved = CreateFileW(reinterpret_cast<const wchar_t*>(file.c_str()), GENERIC_READ, 0, nullptr,
                             OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(saved, INVALID_HANDLE_VALUE);
  char bytes[64] = {};
  DWORD read = 0;
  ReadFile(saved, bytes, sizeof bytes, &read, nullptr);
  CloseHandle(saved);
  DeleteFileW(reinterpret_cast<const wchar_t*>(file.c_str()));
  EXPECT_EQ(std::string(bytes, read), std::string("2\0\r\0\n\0"
                                                  "4\0\r\0\n\0"
                                                  "5\0\r\0\n\0",
                                                  18));
}

TEST_F(MainFlowDialog, AboutShowsTheVersion) {
  AboutDialog dialog;
  D driver({[](HWND d) {
    EXPECT_EQ(D::Caption(d), u"About Tessarion");
    EXPECT_EQ(D::TextOf(d, IDC_ABOUT_TEXT), u"Tessarion Version 3.1\r\n");
    D::Click(d, IDOK);
  }});
  dialog.Run(nullptr);
  EXPECT_EQ(driver.StepsRun(), 1u);
}

}  // namespace
