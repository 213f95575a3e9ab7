#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstring>

#include "net/LayerNet2.h"
#include "numerics/NumberText.h"
#include "support/CliRunner.h"
#include "support/TempDir.h"

namespace {

// Gives the network in `path` the weights `values` (output layer first).
void SetWeightsInFile(const std::filesystem::path& path, const std::vector<double>& values) {
  LayerNet2 net;
  ASSERT_EQ(net.Load(path), nullptr);
  ASSERT_EQ(net.WeightCount(), static_cast<std::int32_t>(values.size()));
  Vector w(net.WeightCount());
  for (std::size_t i = 0; i < values.size(); ++i) w[static_cast<std::int32_t>(i)] = values[i];
  net.SetWeights(w);
  ASSERT_EQ(net.Save(path), nullptr);
}

// The outputs the network in `path` gives for the raw complex inputs, one
// row per input row, unscaled and written as the simulation writes them.
std::string ExpectedSimulation(const std::filesystem::path& path, const Matrix& raw) {
  LayerNet2 net;
  EXPECT_EQ(net.Load(path), nullptr);
  std::string text;
  for (std::int32_t r = 0; r < raw.Rows(); ++r) {
    Matrix row(1, raw.Cols());
    for (std::int32_t c = 0; c < raw.Cols(); ++c) row[0][c] = net.InputScaler().Scale(raw[r][c], c / 2);
    net.Forward(row, 0);
    const Scaler& unscaler = net.Style() == kOutputEqualsInput ? net.InputScaler() : net.OutputScaler();
    for (std::int32_t k = 0; k < 2 * net.Outputs(); ++k) {
      char number[64];
      *numbertext::FormatFixed14(unscaler.Unscale(net.OutputLayer()->Output()[0][k], k / 2), number) = 0;
      text += number;
      text += k + 1 < 2 * net.Outputs() ? "," : r + 1 < raw.Rows() ? "\r\n" : "";
    }
  }
  return text;
}

std::vector<double> Weights(int count) {
  std::vector<double> w(count);
  for (int i = 0; i < count; ++i) w[i] = 0.3 * ((i * 7 % 11) - 5);
  return w;
}

TEST(ComplexCommands, NetNewAndInfoDescribeAComplexNetwork) {
  TempDir dir;
  // Input 1 spans columns 1 and 2 (-1 to 3), output 1 columns 5 and 6 (0.1 to 0.9).
  const auto set = dir.Write("set.csv", "1,2,0.5,0.25,0.3,0.6\n-1,3,0.2,-0.5,0.1,0.9\n");
  const std::string net = Utf8(dir.File("c.tsn"));
  const CliRun made = Cli({"net-new", net, "--inputs", "2", "--hidden1", "3", "--act1", "tanh", "--outputs",
                           "1", "--out-act", "linear", "--complex", "--scale-from", Utf8(set)});
  ASSERT_EQ(made.status, 0) << made.err;
  const CliRun info = Cli({"info", net});
  ASSERT_EQ(info.status, 0) << info.err;
  for (const char* line :
       {"Structure: 2 : 3T : 1L\n", "Domain: Complex\n", "Weights: 26\n", "  1  [-0.9    0.9]  [-1      3]\n",
        "  2  [-0.9    0.9]  [-0.5      0.5]\n", "  1  [-3.0    3.0]  [0.1      0.9]\n"})
    EXPECT_NE(info.out.find(line), std::string::npos) << line << info.out;

  // The complex flag gives a network without hidden layer one hidden neuron,
  // as the dialog does.
  ASSERT_EQ(Cli({"net-new", net, "--inputs", "2", "--outputs", "1", "--complex"}).status, 0);
  EXPECT_NE(Cli({"info", net}).out.find("Structure: 2 : 1S : 1S\n"), std::string::npos);
}

TEST(ComplexCommands, SimulateWritesBothPartsOfEveryOutput) {
  struct Case {
    const char* style;
    const char* set;
  } cases[] = {{"generic", "1,2,0.5,0.25,3,-1,0.1,0.2\n-1,3,0.2,-0.5,5,1,-0.3,0.4\n"},
               {"autoassociative", "1,2,0.5,0.25\n-1,3,0.2,-0.5\n"}};
  for (const Case& c : cases) {
    TempDir dir;
    const auto set = dir.Write("set.csv", c.set);
    const auto net = dir.File("c.tsn");
    ASSERT_EQ(Cli({"net-new", Utf8(net), "--inputs", "2", "--hidden1", "3", "--outputs", "2", "--out-act",
                   "linear", "--style", c.style, "--complex", "--scale-from", Utf8(set)})
                  .status,
              0);
    SetWeightsInFile(net, Weights(2 * 8 + 3 * 6));
    const Matrix raw = [] {
      Matrix m(3, 4);
      const double values[3][4] = {{1, 2, 0.5, 0.25}, {-1, 3, 0.2, -0.5}, {0.5, -2, 0.0, 1.0}};
      for (int r = 0; r < 3; ++r)
        for (int k = 0; k < 4; ++k) m[r][k] = values[r][k];
      return m;
    }();
    const auto in = dir.Write("in.csv", "1,2,0.5,0.25\n-1,3,0.2,-0.5\n0.5,-2,0,1\n");
    const CliRun text = Cli({"simulate", Utf8(net), Utf8(in), Utf8(dir.File("out.csv"))});
    ASSERT_EQ(text.status, 0) << text.err;
    const std::string expected = ExpectedSimulation(net, raw);
    EXPECT_EQ(TempDir::Read(dir.File("out.csv")), expected) << c.style;
    EXPECT_NE(expected.find("\r\n"), std::string::npos);

    // Binary both ways: 4 doubles in and 4 out per row.
    ASSERT_EQ(Cli({"simulate", Utf8(net), Utf8(in), Utf8(dir.File("out.dat")), "--binary-out"}).status, 0);
    EXPECT_EQ(TempDir::Read(dir.File("out.dat")).size(), 3u * 4 * sizeof(double));
    std::string rawBytes(sizeof(double) * 12, '\0');
    std::memcpy(rawBytes.data(), raw[0], sizeof(double) * 4);
    std::memcpy(rawBytes.data() + 32, raw[1], sizeof(double) * 4);
    std::memcpy(rawBytes.data() + 64, raw[2], sizeof(double) * 4);
    const auto binaryIn = dir.Write("in.dat", rawBytes);
    ASSERT_EQ(Cli({"simulate", Utf8(net), Utf8(binaryIn), Utf8(dir.File("again.csv")), "--binary-in"}).status,
              0);
    EXPECT_EQ(TempDir::Read(dir.File("again.csv")), expected);

    const CliRun wrong =
        Cli({"simulate", Utf8(net), Utf8(dir.Write("two.csv", "1,2\n")), Utf8(dir.File("o.csv"))});
    EXPECT_EQ(wrong.status, 1);
    EXPECT_EQ(wrong.err, "The input file has 2 columns and the network requires 4\n");
  }
}

TEST(ComplexCommands, ClassifyDecidesOnTheMeanOfBothParts) {
  TempDir dir;
  const auto net = dir.File("k.tsn");
  ASSERT_EQ(Cli({"net-new", Utf8(net), "--inputs", "1", "--hidden1", "1", "--outputs", "2", "--out-act",
                 "linear", "--style", "classifier", "--complex"})
                .status,
            0);
  // Hidden neuron h = (S(u), S(v)); output 1 = h - (0.5 + 0.5i), output 2 its negative.
  SetWeightsInFile(net, {1, 0, -0.5, -0.5, -1, 0, 0.5, 0.5, 1, 0, 0, 0});
  const auto in = dir.Write("in.csv", "2,1\n-2,-1\n0,0\n1,-3\n");
  const CliRun run = Cli({"classify", Utf8(net), Utf8(in), Utf8(dir.File("classes.csv"))});
  ASSERT_EQ(run.status, 0) << run.err;
  // (0, 0) ties at the linear threshold 0: the first class wins. (1, -3):
  // S(1) + S(-3) < 1, so output 2 leads.
  EXPECT_EQ(TempDir::Read(dir.File("classes.csv")), "1\r\n2\r\n1\r\n2\r\n");
  const CliRun wrong =
      Cli({"classify", Utf8(net), Utf8(dir.Write("one.csv", "1\n")), Utf8(dir.File("o.csv"))});
  EXPECT_EQ(wrong.err, "The input file has 1 columns and the network requires 2\n");
}

TEST(ComplexCommands, AnalyzeReportsBothPartsOfEveryColumn) {
  TempDir dir;
  const auto set = dir.Write("set.csv", "1,2,0.5,0.25,1\n-1,3,0.2,-0.5,2\n");
  const std::string net = Utf8(dir.File("k.tsn"));
  ASSERT_EQ(Cli({"net-new", net, "--inputs", "2", "--hidden1", "2", "--outputs", "2", "--style", "classifier",
                 "--complex", "--scale-from", Utf8(set)})
                .status,
            0);
  const CliRun analyze = Cli({"analyze", Utf8(set), "--net", net});
  ASSERT_EQ(analyze.status, 0) << analyze.err;
  // Entry 1 scales columns 1 and 2 together from [-1, 3] onto [-0.9, 0.9].
  for (const char* line :
       {"Re[in 1] - OK\t-0.45\t0.405\t-0.9\t0\tOK\n", "Im[in 1] - OK\t0.675\t0.10125\t0.45\t0.9\tOK\n",
        "class OK\t1.5\t0.5\t1\t2\tOK\n"})
    EXPECT_NE(analyze.out.find(line), std::string::npos) << line << analyze.out;

  // A complex set is never taken as a feature-selection set: a wider one is refused.
  const auto wide = dir.Write("wide.csv", "1,2,0.5,0.25,1,7\n-1,3,0.2,-0.5,2,8\n");
  const CliRun refused = Cli({"analyze", Utf8(wide), "--net", net});
  EXPECT_EQ(refused.status, 1);
  EXPECT_EQ(refused.err, "The number of columns in the training set is incorrect\n");
}

// y = (0.6 - 0.4i) x + (0.1 + 0.2i) over 40 inputs, as CSV text.
std::string ComplexMapCsv(bool withTargets) {
  std::string text;
  for (int r = 0; r < 40; ++r) {
    const double u = 0.8 * std::sin(1.7 * r + 0.4), v = 0.8 * std::cos(2.9 * r + 1.1);
    char line[160];
    if (withTargets)
      std::snprintf(line, sizeof line, "%.6f,%.6f,%.6f,%.6f\n", u, v, 0.6 * u + 0.4 * v + 0.1,
                    0.6 * v - 0.4 * u + 0.2);
    else
      std::snprintf(line, sizeof line, "%.6f,%.6f\n", u, v);
    text += line;
  }
  return text;
}

// The squared error of a simulation output against the map's targets.
double SimulationError(const std::filesystem::path& output, const Matrix& set) {
  Matrix simulated;
  EXPECT_EQ(simulated.LoadCsv(output), nullptr);
  EXPECT_EQ(simulated.Rows(), set.Rows());
  EXPECT_EQ(simulated.Cols(), 2);
  double sum = 0.0;
  for (std::int32_t r = 0; r < simulated.Rows(); ++r)
    for (int k = 0; k < 2; ++k) sum += std::pow(simulated[r][k] - set[r][2 + k], 2);
  return sum;
}

TEST(ComplexCommands, TrainFitsAComplexMapWithEachOptimiser) {
  for (const char* method : {"cg", "lm", "vm"}) {
    TempDir dir;
    const auto set = dir.Write("map.csv", ComplexMapCsv(true));
    const auto inputs = dir.Write("inputs.csv", ComplexMapCsv(false));
    const std::string net = Utf8(dir.File("m.tsn")), trained = Utf8(dir.File("trained.tsn"));
    ASSERT_EQ(Cli({"net-new", net, "--inputs", "1", "--hidden1", "2", "--act1", "tanh", "--outputs", "1",
                   "--out-act", "linear", "--complex", "--scale-from", Utf8(set)})
                  .status,
              0);
    const CliRun run = Cli({"train", net, Utf8(set), "-o", trained, "--method", method, "--epochs", "300",
                            "--goal", "1e-7", "--sa-temps", "5", "--sa-iters", "20", "--quiet"});
    ASSERT_EQ(run.status, 0) << method << run.err;
    EXPECT_EQ(run.out.rfind("Training ", 0), 0u) << run.out;
    EXPECT_NE(run.out.find("mse: "), std::string::npos) << run.out;
    EXPECT_NE(Cli({"info", trained}).out.find("Domain: Complex\n"), std::string::npos);

    Matrix targets;
    ASSERT_EQ(targets.LoadCsv(set), nullptr);
    ASSERT_EQ(Cli({"simulate", net, Utf8(inputs), Utf8(dir.File("before.csv"))}).status, 0);
    ASSERT_EQ(Cli({"simulate", trained, Utf8(inputs), Utf8(dir.File("after.csv"))}).status, 0);
    const double before = SimulationError(dir.File("before.csv"), targets);
    const double after = SimulationError(dir.File("after.csv"), targets);
    EXPECT_LT(after, 1e-3 * before) << method;
  }
}

TEST(ComplexCommands, TrainedComplexClassifierClassifiesItsSet) {
  TempDir dir;
  std::string text, inputs, classes;
  for (int r = 0; r < 40; ++r) {
    const double u = std::sin(1.3 * r + 0.2), v = std::cos(2.1 * r + 0.7);
    const int c = u - v > 0.0 ? 1 : 2;
    char line[96];
    std::snprintf(line, sizeof line, "%.6f,%.6f", u, v);
    inputs += std::string(line) + "\n";
    text += std::string(line) + "," + std::to_string(c) + "\n";
    classes += std::to_string(c) + "\r\n";
  }
  const auto set = dir.Write("cls.csv", text);
  const std::string net = Utf8(dir.File("k.tsn")), trained = Utf8(dir.File("trained.tsn"));
  ASSERT_EQ(Cli({"net-new", net, "--inputs", "1", "--hidden1", "3", "--act1", "tanh", "--outputs", "2",
                 "--style", "classifier", "--complex", "--scale-from", Utf8(set)})
                .status,
            0);
  const CliRun run = Cli({"train", net, Utf8(set), "-o", trained, "--method", "lm", "--epochs", "200",
                          "--sa-temps", "5", "--sa-iters", "20", "--quiet"});
  ASSERT_EQ(run.status, 0) << run.err;
  ASSERT_EQ(Cli({"classify", trained, Utf8(dir.Write("in.csv", inputs)), Utf8(dir.File("out.csv"))}).status,
            0);
  EXPECT_EQ(TempDir::Read(dir.File("out.csv")), classes);
}

}  // namespace
