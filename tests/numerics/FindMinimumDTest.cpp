#include <gtest/gtest.h>

#include <cmath>
#include <functional>

#include "numerics/FindMinimumD.h"
#include "platform/ErrorBox.h"

namespace {

// A line function from two lambdas, counting evaluations.
class Line : public LineFunction {
 public:
  Line(std::function<double(double)> f, std::function<double(double)> df) : f(f), df(df) {}
  double ValueAt(double t) override {
    ++calls;
    return f(t);
  }
  double SlopeAt(double t) override { return df(t); }
  int calls = 0;

 private:
  std::function<double(double)> f, df;
};

TEST(FindMinimumD, BracketAndRefineOnParabolas) {
  for (double centre : {3.0, -4.0, 0.3, 250.0}) {
    Line line([&](double t) { return (t - centre) * (t - centre); }, [&](double t) { return 2 * (t - centre); });
    double a = 0, b = 1, c = 2, fa, fb, fc;
    FindMinimumD::Bracket(line, a, b, c, fa, fb, fc);
    EXPECT_LT(fb, fa);
    EXPECT_LE(fb, fc);
    EXPECT_LE(std::min(a, c), centre);
    EXPECT_GE(std::max(a, c), centre);
    double xmin = 1e9;
    const double value = FindMinimumD::dbrent(line, a, b, c, 2e-4, xmin);
    EXPECT_NEAR(xmin, centre, 2e-4 * std::fabs(centre) + 1e-6) << centre;
    EXPECT_NEAR(value, 0.0, 1e-6);
  }
}

TEST(FindMinimumD, BracketSearchesDownhillWhenFIncreasesFromAToB) {
  Line line([](double t) { return (t + 5) * (t + 5); }, [](double t) { return 2 * (t + 5); });
  double a = 0, b = 1, c = 0, fa, fb, fc;
  FindMinimumD::Bracket(line, a, b, c, fa, fb, fc);
  EXPECT_LT(c, 0.0) << "the search ran in the negative direction";
  EXPECT_LE(std::min(a, c), -5.0);
  EXPECT_GE(std::max(a, c), -5.0);
}

TEST(FindMinimumD, NonSmoothMinimumStillConverges) {
  Line line([](double t) { return std::fabs(t - 1.7) + 0.1 * t * t; },
            [](double t) { return (t > 1.7 ? 1.0 : -1.0) + 0.2 * t; });
  double a = 0, b = 1, c = 2, fa, fb, fc;
  FindMinimumD::Bracket(line, a, b, c, fa, fb, fc);
  double xmin = 0;
  FindMinimumD::dbrent(line, a, b, c, 1e-6, xmin);
  EXPECT_NEAR(xmin, 1.7, 1e-4);
}

// f(x) = sum k (x_k - k)^2, an n-dimensional bowl.
class Bowl : public ObjectiveFunction {
 public:
  double Value(const Vector& x) override {
    double s = 0;
    for (int k = 0; k < x.Length(); ++k) s += (k + 1) * (x[k] - k) * (x[k] - k);
    return s;
  }
  void Gradient(const Vector& x, Vector& g) override {
    g.Resize(x.Length());
    for (int k = 0; k < x.Length(); ++k) g[k] = 2 * (k + 1) * (x[k] - k);
  }
};

TEST(FindMinimumD, LineMinimiseMovesThePointByTheScaledDirection) {
  Bowl bowl;
  FindMinimumD search(&bowl);
  Vector p(3);
  ASSERT_TRUE(search.SetPoint(p));
  // Steepest descent from the origin.
  Vector g;
  bowl.Gradient(p, g);
  for (int k = 0; k < 3; ++k) search.Direction()[k] = -g[k];
  const Vector before = search.Direction();
  const double value = search.LineMinimise(search);
  EXPECT_LT(value, bowl.Value(Vector(3)));
  EXPECT_NEAR(value, bowl.Value(p), 1e-12);
  const double step = search.Direction()[1] / before[1];
  for (int k = 0; k < 3; ++k) {
    EXPECT_NEAR(search.Direction()[k], step * before[k], 1e-12);
    EXPECT_NEAR(p[k], step * before[k], 1e-12);
  }
  // At the line minimum the slope along the direction vanishes.
  bowl.Gradient(p, g);
  double slope = 0;
  for (int k = 0; k < 3; ++k) slope += g[k] * before[k];
  EXPECT_NEAR(slope / (std::hypot(g[0], g[1], g[2]) * std::hypot(before[0], before[1], before[2]) + 1e-300), 0.0,
              1e-3);
}

int boxes = 0;
void CountBox(std::u16string_view text, std::u16string_view caption) {
  EXPECT_EQ(text, u"Too many iterations in dbrent");
  EXPECT_EQ(caption, u"FindMinimumD::dbrent");
  ++boxes;
}

TEST(FindMinimumD, IterationLimitIsReported) {
  // An objective that has turned into NaN (a diverged network) never lets
  // the bracket close: the search gives up after 100 iterations.
  platform::SetErrorBoxHandler(CountBox);
  const double nan = std::nan("");
  Line line([nan](double) { return nan; }, [nan](double) { return nan; });
  double xmin = 42;
  const double value = FindMinimumD::dbrent(line, -1, 0.2, 1, 2e-4, xmin);
  platform::SetErrorBoxHandler(nullptr);
  EXPECT_EQ(boxes, 1);
  EXPECT_EQ(value, 0.0);
  EXPECT_EQ(xmin, 42) << "xmin is not written on failure";
}

}  // namespace
