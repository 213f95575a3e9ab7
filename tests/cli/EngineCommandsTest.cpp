#include <gtest/gtest.h>

#include <sstream>

#include "cli/Command.h"
#include "net/LayerNet2.h"
#include "support/CliRunner.h"
#include "support/TempDir.h"

namespace {

TEST(EngineCommands, NetNewWritesTheDescribedNetwork) {
  TempDir dir;
  const auto set = dir.Write("set.csv", "1,2,0.5\n3,4,0.7\n5,1,0.2\n");
  const std::string net = Utf8(dir.File("n.tsn"));
  const CliRun made =
      Cli({"net-new", net, "--inputs", "2", "--outputs", "1", "--hidden1", "3", "--act1", "tanh", "--out-act",
           "linear", "--scale-from", Utf8(set), "--in-scale", "2=1:0:8"});
  ASSERT_EQ(made.status, 0) << made.err;
  LayerNet2 loaded;
  ASSERT_EQ(loaded.Load(dir.File("n.tsn")), nullptr);
  EXPECT_EQ(loaded.Hidden1Size(), 3);
  EXPECT_EQ(loaded.InputScaler().GetEntry(0).max, 5.0);
  EXPECT_EQ(loaded.InputScaler().GetEntry(0).method, 2u);
  EXPECT_EQ(loaded.InputScaler().GetEntry(1).max, 8.0);
  EXPECT_EQ(loaded.OutputScaler().GetEntry(0).min, 0.2);
  EXPECT_EQ(loaded.OutputScaler().GetEntry(0).method, 3u);

  const CliRun info = Cli({"info", net});
  ASSERT_EQ(info.status, 0);
  EXPECT_NE(info.out.find("Structure: 2 : 3T : 1L\n"), std::string::npos);
  EXPECT_NE(info.out.find("Weights: 13\n"), std::string::npos);
  EXPECT_NE(info.out.find("  2  [0.1     0.9]  [0      8]\n"), std::string::npos);

  const CliRun analyze = Cli({"analyze", Utf8(set), "--net", net});
  ASSERT_EQ(analyze.status, 0) << analyze.err;
  EXPECT_NE(analyze.out.find("in 1 - OK\t0\t0.81\t-0.9\t0.9\tOK\n"), std::string::npos) << analyze.out;
  const CliRun raw = Cli({"analyze", Utf8(set), "--raw"});
  EXPECT_NE(raw.out.find("1\t3\t4\t1\t5\n"), std::string::npos) << raw.out;
}

TEST(EngineCommands, NetNewUsesTheDialogsChecks) {
  TempDir dir;
  const std::string net = Utf8(dir.File("n.tsn"));
  const CliRun complex = Cli({"net-new", net, "--inputs", "2", "--outputs", "1", "--complex"});
  EXPECT_EQ(complex.status, 0);
  const CliRun noOutputs = Cli({"net-new", net, "--inputs", "2", "--outputs", "0"});
  EXPECT_EQ(noOutputs.status, 1);
  EXPECT_EQ(noOutputs.err, "The number of outputs must be greater than zero\n");
  EXPECT_EQ(Cli({"net-new", net, "--inputs", "2"}).status, 2);
  EXPECT_EQ(Cli({"net-new", net, "--inputs", "2", "--outputs", "1", "--act1", "linear"}).status, 2);
  EXPECT_EQ(Cli({"net-new", net, "--inputs", "2", "--outputs", "1", "--in-scale", "3=1:0:1"}).status, 2);
  const auto wide = dir.Write("wide.csv", "1,2,3,4\n");
  const CliRun wrongSet =
      Cli({"net-new", net, "--inputs", "2", "--outputs", "1", "--scale-from", Utf8(wide)});
  EXPECT_EQ(wrongSet.err, "The number of columns in the training set is incorrect\n");
}

TEST(EngineCommands, SimulateAndClassifyRunTheFileOperations) {
  TempDir dir;
  const std::string net = Utf8(dir.File("c.tsn"));
  ASSERT_EQ(
      Cli({"net-new", net, "--inputs", "1", "--outputs", "2", "--style", "classifier", "--out-act", "linear"})
          .status,
      0);
  const auto in = dir.Write("in.csv", "1\n2\n");
  const CliRun simulated = Cli({"simulate", net, Utf8(in), Utf8(dir.File("out.csv"))});
  ASSERT_EQ(simulated.status, 0) << simulated.err;
  EXPECT_EQ(TempDir::Read(dir.File("out.csv")),
            "0.00000000000000,0.00000000000000\r\n0.00000000000000,0.00000000000000");
  ASSERT_EQ(Cli({"simulate", net, Utf8(in), Utf8(dir.File("out.dat")), "--binary-out"}).status, 0);
  EXPECT_EQ(TempDir::Read(dir.File("out.dat")).size(), 32u);
  ASSERT_EQ(Cli({"classify", net, Utf8(in), Utf8(dir.File("classes.csv"))}).status, 0);
  EXPECT_EQ(TempDir::Read(dir.File("classes.csv")), "1\r\n1\r\n");

  const CliRun wrong = Cli({"simulate", net, Utf8(dir.Write("two.csv", "1,2\n")), Utf8(dir.File("o.csv"))});
  EXPECT_EQ(wrong.status, 1);
  EXPECT_EQ(wrong.err, "The input file has 2 columns and the network requires 1\n");
  const CliRun notNet = Cli({"simulate", Utf8(in), Utf8(in), Utf8(dir.File("o.csv"))});
  EXPECT_EQ(notNet.status, 1);
  EXPECT_EQ(Cli({"classify", net, Utf8(in)}).status, 2);
}

}  // namespace
