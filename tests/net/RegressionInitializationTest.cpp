#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "net/LayerNet3.h"
#include "support/NetworkBuilders.h"

namespace {

// The least-squares solution of X w = y by the normal equations and Gauss
// elimination with partial pivoting: independent of the SVD path.
std::vector<double> NormalEquations(const std::vector<std::vector<double>>& x, const std::vector<double>& y) {
  const std::size_t n = x[0].size();
  std::vector<std::vector<double>> a(n, std::vector<double>(n + 1, 0.0));
  for (std::size_t r = 0; r < x.size(); ++r)
    for (std::size_t i = 0; i < n; ++i) {
      for (std::size_t j = 0; j < n; ++j) a[i][j] += x[r][i] * x[r][j];
      a[i][n] += x[r][i] * y[r];
    }
  for (std::size_t c = 0; c < n; ++c) {
    std::size_t pivot = c;
    for (std::size_t r = c + 1; r < n; ++r)
      if (std::fabs(a[r][c]) > std::fabs(a[pivot][c])) pivot = r;
    std::swap(a[c], a[pivot]);
    for (std::size_t r = 0; r < n; ++r) {
      if (r == c) continue;
      const double f = a[r][c] / a[c][c];
      for (std::size_t j = c; j <= n; ++j) a[r][j] -= f * a[c][j];
    }
  }
  std::vector<double> w(n);
  for (std::size_t i = 0; i < n; ++i) w[i] = a[i][n] / a[i][i];
  return w;
}

struct Bound {
  Matrix set;
  trainingProgress progress;
  trainingSetup setup;
};

void BindTo(LayerNet1& net, Bound& bound) { net.Bind(&bound.set, &bound.progress, bound.setup); }

TEST(RegressionInitialization, LinearOutputReproducesOrdinaryLeastSquares) {
  Bound bound;
  bound.set = MakeMatrix({{0.1, 0.7, 1.0, -2.0},
                          {0.4, -0.2, 0.3, 0.5},
                          {-0.6, 0.9, -1.2, 1.5},
                          {0.8, 0.8, 2.0, 0.1},
                          {-0.3, -0.5, 0.2, -0.7},
                          {0.5, 0.1, -0.4, 0.9},
                          {0.2, -0.9, 0.6, 0.0}});
  LayerNet1 net;
  ASSERT_TRUE(net.Create(MakeSetup(2, 0, 0, 2, 0, 0, 2), true));
  FillWeights(net);
  BindTo(net, bound);
  bound.progress.initializationValue.Set(7.0);

  const double mse = net.RegressionInitialization();

  std::vector<std::vector<double>> x;
  for (int r = 0; r < bound.set.Rows(); ++r) x.push_back({bound.set[r][0], bound.set[r][1], 1.0});
  for (int k = 0; k < 2; ++k) {
    std::vector<double> y;
    for (int r = 0; r < bound.set.Rows(); ++r) y.push_back(bound.set[r][2 + k]);
    const std::vector<double> expected = NormalEquations(x, y);
    for (int c = 0; c < 3; ++c) EXPECT_NEAR(net.OutputLayer()->Weights()[k][c], expected[c], 1e-12) << k << c;
  }
  EXPECT_EQ(mse, net.ComputeMse(bound.set));
  EXPECT_EQ(net.Mse(), mse);
  EXPECT_EQ(bound.progress.initializationMse.Get(), mse);
  EXPECT_EQ(bound.progress.initializationValue.Get(), 1.0);
}

TEST(RegressionInitialization, LayerNet1StoresTheSolutionUnclamped) {
  Bound bound;
  bound.set = MakeMatrix({{0.0, 1.0}, {0.5, 21.0}, {1.0, 41.0}});
  LayerNet1 net;
  ASSERT_TRUE(net.Create(MakeSetup(1, 0, 0, 1, 0, 0, 2), true));
  BindTo(net, bound);
  net.RegressionInitialization();
  EXPECT_NEAR(net.OutputLayer()->Weights()[0][0], 40.0, 1e-12);
  EXPECT_NEAR(net.OutputLayer()->Weights()[0][1], 1.0, 1e-12);
  EXPECT_LT(net.Mse(), 1e-25);
}

// A 1:1S:2L network whose hidden outputs h are known: output 0 wants
// 40 h + 0.5, output 1 wants -40 h - 20.
TEST(RegressionInitialization, HiddenLayerNetworksClampEverySolvedWeight) {
  Bound bound;
  bound.set = MakeMatrix({{-1.0, 0, 0}, {0.0, 0, 0}, {0.5, 0, 0}, {2.0, 0, 0}});
  LayerNet2 net;
  ASSERT_TRUE(net.Create(MakeSetup(1, 1, 0, 2, 0, 0, 2), true));
  Vector weights(net.WeightCount());
  weights[4] = 1.5;  // after the output layer's 2 x 2
  weights[5] = -0.25;
  net.SetWeights(weights);
  for (int r = 0; r < bound.set.Rows(); ++r) {
    const double h = net.Hidden1()->GetActivation()->Evaluate(1.5 * bound.set[r][0] - 0.25);
    bound.set[r][1] = 40.0 * h + 0.5;
    bound.set[r][2] = -40.0 * h - 20.0;
  }
  BindTo(net, bound);
  const double mse = net.RegressionInitialization();
  const Matrix& w = net.OutputLayer()->Weights();
  EXPECT_EQ(w[0][0], 15.0);
  EXPECT_NEAR(w[0][1], 0.5, 1e-9);
  EXPECT_EQ(w[1][0], -15.0);
  EXPECT_EQ(w[1][1], -15.0);
  EXPECT_EQ(mse, net.ComputeMse(bound.set));
  EXPECT_EQ(net.Hidden1()->Weights()[0][0], 1.5);
  // Only LayerNet1 publishes its own regression.
  EXPECT_EQ(bound.progress.initializationMse.Get(), 1.0);
}

TEST(RegressionInitialization, LogsigTargetOfOneUsesTheClampedInverse) {
  Bound bound;
  bound.set = MakeMatrix({{0.0, 1.0}, {1.0, 1.0}, {2.0, 1.0}});
  LayerNet1 net;
  ASSERT_TRUE(net.Create(MakeSetup(1, 0, 0, 1, 0, 0, 0), true));
  BindTo(net, bound);
  net.RegressionInitialization();
  const double expected = -std::log(1.0 / 0.999999999999 - 1.0);
  EXPECT_NEAR(net.OutputLayer()->Weights()[0][1], expected, 1e-9);
  EXPECT_NEAR(net.OutputLayer()->Weights()[0][0], 0.0, 1e-9);
}

// With as many cases as unknowns the fit is exact, so each output's
// weighted sum reproduces the inverse of its target.
TEST(RegressionInitialization, ClassifierTargetsAreTheInverseOfUpperAndLower) {
  struct Case {
    int activation;
    double upper, lower;
  };
  const Case cases[] = {{0, 0.9, 0.1}, {1, 0.9, -0.9}, {2, 3.0, -3.0}};
  for (const Case& c : cases) {
    Bound bound;
    bound.set = MakeMatrix({{0.2, 0.1, 1}, {-0.4, 0.3, 3}, {0.5, -0.6, 2}});
    LayerNet1 net;
    ASSERT_TRUE(net.Create(MakeSetup(2, 0, 0, 3, 0, 0, c.activation, kClassifier), true));
    BindTo(net, bound);
    net.RegressionInitialization();
    const Activation* f = net.OutputLayer()->GetActivation();
    const Matrix& w = net.OutputLayer()->Weights();
    for (int r = 0; r < 3; ++r)
      for (int k = 0; k < 3; ++k) {
        const double sum = w[k][0] * bound.set[r][0] + w[k][1] * bound.set[r][1] + w[k][2];
        const double target = bound.set[r][2] == k + 1 ? c.upper : c.lower;
        EXPECT_NEAR(sum, f->Inverse(target), 1e-9) << c.activation << r << k;
      }
  }
}

// The output-layer regression computes its mse from the hidden outputs it
// kept; it must be the mse ComputeMse gives, bit for bit, for every style,
// both hidden-layer classes, and sets with fewer cases than unknowns.
TEST(RegressionInitialization, ResultIsTheMseOfTheWeightsLeft) {
  struct Case {
    networkSetup setup;
    int rows;
  };
  const Case cases[] = {
      {MakeSetup(3, 4, 0, 2, 0, 0, 0), 9},
      {MakeSetup(3, 4, 0, 2, 1, 0, 1), 9},
      {MakeSetup(3, 5, 0, 3, 0, 0, 1, kClassifier), 12},
      {MakeSetup(3, 2, 0, 3, 1, 0, 2, kOutputEqualsInput), 7},
      {MakeSetup(3, 4, 3, 2, 0, 1, 2), 10},
      {MakeSetup(2, 6, 0, 1, 1, 0, 2), 3},
      {MakeSetup(2, 3, 6, 2, 1, 0, 0, kClassifier), 4},
  };
  for (const Case& c : cases) {
    LayerNet3 net3;
    LayerNet2 net2;
    LayerNet2& net = c.setup.hidden2 ? net3 : net2;
    ASSERT_TRUE(net.Create(c.setup, true));
    FillWeights(net);
    Bound bound;
    ASSERT_TRUE(bound.set.Resize(c.rows, net.ColumnCount(true)));
    for (int r = 0; r < c.rows; ++r)
      for (int col = 0; col < bound.set.Cols(); ++col)
        bound.set[r][col] = std::sin(r * 1.7 + col * 0.9) * 0.8;
    if (c.setup.style == kClassifier)
      for (int r = 0; r < c.rows; ++r) bound.set[r][bound.set.Cols() - 1] = 1 + r % c.setup.outputs;
    BindTo(net, bound);
    const double mse = net.RegressionInitialization();
    EXPECT_TRUE(std::isfinite(mse));
    EXPECT_EQ(mse, net.ComputeMse(bound.set)) << c.setup.hidden1 << " " << c.rows;
    EXPECT_EQ(net.Mse(), mse);
  }
}

}  // namespace
