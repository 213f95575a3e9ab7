#include <gtest/gtest.h>

#include "support/FaultEnv.h"
#include "support/TempDir.h"
#include "tools/TransformLab.h"

namespace {

Vector Series(std::initializer_list<double> values) {
  Vector v(static_cast<std::int32_t>(values.size()));
  std::int32_t i = 0;
  for (double x : values) v[i++] = x;
  return v;
}

TEST(TransformLab, StatisticsAndTrendLines) {
  const auto s = TransformLab::Measure(Series({1, 2, 3, 4}));
  EXPECT_EQ(s.maximum, 4);
  EXPECT_EQ(s.minimum, 1);
  EXPECT_EQ(s.mean, 2.5);
  EXPECT_NEAR(s.standardDeviation, 1.2909944487358056, 1e-15);
  EXPECT_EQ(TransformLab::Measure(Series({7})).standardDeviation, 0);
  EXPECT_EQ(TransformLab::Measure(Series({7})).mean, 7);

  const Vector line = Series({3, 5, 7, 9, 11});
  double m = 0, b = 0;
  TransformLab::LeastSquaresLine(line, m, b);
  EXPECT_DOUBLE_EQ(m, 2);
  EXPECT_DOUBLE_EQ(b, 3);
  TransformLab::EndPointLine(line, m, b);
  EXPECT_EQ(m, 2);
  EXPECT_EQ(b, 3);
  TransformLab::LeastSquaresLine(Series({4}), m, b);
  EXPECT_EQ(m, 0);
  EXPECT_EQ(b, 0);
}

TEST(TransformLab, KindsAndInverses) {
  struct Case {
    TransformLab::Kind kind;
    Vector x;
    std::vector<double> y;
    std::vector<double> back;
  };
  const TransformLab::Parameters p{2, 4, 2, 3};
  const Case cases[] = {
      {TransformLab::kNormal, Series({2, 6, -2}), {0, 1, -1}, {2, 6, -2}},
      {TransformLab::kTrendLeastSquares, Series({3, 5, 7}), {0, 0, 0}, {3, 5, 7}},
      {TransformLab::kTrendEndPoints, Series({3, 6, 7}), {0, 1, 0}, {3, 6, 7}},
      {TransformLab::kLogarithm, Series({-100, 1000}), {2, 3}, {100, 1000}},
      {TransformLab::kCubeRoot, Series({-8, 27}), {2, 3}, {8, 27}},
  };
  for (const Case& c : cases) {
    Vector y, back;
    ASSERT_TRUE(TransformLab::Transform(c.kind, p, c.x, y));
    ASSERT_TRUE(TransformLab::Invert(c.kind, p, y, back));
    for (std::int32_t i = 0; i < c.x.Length(); ++i) {
      EXPECT_NEAR(y[i], c.y[i], 1e-12) << c.kind << " " << i;
      EXPECT_NEAR(back[i], c.back[i], 1e-12) << c.kind << " " << i;
    }
  }
  Vector y;
  ASSERT_TRUE(TransformLab::Transform(TransformLab::kNormal, {5, 0, 0, 0}, Series({5}), y));
  EXPECT_EQ(y[0], 0);
}

TEST(TransformLab, PreThenPostRestoresTheSeries) {
  TempDir dir;
  const auto in = dir.Write("series.csv", "1.5,2.25,-3,4,10\r\n");
  for (auto kind : {TransformLab::kNormal, TransformLab::kTrendLeastSquares, TransformLab::kTrendEndPoints}) {
    TransformLab pre(true);
    pre.SetKind(kind);
    ASSERT_EQ(pre.LoadUntransformed(in), u"");
    ASSERT_TRUE(pre.ComputeEnabled());
    ASSERT_EQ(pre.Pre(dir.File("t.dat")), u"");
    TransformLab post(false);
    post.SetKind(kind);
    ASSERT_EQ(post.LoadTransformed(dir.File("t.dat")), u"");
    const TransformLab::PostFields fields{
        TransformLab::FieldText(pre.SideStatistics(TransformLab::kUntransformed).mean),
        TransformLab::FieldText(pre.SideStatistics(TransformLab::kUntransformed).standardDeviation),
        TransformLab::FieldText(pre.Slope()), TransformLab::FieldText(pre.Intercept())};
    ASSERT_EQ(post.Post(fields, dir.File("back.csv")), u"");
    const Vector& back = post.Series(TransformLab::kUntransformed);
    const Vector& original = pre.Series(TransformLab::kUntransformed);
    for (std::int32_t i = 0; i < original.Length(); ++i) EXPECT_NEAR(back[i], original[i], 1e-4) << kind;
  }
}

TEST(TransformLab, FileFormsByExtension) {
  TempDir dir;
  const auto in = dir.Write("series.csv", "1,2,3\r\n");
  TransformLab pre(true);
  pre.SetKind(TransformLab::kTrendLeastSquares);
  ASSERT_EQ(pre.LoadUntransformed(in), u"");
  EXPECT_EQ(pre.Slope(), 1);
  EXPECT_EQ(pre.GetPlot(TransformLab::kUntransformed).series[1].y, (std::vector<double>{1, 2, 3}));
  ASSERT_EQ(pre.Pre(dir.File("out.csv")), u"");
  EXPECT_EQ(TempDir::Read(dir.File("out.csv")), "0,0,0");
  EXPECT_EQ(pre.Pre(dir.File("out.txt")), u"Unable to write transformed file");
  EXPECT_TRUE(pre.GetPlot(TransformLab::kTransformed).series[0].y.empty());

  TransformLab post(false);
  EXPECT_EQ(post.LoadTransformed(dir.Write("x.txt", "1")), u"The trasformed file is invalid");
  EXPECT_EQ(post.LoadTransformed(dir.Write("bad.dat", "\x05")), u"The trasformed file is invalid");
  EXPECT_FALSE(post.ComputeEnabled());
  ASSERT_EQ(post.LoadTransformed(in), u"");
  EXPECT_EQ(post.Post({}, dir.File("u.txt")),
            u"You need to provide \r\n\r\n\t \"the mean\" \r\n\r\nof the un-transformed data");
  EXPECT_EQ(post.Post({u"1", u"", u"", u""}, dir.File("u.txt")),
            u"You need to provide \r\n\r\n\t \"the standard deviation\" \r\n\r\nof the un-transformed data");
  post.SetKind(TransformLab::kTrendLeastSquares);
  EXPECT_EQ(post.Post({}, dir.File("u.txt")),
            u"You need to provide the value of \r\n\r\n\t \"m\" \r\n\r\n for the un-transformed data");
  EXPECT_EQ(post.Post({u"", u"", u"2", u""}, dir.File("u.txt")),
            u"You need to provide the value of \r\n\r\n\t \"b\" \r\n\r\n for the un-transformed data");
  post.SetKind(TransformLab::kTrendEndPoints);
  EXPECT_EQ(post.Post({}, dir.File("u.txt")),
            u"You need to provide the value of m for the un-transformed data");
  EXPECT_EQ(post.Post({u"", u"", u"2", u""}, dir.File("u.txt")),
            u"You need to provide the value of b for the un-transformed data");
  post.SetKind(TransformLab::kCubeRoot);
  EXPECT_EQ(post.Post({}, dir.File("u.txt")), u"Unable to write un-trasformed file");

  TransformLab missing(true);
  EXPECT_NE(missing.LoadUntransformed(dir.File("none.csv")), u"");
  FaultEnv env;
  FaultEnv::Scoped scoped(env);
  env.failCreateWith = u"Access is denied.\r\n";
  EXPECT_EQ(pre.Pre(dir.File("denied.csv")), u"Access is denied.\r\n");
  env.failCreateWith.clear();
  env.writeBudget = 10;
  EXPECT_EQ(pre.Pre(dir.File("short.dat")), u"Unable to write trasformed file");
}

}  // namespace
