#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

#include "net/LayerNet2.h"
#include "support/FaultEnv.h"
#include "support/NetworkBuilders.h"
#include "support/TempDir.h"

namespace {

std::u16string Text(Message m) { return m ? std::u16string(m) : u"(done)"; }

// y_k = x_0 + k through a linear output, scaled and unscaled on the way.
void MakeShifter(LayerNet1& net, int outputs, int style = kGeneric) {
  ASSERT_TRUE(net.Create(MakeSetup(1, 0, 0, outputs, 0, 0, 2, style), true));
  Vector w(net.WeightCount());
  for (int k = 0; k < outputs; ++k) {
    w[2 * k] = 1.0;
    w[2 * k + 1] = k;
  }
  net.SetWeights(w);
}

TEST(FileSimulation, TextOutputHasCommasLineBreaksAndNoFinalBreak) {
  TempDir dir;
  LayerNet1 net;
  MakeShifter(net, 2);
  net.OutputScaler().Set(1, 0, 6, 3);  // unscale (y + 3) / 1 + 0
  ASSERT_EQ(Text(net.SimulateFile(dir.Write("one.csv", "0.5\n"), dir.File("out.csv"), true, true)),
            u"(done)");
  EXPECT_EQ(TempDir::Read(dir.File("out.csv")), "0.50000000000000,4.50000000000000");
  ASSERT_EQ(Text(net.SimulateFile(dir.Write("two.csv", "1\n-2\n"), dir.File("out.csv"), true, true)),
            u"(done)");
  EXPECT_EQ(TempDir::Read(dir.File("out.csv")),
            "1.00000000000000,5.00000000000000\r\n-2.00000000000000,2.00000000000000");
}

TEST(FileSimulation, BinaryInAndOut) {
  TempDir dir;
  LayerNet1 net;
  MakeShifter(net, 2);
  net.InputScaler().Set(0, 0, 10, 1);
  std::string input;
  for (double v : {0.0, 5.0, 10.0}) input.append(reinterpret_cast<const char*>(&v), 8);
  ASSERT_EQ(Text(net.SimulateFile(dir.Write("in.dat", input), dir.File("out.dat"), false, false)), u"(done)");
  const std::string out = TempDir::Read(dir.File("out.dat"));
  ASSERT_EQ(out.size(), 48u);
  double values[6];
  std::memcpy(values, out.data(), 48);
  EXPECT_DOUBLE_EQ(values[0], 0.1);
  EXPECT_DOUBLE_EQ(values[3], 1.5);
  EXPECT_DOUBLE_EQ(values[5], 1.9);
}

TEST(FileSimulation, RefusalsAndFailures) {
  TempDir dir;
  LayerNet2 complexNet;
  ASSERT_TRUE(complexNet.Create(MakeSetup(2, 1, 0, 1, 0, 0, 0, kGeneric, true), true));
  EXPECT_EQ(
      Text(complexNet.SimulateFile(dir.Write("five.csv", "1,2,3,4,5\n"), dir.File("o.csv"), true, true)),
      u"The input file has 5 columns and the network requires 4");
  EXPECT_EQ(Text(complexNet.SimulateFile(dir.Write("tiny.dat", "abc"), dir.File("o.csv"), false, true)),
            u"The input file is empty");
  EXPECT_FALSE(std::filesystem::exists(dir.File("o.csv")));
  EXPECT_EQ(Text(complexNet.ClassifyFile(dir.Write("c.csv", "1,2,3\n"), dir.File("o.csv"))),
            u"The input file has 3 columns and the network requires 4");

  LayerNet1 net;
  MakeShifter(net, 1);
  const auto in = dir.Write("in.csv", "1\n2\n");
  {
    FaultEnv env;
    env.failCreateWith = u"denied";
    FaultEnv::Scoped scoped(env);
    EXPECT_EQ(Text(net.SimulateFile(in, dir.File("o.csv"), true, true)),
              u"The output file cannot be created");
    EXPECT_EQ(Text(net.ClassifyFile(in, dir.File("o.csv"))), u"The output file cannot be created");
  }
  FaultEnv env;
  env.writeBudget = 5;
  FaultEnv::Scoped scoped(env);
  EXPECT_EQ(Text(net.SimulateFile(in, dir.File("o.csv"), true, true)), u"Error writting file");
}

TEST(FileSimulation, LargeInputsStreamThroughInPieces) {
  TempDir dir;
  LayerNet1 net;
  MakeShifter(net, 1);
  std::string input;
  const int rows = 1200000;  // several read pieces
  for (int r = 0; r < rows; ++r) input += r % 2 ? "1.5\n" : "-2\n";
  const auto in = dir.Write("big.csv", input);
  ASSERT_EQ(Text(net.SimulateFile(in, dir.File("o.csv"), true, true)), u"(done)");
  const std::string out = TempDir::Read(dir.File("o.csv"));
  std::string expected;
  for (int r = 0; r < rows; ++r) {
    expected += r % 2 ? "1.50000000000000" : "-2.00000000000000";
    if (r + 1 < rows) expected += "\r\n";
  }
  EXPECT_TRUE(out == expected);

  // A read that fails after the rows began to stream leaves no output behind.
  FaultEnv env;
  env.readBudget = input.size() + 1000;
  FaultEnv::Scoped scoped(env);
  EXPECT_EQ(Text(net.SimulateFile(in, dir.File("cut.csv"), true, true)), u"Error reading file");
  EXPECT_FALSE(std::filesystem::exists(dir.File("cut.csv")));
}

TEST(FileSimulation, AutoassociativeOutputsUseTheInputScaler) {
  TempDir dir;
  LayerNet1 net;
  MakeShifter(net, 1, kOutputEqualsInput);
  net.InputScaler().Set(0, 0, 10, 1);
  ASSERT_EQ(Text(net.SimulateFile(dir.Write("in.csv", "5\n"), dir.File("o.csv"), true, true)), u"(done)");
  EXPECT_EQ(TempDir::Read(dir.File("o.csv")), "5.00000000000000");
}

TEST(FileSimulation, ClassifyWritesOneClassPerLine) {
  TempDir dir;
  LayerNet1 net;
  ASSERT_TRUE(net.Create(MakeSetup(1, 0, 0, 3, 0, 0, 0, kClassifier), true));
  // Logsig outputs from biases: rows x = 0 give 0.2, 0.7, 0.7; x = 1 shifts all below 0.5.
  Vector w(6);
  const double logit[] = {std::log(0.2 / 0.8), std::log(0.7 / 0.3), std::log(0.7 / 0.3)};
  for (int k = 0; k < 3; ++k) {
    w[2 * k] = -5.0;
    w[2 * k + 1] = logit[k];
  }
  net.SetWeights(w);
  ASSERT_EQ(Text(net.ClassifyFile(dir.Write("in.csv", "0\n1\n"), dir.File("o.csv"))), u"(done)");
  EXPECT_EQ(TempDir::Read(dir.File("o.csv")), "2\r\n0\r\n");
}

}  // namespace
