#include <gtest/gtest.h>

#include <cstring>

#include "app/CommandTable.h"
#include "app/Workspace.h"
#include "platform/Text.h"
#include "support/FaultEnv.h"
#include "support/NetworkBuilders.h"
#include "support/ScriptedShell.h"
#include "support/TempDir.h"

namespace {

std::u16string U16(const std::filesystem::path& path) { return platform::Utf8ToUtf16(path.string()); }

std::string Header(int major, int minor, const std::u16string& magic, int family = 1, int hidden1 = 0) {
  std::string bytes(116, '\0');
  const int fields[] = {116, major, minor};
  std::memcpy(&bytes[0], fields, 12);
  std::memcpy(&bytes[12], magic.data(), 2 * magic.size());
  std::memcpy(&bytes[76], &family, 4);
  std::memcpy(&bytes[88], &hidden1, 4);
  return bytes;
}

struct Desk {
  ScriptedShell shell;
  Workspace workspace{shell, 20};
  TempDir dir;

  Desk() { workspace.OnWindowCreated(); }
  std::filesystem::path SavedNetwork(const std::string& name, const networkSetup& setup) {
    LayerNet3 three;
    LayerNet2 two;
    LayerNet1 one;
    LayerNet1& net = setup.hidden1 == 0 ? one : (setup.hidden2 == 0 ? static_cast<LayerNet1&>(two) : three);
    EXPECT_TRUE(net.Create(setup, true));
    const auto path = dir.File(name);
    EXPECT_EQ(net.Save(path), nullptr);
    return path;
  }
  void WithTrainingSet() {
    shell.networkDialogs.push_back([](networkSetup& s) {
      s = MakeSetup(2, 0, 0, 1, 0, 0, 0);
      return true;
    });
    workspace.NewNetwork();
    shell.setInfoDialogs.push_back([](TrainingSetInfoRequest&) { return true; });
    shell.files.push_back(U16(dir.Write("set.csv", "1,2,3\r\n")));
    ASSERT_TRUE(workspace.LoadTrainingSet(false));
  }
  std::string Status() { return U8(workspace.GetDashboard().LabelText(Label::kStatus)); }
};

TEST(OpenFile, ANetworkFileThroughTheMenu) {
  Desk d;
  d.WithTrainingSet();
  const auto path = d.SavedNetwork("three.tsn", MakeSetup(4, 5, 3, 2, 1, 0, 2, kClassifier));
  d.shell.files.push_back(U16(path));
  ASSERT_TRUE(d.workspace.Execute(kCmdOpenFile));
  EXPECT_EQ(d.shell.Matching("open(")[1].substr(0, 62),
            "open(Load Tessarion File | Tessarion Files (*.tsn) | *.tsn | t");
  EXPECT_EQ(d.workspace.NetworkKind(), 3);
  EXPECT_EQ(d.workspace.NetworkSetup().inputs, 4);
  EXPECT_EQ(d.workspace.TrainingSet().Rows(), 0);
  EXPECT_EQ(d.Status(), "Loaded ANN");
  EXPECT_EQ(U8(d.workspace.GetDashboard().LabelText(Label::kMse)), "mse: Unknown");
  EXPECT_EQ(d.workspace.GetDashboard().Value(Panel::kNetwork, 0), u"4 : 5T : 3S : 2L");
  EXPECT_EQ(d.workspace.GetDashboard().Value(Panel::kNetwork, 1), u"Classifier");
  EXPECT_TRUE(d.shell.Enabled(kCmdFileSimulation));
  EXPECT_TRUE(d.shell.Enabled(kCmdValidate));
  EXPECT_TRUE(d.shell.Enabled(kCmdHidden2Weights));
  // The title takes the name after the last backslash, which a POSIX path
  // does not have.
  const bool backslashed = U16(path).find(u'\\') != std::u16string::npos;
  EXPECT_EQ(d.shell.Title(), backslashed ? u"Tessarion - three.tsn" : u"Tessarion");
  // A file that cannot be opened stops in the first probe: nothing changes.
  d.workspace.OpenFile(U16(d.dir.File("gone.tsn")));
  EXPECT_EQ(d.workspace.NetworkKind(), 3);
  d.workspace.SetTitleFromPath(u"C:\\nets\\three.tsn");
  EXPECT_EQ(d.shell.Title(), u"Tessarion - three.tsn");
}

TEST(OpenFile, ProbeFailuresAndForeignHeaders) {
  Desk d;
  d.WithTrainingSet();
  const auto other = d.dir.Write("old.tsn", Header(2, 0, u"Tessarion File"));
  d.shell.Take();
  d.workspace.OpenFile(U16(other));
  // Another version stops in the builder probe: nothing changes.
  EXPECT_EQ(d.shell.Take(), std::vector<std::string>{"error(" + other.string() +
                                                     "): Tessarion 3.1 does not open version 2.0 files"});
  EXPECT_EQ(d.workspace.NetworkKind(), 1);
  EXPECT_EQ(d.workspace.TrainingSet().Rows(), 1);

  const auto foreign = d.dir.Write("foreign.TSN", Header(3, 1, u"Something Else"));
  d.workspace.OpenFile(U16(foreign));
  EXPECT_EQ(d.shell.Matching("error(" + foreign.string() + "): This is not a Tessarion File").size(), 1u);
  EXPECT_EQ(d.workspace.NetworkKind(), -1);
  EXPECT_EQ(d.workspace.TrainingSet().Rows(), 0);
  EXPECT_EQ(d.Status(), "ERROR");
  EXPECT_EQ(d.workspace.NetworkSetup().inputs, 0);
  EXPECT_EQ(d.workspace.NetworkSetup().family, 1);
  EXPECT_EQ(d.workspace.GetDashboard().Value(Panel::kNetwork, 0), u"-------");

  const auto builder = d.dir.Write("doc.tsn", Header(3, 1, u"Traning Set Builder File"));
  d.workspace.OpenFile(U16(builder));
  EXPECT_EQ(d.shell.calls.back(), "builder: " + builder.string());

  const auto broken = d.dir.Write("cut.tsn", Header(3, 1, u"Tessarion File", 1, 3).substr(0, 100));
  d.workspace.OpenFile(U16(broken));
  EXPECT_EQ(d.shell.Matching("error(" + broken.string() + "): Error reading header file").size(), 1u);
}

TEST(OpenFile, AKohonenFileOpensButCannotTrain) {
  Desk d;
  const auto path = d.dir.Write("map.tsn", Header(3, 1, u"Tessarion File", 2));
  d.workspace.OpenFile(U16(path));
  EXPECT_EQ(d.workspace.NetworkKind(), 4);
  EXPECT_EQ(d.workspace.GetDashboard().Value(Panel::kNetwork, 2), u"Kohonen network");
  EXPECT_EQ(d.workspace.GetDashboard().Value(Panel::kNetwork, 0), u"0:0");
  EXPECT_TRUE(d.shell.Enabled(kCmdSaveNetwork));
  EXPECT_FALSE(d.shell.Enabled(kCmdInputScaling));

  // Any width is a feature-selection question for it.
  d.shell.setInfoDialogs.push_back([](TrainingSetInfoRequest&) { return true; });
  d.shell.files.push_back(U16(d.dir.Write("set.csv", "1,2\r\n3,4\r\n")));
  d.shell.answers.push_back(true);
  ASSERT_TRUE(d.workspace.LoadTrainingSet(false));
  EXPECT_TRUE(d.shell.Enabled(kCmdStart));
  d.shell.Take();
  EXPECT_TRUE(d.workspace.Execute(kCmdStart));
  EXPECT_EQ(d.shell.Take(), std::vector<std::string>{"info(Tessarion): A Kohonen network cannot be trained"});
  EXPECT_FALSE(d.workspace.IsBusy());

  // Saving writes nothing and names the title.
  d.shell.files.push_back(u"C:\\maps\\map2.tsn");
  d.workspace.Execute(kCmdSaveNetwork);
  EXPECT_EQ(d.shell.Title(), u"Tessarion - map2.tsn");
}

TEST(OpenFile, CsvFilesDroppedFilesAndTheCommandLine) {
  Desk d;
  const auto csv = d.dir.Write("data.Csv", "1,2,3\r\n4,5,6\r\n");
  d.shell.answers.push_back(true);
  d.workspace.OnDroppedFile(U16(csv));
  EXPECT_EQ(d.shell.Matching("ask(Tessarion): Is the data file complex? -> yes").size(), 1u);
  EXPECT_EQ(d.shell.calls.back().substr(0, 0), "");
  EXPECT_EQ(d.shell.Matching("data view: 2 x 3 complex").size(), 1u);

  d.shell.Take();
  d.workspace.OnDroppedFile(u"a.b");
  d.workspace.OnCommandLine(u"\"\"");
  EXPECT_TRUE(d.shell.Take().empty());

  d.shell.answers.push_back(false);
  d.workspace.OnCommandLine(u"\"" + U16(csv) + u"\"");
  EXPECT_EQ(d.shell.Matching("data view: 2 x 3 real").size(), 1u);

  const auto missing = d.dir.File("none.csv");
  d.workspace.OpenFile(U16(missing));
  EXPECT_EQ(d.shell.Matching("error(" + missing.string() + "): ").size(), 1u);

  d.workspace.OpenFile(u"notes.txt");
  EXPECT_EQ(d.shell.Matching("error(Tessarion): Unable to open file").size(), 1u);
}

TEST(OpenFile, SaveNetworkReportsFailuresAndNamesTheTitle) {
  Desk d;
  d.WithTrainingSet();
  d.shell.files.push_back(U16(d.dir.File("saved.tsn")));
  d.workspace.Execute(kCmdSaveNetwork);
  EXPECT_TRUE(std::filesystem::exists(d.dir.File("saved.tsn")));
  const std::u16string title = d.shell.Title();
  FaultEnv env;
  env.failCreateWith = u"Access is denied.";
  FaultEnv::Scoped scoped(env);
  d.shell.files.push_back(u"C:\\x\\locked.tsn");
  d.workspace.Execute(kCmdSaveNetwork);
  EXPECT_EQ(d.shell.Matching("error(Tessarion): ").size(), 1u);
  EXPECT_EQ(d.shell.Title(), title);
}

TEST(Start, RefusedWhenTheSetDoesNotFitOrTheProgressFileFails) {
  Desk d;
  d.WithTrainingSet();
  d.shell.setInfoDialogs.push_back([](TrainingSetInfoRequest&) { return true; });
  d.shell.files.push_back(U16(d.dir.Write("wide.csv", "1,2,3,4\r\n")));
  d.shell.answers.push_back(true);
  ASSERT_TRUE(d.workspace.LoadTrainingSet(false));
  d.shell.Take();
  d.workspace.Execute(kCmdStart);
  EXPECT_EQ(d.shell.Take(),
            std::vector<std::string>{"error(Tessarion): The size of the (generic) network is not "
                                     "appropriate for the currente training set"});
  EXPECT_FALSE(d.workspace.IsBusy());

  d.WithTrainingSet();
  d.workspace.TrainingSetup().progressFile = U16(d.dir.File("no/such/folder/p.csv"));
  d.shell.Take();
  d.workspace.Execute(kCmdStart);
  EXPECT_EQ(d.shell.Take(),
            std::vector<std::string>{"error(Tessarion): Unable to write training progress file"});
  EXPECT_FALSE(d.workspace.IsBusy());
  EXPECT_FALSE(d.shell.TimerRunning());
}

}  // namespace
