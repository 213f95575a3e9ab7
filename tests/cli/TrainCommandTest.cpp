#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>

#include "cli/Command.h"
#include "data/TrainingSetLoader.h"
#include "net/LayerNet2.h"
#include "platform/Text.h"
#include "support/CliRunner.h"
#include "support/TempDir.h"

namespace {

// sinc on 41 points of [-4, 4] as comma-separated text.
std::string SincText() {
  std::string text;
  for (int r = 0; r < 41; ++r) {
    const double x = -4.0 + 0.2 * r;
    char line[64];
    std::snprintf(line, sizeof line, "%.6f,%.12f\r\n", x, x == 0.0 ? 1.0 : std::sin(x) / x);
    text += line;
  }
  return text;
}

struct Files {
  TempDir dir;
  std::filesystem::path set = dir.Write("sinc.csv", SincText());
  std::string net = Utf8(dir.File("net.tsn"));
  std::string out = Utf8(dir.File("out.tsn"));
};

void MakeNetwork(const Files& files, const std::string& hidden) {
  const CliRun made = Cli({"net-new", files.net, "--inputs", "1", "--outputs", "1", "--hidden1", hidden,
                           "--act1", "tanh", "--out-act", "linear", "--scale-from", Utf8(files.set)});
  ASSERT_EQ(made.status, 0) << made.err;
}

}  // namespace

TEST(TrainCommand, TrainsToTheGoalAndWritesTheNetwork) {
  Files files;
  MakeNetwork(files, "6");
  const CliRun run = Cli({"train", files.net, Utf8(files.set), "-o", files.out, "--method", "lm", "--goal",
                          "1e-4", "--attempts", "2", "--quiet"});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.err, "");
  ASSERT_EQ(run.out.rfind("Training Successful!\nmse: ", 0), 0u) << run.out;

  // The written network gives the printed mse on the same set, and its
  // simulation is the network's own forward pass unscaled.
  LayerNet2 trained;
  ASSERT_EQ(trained.Load(files.dir.File("out.tsn")), nullptr);
  Matrix set;
  bool featureSelection = false;
  TrainingSetLoad load;
  load.inputs = 1;
  ASSERT_EQ(LoadTrainingSet(files.set, trained, load, set, featureSelection), nullptr);
  const double mse = trained.ComputeMse(set);
  EXPECT_LE(mse, 1e-4);
  EXPECT_EQ(run.out,
            "Training Successful!\n" + platform::Utf16ToUtf8(platform::Format("mse: %g", mse)) + "\n");

  const auto inputs = files.dir.Write("in.csv", "-3.5\r\n0.25\r\n2\r\n");
  const CliRun simulated = Cli({"simulate", files.out, Utf8(inputs), Utf8(files.dir.File("sim.csv"))});
  ASSERT_EQ(simulated.status, 0) << simulated.err;
  const std::string text = TempDir::Read(files.dir.File("sim.csv"));
  const double xs[] = {-3.5, 0.25, 2.0};
  std::size_t at = 0;
  for (double x : xs) {
    Matrix row(1, 1);
    row[0][0] = trained.InputScaler().Scale(x, 0);
    trained.Forward(row, 0);
    const double expected = trained.OutputScaler().Unscale(trained.OutputLayer()->Output()[0][0], 0);
    const double written = std::stod(text.substr(at));
    EXPECT_NEAR(written, expected, 1e-13);
    EXPECT_NEAR(written, x == 0.0 ? 1.0 : std::sin(x) / x, 0.05);
    at = text.find('\n', at) + 1;
  }
}

TEST(TrainCommand, AnUnreachedGoalEndsInTrainingOver) {
  Files files;
  MakeNetwork(files, "1");
  const CliRun run = Cli({"train", files.net, Utf8(files.set), "-o", files.out, "--method", "cg", "--goal",
                          "1e-12", "--epochs", "3", "--attempts", "1", "--sa-temps", "2", "--sa-iters", "5"});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out.rfind("Training Over!\nmse: ", 0), 0u) << run.out;
  EXPECT_TRUE(std::filesystem::exists(files.out));
}

TEST(TrainCommand, TheDefaultInitialisationFollowsTheNetworkKind) {
  // Without a hidden layer the default is annealing, which that kind
  // accepts; regression is accepted too and makes a single attempt.
  Files files;
  const CliRun made = Cli({"net-new", files.net, "--inputs", "1", "--outputs", "1", "--out-act", "linear",
                           "--scale-from", Utf8(files.set)});
  ASSERT_EQ(made.status, 0);
  for (const char* init : {"", "regression"}) {
    std::vector<std::string> words = {
        "train",      files.net, Utf8(files.set), "-o", files.out,    "--epochs", "5",
        "--sa-temps", "2",       "--sa-iters",    "5",  "--attempts", "2"};
    if (*init) words.insert(words.end(), {"--init", init});
    const CliRun run = Cli(words);
    EXPECT_EQ(run.status, 0) << init << run.err;
    EXPECT_EQ(run.out.rfind("Training Over!\nmse: ", 0), 0u) << run.out;
  }
  const CliRun refused =
      Cli({"train", files.net, Utf8(files.set), "-o", files.out, "--init", "anneal-regress", "--quiet"});
  EXPECT_EQ(refused.status, 1);
  EXPECT_EQ(refused.err,
            "ERROR: \nThe initialization method is invalid. You may tried other initialization methods.\n");
}

TEST(TrainCommand, WrongCommandLinesExitTwo) {
  Files files;
  MakeNetwork(files, "2");
  const std::string set = Utf8(files.set);
  const std::vector<std::vector<std::string>> wrong = {
      {"train", files.net, set},
      {"train", files.net, "-o", files.out},
      {"train", files.net, set, "-o", files.out, "--method", "newton"},
      {"train", files.net, set, "-o", files.out, "--init", "random"},
      {"train", files.net, set, "-o", files.out, "--epochs", "many"},
      {"train", files.net, set, "-o", files.out, "--goal", "0.1x"},
      {"train", files.net, set, "-o", files.out, "--cycles", "-1"},
      {"train", files.net, set, "-o", files.out, "--ga-pop", "0"},
      {"train", files.net, set, "-o", files.out, "--sa-from", "0"},
      {"train", files.net, set, "-o", files.out, "--progress"},
  };
  for (const auto& words : wrong) {
    const CliRun run = Cli(words);
    EXPECT_EQ(run.status, 2) << words.back();
    EXPECT_EQ(run.out, "");
  }
  EXPECT_FALSE(std::filesystem::exists(files.out));
}

TEST(TrainCommand, MissingFilesExitOneWithTheSystemText) {
  Files files;
  MakeNetwork(files, "2");
  const auto missing = files.dir.File("none.csv");
  Matrix probe;
  std::string systemText = platform::Utf16ToUtf8(probe.LoadCsv(missing));
  while (!systemText.empty() && (systemText.back() == '\n' || systemText.back() == '\r'))
    systemText.pop_back();
  const CliRun noSet = Cli({"train", files.net, Utf8(missing), "-o", files.out});
  EXPECT_EQ(noSet.status, 1);
  EXPECT_EQ(noSet.err, systemText + "\n");
  const CliRun noNet = Cli({"train", Utf8(files.dir.File("none.tsn")), Utf8(files.set), "-o", files.out});
  EXPECT_EQ(noNet.status, 1);
  EXPECT_FALSE(noNet.err.empty());
  const auto narrow = files.dir.Write("narrow.csv", "1\r\n2\r\n");
  const CliRun wrongWidth = Cli({"train", files.net, Utf8(narrow), "-o", files.out});
  EXPECT_EQ(wrongWidth.status, 1);
  EXPECT_EQ(wrongWidth.err, "The number of columns in the training set is incorrect\n");
  EXPECT_FALSE(std::filesystem::exists(files.out));
}

TEST(TrainCommand, WritesTheProgressFileAndTheReportOfTheFinalDashboard) {
  Files files;
  MakeNetwork(files, "4");
  const std::string progress = Utf8(files.dir.File("progress.csv"));
  const std::string report = Utf8(files.dir.File("report.htm"));
  const CliRun run =
      Cli({"train", files.net, Utf8(files.set), "-o", files.out, "--method", "lm", "--goal", "0.05",
           "--attempts", "1", "--progress-file", progress, "--report", report, "--quiet"});
  ASSERT_EQ(run.status, 0) << run.err;
  ASSERT_EQ(run.out.rfind("Training Successful!\nmse: ", 0), 0u) << run.out;
  const std::string lines = TempDir::Read(progress);
  ASSERT_GE(lines.size(), 4u);
  EXPECT_EQ(lines.substr(lines.size() - 4), std::string("\r\0\n\0", 4));
  EXPECT_EQ(lines[1], '\0');
  const std::string page = TempDir::Read(report);
  ASSERT_GE(page.size(), 2u);
  EXPECT_EQ(page.substr(0, 2), "\xFF\xFE");
  std::string ascii;
  for (std::size_t i = 2; i < page.size(); i += 2) ascii += page[i];
  // Saving the network named the title after the file, when its path has
  // the backslash the title looks for.
  const std::string name = files.out.find('\\') != std::string::npos ? "out.tsn" : "";
  EXPECT_NE(ascii.find("<H3>Tessarion 3.1 - " + name + "</H3>"), std::string::npos);
  EXPECT_NE(ascii.find("1 : 4T : 1L"), std::string::npos);
  EXPECT_NE(ascii.find(">Met Goal?</td>\r\n<td class=\"dataTd\"  width=\"50%\">YES!!!</td>"),
            std::string::npos);
  EXPECT_NE(ascii.find(">Levenberg Marquardt<"), std::string::npos);
}
