#include <gtest/gtest.h>

#include <cmath>

#include "net/LayerNet3.h"
#include "support/NetworkBuilders.h"

namespace {

// One layer evaluated the plain way: each neuron's sum in input order, then
// its bias, then the activation.
std::vector<double> PlainLayer(const Layer& layer, const std::vector<double>& x) {
  const Matrix& w = layer.Weights();
  std::vector<double> y(w.Rows());
  for (std::int32_t i = 0; i < w.Rows(); ++i) {
    double s = 0.0;
    for (std::int32_t k = 0; k < layer.Inputs(); ++k) s += w[i][k] * x[k];
    y[i] = layer.GetActivation()->Evaluate(s + w[i][layer.Inputs()]);
  }
  return y;
}

TEST(LayerNet, CreateBuildsTheLayersOfEachKind) {
  LayerNet1 net1;
  LayerNet2 net2;
  LayerNet3 net3;
  ASSERT_TRUE(net1.Create(MakeSetup(3, 0, 0, 2, 0, 0, 2), true));
  ASSERT_TRUE(net2.Create(MakeSetup(4, 5, 0, 2, 1, 0, 0), true));
  ASSERT_TRUE(net3.Create(MakeSetup(2, 3, 4, 1, 0, 1, 1, kClassifier), true));
  EXPECT_EQ(net1.WeightCount(), 2 * 4);
  EXPECT_EQ(net2.WeightCount(), 5 * 5 + 2 * 6);
  EXPECT_EQ(net3.WeightCount(), 3 * 3 + 4 * 4 + 1 * 5);
  EXPECT_EQ(net3.Hidden2Size(), 4);
  EXPECT_EQ(net2.Hidden2Size(), 0);
  EXPECT_EQ(net3.Confusion().Rows(), 2);
  EXPECT_EQ(net3.InputScaler().Count(), 2);
  EXPECT_EQ(net3.OutputScaler().Count(), 0);
  EXPECT_EQ(net2.OutputScaler().Count(), 2);
  EXPECT_EQ(net2.Mse(), 1e100);

  networkSetup back;
  net3.GetSetup(back);
  const networkSetup expected = MakeSetup(2, 3, 4, 1, 0, 1, 1, kClassifier);
  EXPECT_EQ(back.hidden1, 3);
  EXPECT_EQ(back.hidden2, 4);
  EXPECT_EQ(back.hidden2Activation, 1);
  EXPECT_EQ(back.outputActivation, 1);
  EXPECT_EQ(back.style, expected.style);
  EXPECT_TRUE(back.MagicIs(u"Tessarion File"));
  net2.GetSetup(back);
  EXPECT_EQ(back.hidden2, 0);
  EXPECT_EQ(back.hidden1Activation, 1);

  net3.Destroy();
  EXPECT_FALSE(net3.HasNetwork());
  EXPECT_EQ(net3.WeightCount(), 0);
  EXPECT_EQ(net3.Inputs(), 0);
}

TEST(LayerNet, CreateRefusesDescriptionsItCannotBuild) {
  const networkSetup refused[] = {
      MakeSetup(0, 0, 0, 1, 0, 0, 0),    MakeSetup(2, 0, 0, 0, 0, 0, 0),
      MakeSetup(2, 0, 0, 1, 0, 0, 3),    MakeSetup(2, 3, 0, 1, 2, 0, 0),
      MakeSetup(2, 3, 0, 1, 0, 0, 0, 3), MakeSetup(2, 3, 0, 3, 0, 0, 0, kOutputEqualsInput),
      MakeSetup(-2, 3, 0, 1, 0, 0, 0),   MakeSetup(2, 3, 0, 1, 0, 0, -1),
  };
  for (const networkSetup& setup : refused) {
    LayerNet2 net;
    ASSERT_TRUE(net.Create(MakeSetup(1, 1, 0, 1, 0, 0, 0), true));
    EXPECT_FALSE(net.Create(setup, true));
    EXPECT_FALSE(net.HasNetwork());
  }
  networkSetup kohonen = MakeSetup(2, 3, 0, 1, 0, 0, 0);
  kohonen.family = 2;
  LayerNet1 net1;
  LayerNet2 net2;
  LayerNet3 net3;
  EXPECT_FALSE(net2.Create(kohonen, true));
  EXPECT_FALSE(net1.Create(MakeSetup(2, 0, 0, 1, 0, 0, 0, kGeneric, true), true));
  EXPECT_FALSE(net1.Create(MakeSetup(2, 3, 0, 1, 0, 0, 0), true));
  EXPECT_FALSE(net3.Create(MakeSetup(2, 3, 2, 1, 0, 0, 0, kGeneric, true), true));
  EXPECT_TRUE(net2.Create(MakeSetup(2, 3, 0, 1, 0, 0, 0, kGeneric, true), true));
}

TEST(LayerNet, ForwardEqualsThePlainEvaluation) {
  LayerNet3 net;
  ASSERT_TRUE(net.Create(MakeSetup(16, 11, 6, 4, 1, 0, 2), true));
  FillWeights(net);
  Matrix set(3, 16);
  for (int r = 0; r < 3; ++r)
    for (int c = 0; c < 16; ++c) set[r][c] = std::sin(r * 16 + c);
  for (int r = 0; r < 3; ++r) {
    net.Forward(set, r);
    std::vector<double> x(set[r], set[r] + 16);
    const auto y = PlainLayer(*net.OutputLayer(), PlainLayer(*net.Hidden2(), PlainLayer(*net.Hidden1(), x)));
    for (int k = 0; k < 4; ++k) EXPECT_EQ(net.OutputLayer()->Output()[0][k], y[k]);
  }
}

TEST(LayerNet, EveryLayerWidthEqualsThePlainEvaluation) {
  for (int inputs : {1, 2, 5, 16}) {
    for (int neurons : {1, 2, 3, 7, 8, 9, 17}) {
      LayerNet2 net;
      ASSERT_TRUE(net.Create(MakeSetup(inputs, neurons, 0, 3, 0, 0, 0), true));
      FillWeights(net);
      Matrix set(1, inputs);
      for (int c = 0; c < inputs; ++c) set[0][c] = std::cos(3.0 * c + neurons);
      net.Forward(set, 0);
      const auto hidden = PlainLayer(*net.Hidden1(), std::vector<double>(set[0], set[0] + inputs));
      for (int i = 0; i < neurons; ++i)
        EXPECT_EQ(net.Hidden1()->Output()[0][i], hidden[i]) << inputs << " " << i;
    }
  }
}

TEST(LayerNet, ComplexNeuronMultipliesInTheComplexPlane) {
  LayerNet2 net;
  ASSERT_TRUE(net.Create(MakeSetup(1, 1, 0, 1, 0, 0, 2, kGeneric, true), true));
  Matrix& w = const_cast<Matrix&>(net.Hidden1()->Weights());
  w[0][0] = 1.0;
  Matrix in = MakeMatrix({{0.0, 2.0}});
  net.Forward(in, 0);
  const LogsigTable logsig;
  EXPECT_EQ(net.Hidden1()->Output()[0][0], 0.5);
  EXPECT_EQ(net.Hidden1()->Output()[0][1], logsig.Evaluate(2.0));

  // Zero hidden weights give (0.5, 0.5); (0.5 + 0.5i)(3 - i) + (0.5 + 0.25i) = 2.5 + 1.25i.
  LayerNet2 wide;
  ASSERT_TRUE(wide.Create(MakeSetup(1, 1, 0, 1, 0, 0, 2, kGeneric, true), true));
  Vector weights(wide.WeightCount());
  const double values[] = {3.0, -1.0, 0.5, 0.25, 0.0, 0.0, 0.0, 0.0};  // output, then hidden
  for (int i = 0; i < 8; ++i) weights[i] = values[i];
  EXPECT_EQ(wide.SetWeights(weights), 8);
  wide.Forward(in, 0);
  EXPECT_EQ(wide.OutputLayer()->Output()[0][0], 2.5);
  EXPECT_EQ(wide.OutputLayer()->Output()[0][1], 1.25);
}

TEST(LayerNet, WeightVectorsRunFromTheOutputLayerInward) {
  LayerNet2 net;
  ASSERT_TRUE(net.Create(MakeSetup(2, 2, 0, 1, 0, 0, 2), true));
  Vector w(net.WeightCount());
  for (int i = 0; i < w.Length(); ++i) w[i] = i + 1;
  EXPECT_EQ(net.SetWeights(w), 9);
  EXPECT_EQ(net.OutputLayer()->Weights()[0][0], 1);
  EXPECT_EQ(net.OutputLayer()->Weights()[0][2], 3);
  EXPECT_EQ(net.Hidden1()->Weights()[0][0], 4);
  EXPECT_EQ(net.Hidden1()->Weights()[1][2], 9);
  net.AddScaled(0.5, w);
  Vector back;
  EXPECT_EQ(net.GetWeights(back), 9);
  for (int i = 0; i < 9; ++i) EXPECT_EQ(back[i], 1.5 * (i + 1));

  WeightSnapshot a, b, c;
  ASSERT_TRUE(net.AllocateSnapshots(a, b, c));
  EXPECT_EQ(a.hidden1.Rows(), 2);
  EXPECT_EQ(c.output.Cols(), 3);
  EXPECT_EQ(a.hidden2.Rows(), 0);
  EXPECT_EQ(a.mse, 1.0);
  net.SetMse(0.25);
  net.SaveSnapshot(a);
  net.ZeroWeights();
  net.SetMse(3.0);
  net.GetWeights(back);
  EXPECT_EQ(back[8], 0.0);
  net.RestoreSnapshot(a);
  EXPECT_EQ(net.Mse(), 0.25);
  net.GetWeights(back);
  EXPECT_EQ(back[8], 13.5);
}

// A linear 1:1 network y = w x + b makes every error easy to state.
struct MseCase {
  int outputActivation;
  int style;
  bool complex;
  std::vector<std::vector<double>> rows;
  double expected;
};

TEST(LayerNet, ComputeMseByStyleAndDomain) {
  const LinearActivation l;
  const MseCase cases[] = {
      // Generic: y = x, targets 1 and 3 against outputs 0 and 2.
      {2, kGeneric, false, {{0, 1}, {2, 3}}, (1.0 + 1.0) / 2},
      // Output = Input: every output equals its target.
      {2, kOutputEqualsInput, false, {{0.5}, {2.0}}, 0.0},
      // Classifier with a linear output: targets 3 for class 1, -3 otherwise.
      {2, kClassifier, false, {{1.0, 1.0}, {1.0, 0.0}, {1.0, 1.9}}, (4.0 + 16.0 + 4.0) / 3},
  };
  for (const MseCase& c : cases) {
    LayerNet1 net;
    ASSERT_TRUE(net.Create(MakeSetup(1, 0, 0, 1, 0, 0, c.outputActivation, c.style, c.complex), true));
    Vector w(2);
    w[0] = 1.0;
    net.SetWeights(w);
    Matrix set(static_cast<int>(c.rows.size()), static_cast<int>(c.rows[0].size()));
    for (int r = 0; r < set.Rows(); ++r)
      for (int k = 0; k < set.Cols(); ++k) set[r][k] = c.rows[r][k];
    EXPECT_DOUBLE_EQ(net.ComputeMse(set), c.expected) << c.style;
  }
  EXPECT_EQ(l.Code(), 2);
}

TEST(LayerNet, TanhOutputsDivideTheMseByFourMore) {
  Matrix set = MakeMatrix({{0.2, 0.9}, {-0.4, -0.1}});
  LayerNet1 tanhNet, logsigNet;
  ASSERT_TRUE(tanhNet.Create(MakeSetup(1, 0, 0, 1, 0, 0, 1), true));
  ASSERT_TRUE(logsigNet.Create(MakeSetup(1, 0, 0, 1, 0, 0, 0), true));
  const double tanhMse = tanhNet.ComputeMse(set);
  const double logsigMse = logsigNet.ComputeMse(set);
  // Zero weights: tanh outputs 0, logsig outputs 0.5.
  EXPECT_DOUBLE_EQ(tanhMse, (0.81 + 0.01) / 8);
  EXPECT_DOUBLE_EQ(logsigMse, (0.16 + 0.36) / 2);
}

TEST(LayerNet, ComplexMseComparesBothParts) {
  LayerNet2 net;
  ASSERT_TRUE(net.Create(MakeSetup(1, 1, 0, 1, 0, 0, 2, kClassifier, true), true));
  // Zero weights: the hidden layer gives (0.5, 0.5), the linear output (0, 0).
  Matrix set = MakeMatrix({{1.0, 2.0, 1.0}, {1.0, 2.0, 0.0}});
  EXPECT_DOUBLE_EQ(net.ComputeMse(set), (9.0 + 9.0 + 9.0 + 9.0) / 2);
  EXPECT_EQ(net.ColumnCount(true), 3);
  EXPECT_EQ(net.ColumnCount(false), 2);
}

TEST(LayerNet, ClassDecisionTakesTheFirstLargestAboveTheThreshold) {
  struct Case {
    int activation;
    std::vector<double> biases;
    int expected;
  } cases[] = {
      {2, {0.2, 0.7, 0.7}, 2},     // ties: the lower class
      {2, {-0.2, -0.7, -0.1}, 0},  // linear threshold 0
      {2, {0.0, -1.0, -2.0}, 1},   // exactly at the threshold is accepted
  };
  for (const Case& c : cases) {
    LayerNet1 net;
    ASSERT_TRUE(net.Create(MakeSetup(1, 0, 0, 3, 0, 0, c.activation, kClassifier), true));
    Vector w(6);
    for (int k = 0; k < 3; ++k) w[2 * k + 1] = c.biases[k];
    net.SetWeights(w);
    Matrix in = MakeMatrix({{0.0, 1.0}});
    net.Forward(in, 0);
    EXPECT_EQ(net.ClassDecision(), c.expected);
  }
  // A largest output of 0.4 rejects under Logsig (threshold 0.5) but not under Tanh.
  for (int activation : {0, 1}) {
    LayerNet1 net;
    ASSERT_TRUE(net.Create(MakeSetup(1, 0, 0, 1, 0, 0, activation, kClassifier), true));
    Vector w(2);
    w[1] = activation == 0 ? std::log(0.4 / 0.6) : std::atanh(0.4) / 1.5;
    net.SetWeights(w);
    Matrix in = MakeMatrix({{0.0, 1.0}});
    net.Forward(in, 0);
    EXPECT_NEAR(net.OutputLayer()->Output()[0][0], 0.4, 1e-4);
    EXPECT_EQ(net.ClassDecision(), activation == 0 ? 0 : 1);
  }
  // Complex: (0.9, 0.1) has the value 0.5, not below the Logsig threshold.
  LayerNet2 complexNet;
  ASSERT_TRUE(complexNet.Create(MakeSetup(1, 1, 0, 1, 0, 0, 2, kClassifier, true), true));
  Vector w(complexNet.WeightCount());
  w[2] = 0.9 - 0.5;  // output bias pair after the weight pair; hidden output is (0.5, 0.5)
  w[3] = 0.1 - 0.5;
  w[0] = 1.0;
  complexNet.SetWeights(w);
  Matrix in = MakeMatrix({{0.0, 0.0}});
  complexNet.Forward(in, 0);
  const double* y = complexNet.OutputLayer()->Output()[0];
  EXPECT_DOUBLE_EQ(y[0], 0.9);
  EXPECT_DOUBLE_EQ(y[1], 0.1);
}

TEST(LayerNet, ScaleTrainingSetByStyle) {
  LayerNet2 complexNet;
  ASSERT_TRUE(complexNet.Create(MakeSetup(2, 1, 0, 1, 0, 0, 0, kGeneric, true), true));
  complexNet.InputScaler().Set(0, 0, 10, 1);
  complexNet.InputScaler().Set(1, 0, 1, 3);
  complexNet.OutputScaler().Set(0, 0, 2, 2);
  Matrix set = MakeMatrix({{5, 10, 0.5, 1, 1, 2}});
  complexNet.ScaleTrainingSet(set, -1);
  const double expected[] = {0.5, 0.9, 0.0, 3.0, 0.0, 0.9};
  for (int c = 0; c < 6; ++c) EXPECT_DOUBLE_EQ(set[0][c], expected[c]) << c;

  LayerNet1 classifier;
  ASSERT_TRUE(classifier.Create(MakeSetup(1, 0, 0, 2, 0, 0, 0, kClassifier), true));
  classifier.InputScaler().Set(0, 0, 10, 1);
  Matrix classes = MakeMatrix({{5, 2}});
  classifier.ScaleTrainingSet(classes, -1);
  EXPECT_DOUBLE_EQ(classes[0][0], 0.5);
  EXPECT_EQ(classes[0][1], 2.0);
}

}  // namespace
