#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "app/CommandTable.h"
#include "app/FileSimulationForm.h"
#include "app/Workspace.h"
#include "platform/Text.h"
#include "support/NetworkBuilders.h"
#include "support/ScriptedShell.h"
#include "support/TempDir.h"

namespace {

std::u16string U16(const std::filesystem::path& path) { return platform::Utf8ToUtf16(path.string()); }

std::string ReadAll(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

// Fills the dialog's fields and presses OK through the form, so its checks
// apply as in the window.
std::function<bool(FileSimulationRequest&)> Answer(std::u16string input, std::u16string output, bool textOut,
                                                   bool open) {
  return [=](FileSimulationRequest& request) {
    FileSimulationForm form(request);
    form.input = input;
    form.output = output;
    form.outputIsText = textOut;
    form.openResult = open;
    return !form.Accept().has_value();
  };
}

struct Bench {
  ScriptedShell shell;
  Workspace workspace{shell, 50};
  TempDir dir;

  explicit Bench(int style = kGeneric, int outputs = 2) {
    workspace.OnWindowCreated();
    shell.networkDialogs.push_back([=](networkSetup& s) {
      s = MakeSetup(2, 3, 0, outputs, 0, 0, style == kClassifier ? 0 : 2, style);
      return true;
    });
    workspace.Execute(kCmdLayerNetworkSetup);
    FillWeights(*workspace.CurrentNetwork());
    shell.Take();
  }
};

const std::string kInputs = "0.1,0.2\r\n0.5,-0.5\r\n1,2\r\n";

TEST(FileSimulationCommands, SimulationWritesWhatTheNetworkComputesAndOpensTheResultWhenAsked) {
  Bench b;
  const auto input = b.dir.Write("in.csv", kInputs);
  const auto expected = b.dir.Path() / "expected.csv", output = b.dir.Path() / "out.csv";
  ASSERT_EQ(b.workspace.CurrentNetwork()->SimulateFile(input, expected, true, true), nullptr);

  b.shell.simulationDialogs.push_back(Answer(U16(input), U16(output), true, true));
  EXPECT_TRUE(b.workspace.Execute(kCmdFileSimulation));
  EXPECT_EQ(ReadAll(output), ReadAll(expected));
  EXPECT_EQ(b.shell.Take(),
            (std::vector<std::string>{"simulation dialog -> ok", "wait cursor on", "wait cursor off",
                                      "open with program: " + output.string()}));

  // The dialog opens on the files chosen last; binary output is 8 bytes a value.
  b.shell.simulationDialogs.push_back([&](FileSimulationRequest& request) {
    EXPECT_EQ(request.input, U16(input));
    EXPECT_EQ(request.output, U16(output));
    request.outputIsText = false;
    request.openResult = false;
    return true;
  });
  EXPECT_TRUE(b.workspace.Execute(kCmdFileSimulation));
  EXPECT_EQ(ReadAll(output).size(), 3u * 2u * 8u);
  EXPECT_EQ(b.shell.Take(),
            (std::vector<std::string>{"simulation dialog -> ok", "wait cursor on", "wait cursor off"}));
}

TEST(FileSimulationCommands, FailuresAndCancelWriteNothingAndOpenNothing) {
  Bench b;
  const auto output = b.dir.Path() / "out.csv";
  b.shell.simulationDialogs.push_back([](FileSimulationRequest&) { return false; });
  EXPECT_TRUE(b.workspace.Execute(kCmdFileSimulation));
  EXPECT_FALSE(std::filesystem::exists(output));

  const auto wide = b.dir.Write("wide.csv", "1,2,3\r\n");
  b.shell.simulationDialogs.push_back(Answer(U16(wide), U16(output), true, true));
  EXPECT_TRUE(b.workspace.Execute(kCmdFileSimulation));
  EXPECT_EQ(b.shell.Matching("error"),
            (std::vector<std::string>{
                "error(Tessarion): The input file has 3 columns and the network requires 2"}));
  EXPECT_TRUE(b.shell.Matching("open with").empty());
}

TEST(FileSimulationCommands, ClassificationWritesOneClassARowAndIsOnlyForClassifiers) {
  Bench generic;
  EXPECT_FALSE(generic.workspace.Execute(kCmdFileClassification));

  Bench b(kClassifier, 3);
  EXPECT_FALSE(b.workspace.Execute(kCmdFileSimulation));  // a one-hidden-layer classifier
  const auto input = b.dir.Write("in.csv", kInputs), output = b.dir.Path() / "classes.txt";
  b.shell.simulationDialogs.push_back([&](FileSimulationRequest& request) {
    EXPECT_TRUE(request.classification);
    FileSimulationForm form(request);
    EXPECT_FALSE(form.FormatsEnabled());
    EXPECT_EQ(std::u16string(form.Title()), u"On File Classification");
    form.input = U16(input);
    form.output = U16(output);
    form.outputIsText = false;  // not offered: a classification writes text
    return !form.Accept().has_value();
  });
  EXPECT_TRUE(b.workspace.Execute(kCmdFileClassification));
  const std::string classes = ReadAll(output);
  EXPECT_EQ(std::count(classes.begin(), classes.end(), '\n'), 3);
  for (char c : classes) EXPECT_TRUE(c == '\r' || c == '\n' || (c >= '0' && c <= '3')) << classes;
}

TEST(FileSimulationForm, RefusesMissingFilesAndWritingOverTheInput) {
  struct Case {
    std::u16string input, output;
    int field;
    std::u16string text;
  };
  const Case cases[] = {
      {u"", u"out.csv", FileSimulationForm::kInputField, u"A valid file name is required"},
      {u"in.csv", u"", FileSimulationForm::kOutputField, u"A valid file name is required"},
      {u"C:\\data\\In.csv", u"c:/DATA/in.CSV", FileSimulationForm::kOutputField,
       u"The output file must be another file than the input file"},
  };
  for (const Case& c : cases) {
    FileSimulationRequest request;
    FileSimulationForm form(request);
    form.input = c.input;
    form.output = c.output;
    auto balloon = form.Accept();
    ASSERT_TRUE(balloon.has_value());
    EXPECT_EQ(balloon->field, c.field);
    EXPECT_EQ(std::u16string(balloon->title), u"On File Simulation");
    EXPECT_EQ(std::u16string(balloon->text), c.text);
    EXPECT_TRUE(request.input.empty()) << "a refused dialog stores nothing";
  }
}

TEST(FileSimulationForm, BrowseFillsTheFieldAndCancelKeepsIt) {
  ScriptedShell shell;
  FileSimulationRequest request;
  request.input = u"old.csv";
  FileSimulationForm form(request);
  shell.files.push_back(std::nullopt);
  form.BrowseInput(shell);
  EXPECT_EQ(form.input, u"old.csv");
  form.outputIsText = false;
  shell.files.push_back(u"new.dat");
  form.BrowseOutput(shell);
  EXPECT_EQ(form.output, u"new.dat");
  EXPECT_EQ(shell.Take(),
            (std::vector<std::string>{
                "open(Select the input file | Comma delimited data files (*.csv) | *.csv | csv): cancel",
                "save(Select the output file | Binary data files (*.dat) | *.dat | dat): new.dat"}));
}

TEST(WorkspaceCommands, AboutHelpAndExitGoToTheShellButNotWhileBusy) {
  Bench b;
  EXPECT_TRUE(b.workspace.Execute(kCmdAbout));
  EXPECT_TRUE(b.workspace.Execute(kCmdTutorial));
  EXPECT_TRUE(b.workspace.Execute(kCmdExit));
  EXPECT_EQ(b.shell.Take(),
            (std::vector<std::string>{"about", "help: Tessarion.chm::index.htm", "close main window"}));
  b.workspace.EnterBusy();
  b.shell.Take();
  EXPECT_FALSE(b.workspace.Execute(kCmdExit));
  EXPECT_FALSE(b.workspace.Execute(kCmdAbout));
  EXPECT_TRUE(b.shell.Take().empty());
  b.workspace.LeaveBusy();
}

}  // namespace
