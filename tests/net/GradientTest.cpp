#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <memory>

#include "net/LayerNet3.h"
#include "support/NetworkBuilders.h"
#include "support/TrainingSets.h"

namespace {

struct Shape {
  int inputs, hidden1, hidden2, outputs, act1, act2, actOut, style;
};

// Every class, output activation and style, with both hidden activations.
const Shape kShapes[] = {
    {3, 0, 0, 2, 0, 0, 0, kGeneric},           {3, 0, 0, 2, 0, 0, 1, kGeneric},
    {3, 0, 0, 2, 0, 0, 2, kGeneric},           {3, 0, 0, 3, 0, 0, 0, kClassifier},
    {3, 0, 0, 3, 0, 0, 1, kOutputEqualsInput}, {2, 4, 0, 2, 0, 0, 0, kGeneric},
    {2, 4, 0, 2, 1, 0, 1, kGeneric},           {2, 4, 0, 1, 1, 0, 2, kGeneric},
    {3, 3, 0, 3, 0, 0, 2, kClassifier},        {2, 3, 0, 2, 1, 0, 1, kOutputEqualsInput},
    {2, 3, 4, 2, 0, 1, 0, kGeneric},           {2, 3, 2, 1, 1, 0, 1, kGeneric},
    {3, 2, 3, 2, 1, 1, 2, kGeneric},           {2, 3, 3, 3, 0, 0, 1, kClassifier},
    {3, 4, 2, 3, 1, 0, 2, kOutputEqualsInput},
};

std::unique_ptr<LayerNet1> MakeNet(const Shape& s) {
  std::unique_ptr<LayerNet1> net;
  if (s.hidden1 == 0)
    net = std::make_unique<LayerNet1>();
  else if (s.hidden2 == 0)
    net = std::make_unique<LayerNet2>();
  else
    net = std::make_unique<LayerNet3>();
  EXPECT_TRUE(net->Create(
      MakeSetup(s.inputs, s.hidden1, s.hidden2, s.outputs, s.act1, s.act2, s.actOut, s.style), true));
  Vector w(net->WeightCount());
  for (std::int32_t i = 0; i < w.Length(); ++i) w[i] = 0.6 * std::sin(1.3 * i + 0.5);
  net->SetWeights(w);
  return net;
}

std::string Describe(const Shape& s) {
  return std::to_string(s.inputs) + ":" + std::to_string(s.hidden1) + ":" + std::to_string(s.hidden2) + ":" +
         std::to_string(s.outputs) + " acts " + std::to_string(s.act1) + std::to_string(s.act2) +
         std::to_string(s.actOut) + " style " + std::to_string(s.style);
}

double MaxMagnitude(const Vector& v) {
  double m = 0.0;
  for (std::int32_t i = 0; i < v.Length(); ++i) m = std::max(m, std::fabs(v[i]));
  return m;
}

// The activations are table interpolations whose slope differs from the
// analytic derivative by a fraction of a percent; wrong factors or indices
// differ by far more.
constexpr double kRelative = 0.02;
constexpr double kStep = 1e-6;

// Lets the test run the row pass on a row of its choosing.
struct RowAccess : LayerNet1 {
  static const double* LayerNet1::*Row() { return &RowAccess::lmRow; }
};

}  // namespace

TEST(Gradient, MatchesCentralDifferencesOfTheMse) {
  for (const Shape& shape : kShapes) {
    auto net = MakeNet(shape);
    Matrix set = MakeTrainingSet(*net, 7);
    trainingProgress progress;
    net->Bind(&set, &progress, trainingSetup{});
    Vector g;
    const double mse = net->Gradient(g);
    EXPECT_EQ(mse, net->ComputeMse(set)) << Describe(shape);
    ASSERT_EQ(g.Length(), net->WeightCount());
    Vector w;
    net->GetWeights(w);
    const double tolerance = kRelative * MaxMagnitude(g) + 1e-9;
    for (std::int32_t i = 0; i < w.Length(); ++i) {
      Vector moved(w);
      moved[i] = w[i] + kStep;
      net->SetWeights(moved);
      const double up = net->ComputeMse(set);
      moved[i] = w[i] - kStep;
      net->SetWeights(moved);
      const double down = net->ComputeMse(set);
      // The gradient is that of the squared-error sum over rows (not over
      // outputs too): the mse's derivative times the number of outputs.
      EXPECT_NEAR(g[i], shape.outputs * (up - down) / (2 * kStep), tolerance)
          << Describe(shape) << " weight " << i;
    }
    net->SetWeights(w);
  }
}

TEST(Gradient, RepeatedCallsGiveTheSameVector) {
  auto net = MakeNet(kShapes[11]);
  Matrix set = MakeTrainingSet(*net, 9);
  net->Bind(&set, nullptr, trainingSetup{});
  Vector first, second;
  const double a = net->Gradient(first);
  const double b = net->Gradient(second);
  EXPECT_EQ(a, b);
  for (std::int32_t i = 0; i < first.Length(); ++i) EXPECT_EQ(first[i], second[i]);
}

TEST(Gradient, RowPassDerivativesMatchCentralDifferencesOfTheOutput) {
  const Shape shapes[] = {
      {3, 0, 0, 3, 0, 0, 1, kGeneric}, {2, 3, 0, 2, 1, 0, 0, kGeneric}, {2, 3, 2, 3, 0, 1, 2, kGeneric}};
  for (const Shape& shape : shapes) {
    auto net = MakeNet(shape);
    Matrix set = MakeTrainingSet(*net, 3);
    net->Bind(&set, nullptr, trainingSetup{});
    ASSERT_TRUE(net->PrepareOptimisation());
    const std::int32_t n = net->WeightCount();
    Vector w;
    net->GetWeights(w);
    for (std::int32_t k = 0; k < shape.outputs; ++k) {
      Matrix alpha(n, n);
      Vector beta(n);
      net->Forward(set, 1);
      (*net).*RowAccess::Row() = set[1];
      const double y = net->OutputLayer()->Output()[0][k];
      // A target one above the output makes beta (nearly) D itself.
      const double e = (y + 1.0) - y;
      EXPECT_EQ(net->AccumulateRow(k, y + 1.0, alpha, beta), e * e);
      double largest = MaxMagnitude(beta);
      for (std::int32_t i = 0; i < n; ++i) {
        Vector moved(w);
        moved[i] = w[i] + kStep;
        net->SetWeights(moved);
        net->Forward(set, 1);
        const double up = net->OutputLayer()->Output()[0][k];
        moved[i] = w[i] - kStep;
        net->SetWeights(moved);
        net->Forward(set, 1);
        const double down = net->OutputLayer()->Output()[0][k];
        EXPECT_NEAR(beta[i], (up - down) / (2 * kStep), kRelative * largest + 1e-9)
            << Describe(shape) << " output " << k << " weight " << i;
        for (std::int32_t j = 0; j <= i; ++j) {
          const double product = beta[i] / e * (beta[j] / e);
          ASSERT_NEAR(alpha[i][j], product, 1e-12 * std::fabs(product)) << i << "," << j;
        }
      }
      net->SetWeights(w);
    }
  }
}

TEST(Gradient, ErrorPassGivesTheMseAndASymmetricAlpha) {
  for (const Shape& shape : kShapes) {
    auto net = MakeNet(shape);
    Matrix set = MakeTrainingSet(*net, 6);
    net->Bind(&set, nullptr, trainingSetup{});
    net->SetKeepRunning(true);
    const std::int32_t n = net->WeightCount();
    Matrix alpha(n, n);
    Vector beta(n), g;
    const double e = net->ErrorAndDerivatives(alpha, beta);
    EXPECT_EQ(e, net->ComputeMse(set)) << Describe(shape);
    for (std::int32_t i = 0; i < n; ++i)
      for (std::int32_t j = 0; j < i; ++j) ASSERT_EQ(alpha[i][j], alpha[j][i]);
    // beta is the sum of (t - y) D: minus half the unscaled gradient.
    net->Gradient(g);
    const double rows = set.Rows() * (shape.actOut == 1 ? 4.0 : 1.0);
    ASSERT_EQ(g.Length(), n);
    for (std::int32_t i = 0; i < n; ++i)
      EXPECT_NEAR(-2.0 * beta[i] / rows, g[i], 1e-12 * (1.0 + std::fabs(g[i])))
          << Describe(shape) << " " << i;
  }
}

TEST(Gradient, ErrorPassEndsOnAStopRequest) {
  auto net = MakeNet(kShapes[5]);
  Matrix set = MakeTrainingSet(*net, 6);
  net->Bind(&set, nullptr, trainingSetup{});
  net->SetKeepRunning(false);
  const std::int32_t n = net->WeightCount();
  Matrix alpha(n, n);
  Vector beta(n);
  EXPECT_EQ(net->ErrorAndDerivatives(alpha, beta), 1e100);
}
