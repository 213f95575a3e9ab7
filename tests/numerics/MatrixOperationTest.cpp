#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "numerics/MatrixOperation.h"
#include "numerics/Random.h"
#include "platform/ErrorBox.h"

namespace {

// max |A - U diag(w) V^T| for the original A.
double ReconstructionError(const Matrix& original, const MatrixOperation& op) {
  double worst = 0;
  for (int i = 0; i < original.Rows(); ++i)
    for (int j = 0; j < original.Cols(); ++j) {
      double s = 0;
      for (int k = 0; k < original.Cols(); ++k) s += op.A[i][k] * op.w[k] * op.V[j][k];
      worst = std::max(worst, std::fabs(s - original[i][j]));
    }
  return worst;
}

double OrthonormalityError(const Matrix& q, int rows, int cols) {
  double worst = 0;
  for (int a = 0; a < cols; ++a)
    for (int b = 0; b < cols; ++b) {
      double s = 0;
      for (int i = 0; i < rows; ++i) s += q[i][a] * q[i][b];
      worst = std::max(worst, std::fabs(s - (a == b ? 1.0 : 0.0)));
    }
  return worst;
}

std::vector<std::u16string> errorBoxes;
void RecordErrorBox(std::u16string_view text, std::u16string_view caption) {
  errorBoxes.push_back(std::u16string(caption) + u": " + std::u16string(text));
}

TEST(MatrixOperation, SetupRefusesWideSystems) {
  MatrixOperation op;
  EXPECT_EQ(std::u16string(op.Setup(3, 4)),
            u"The number or rows must be greater than or equal to the number of columns");
  EXPECT_EQ(op.Setup(4, 4), nullptr);
  EXPECT_EQ(op.A.Rows(), 4);
  EXPECT_EQ(op.V.Rows(), 4);
  EXPECT_EQ(op.w.Length(), 4);
  op.Release();
  EXPECT_FALSE(op.A.IsAllocated());
}

TEST(MatrixOperation, DiagonalWithNegativeEntry) {
  MatrixOperation op;
  ASSERT_EQ(op.Setup(2, 2), nullptr);
  op.A[0][0] = 3;
  op.A[1][1] = -2;
  Matrix original = op.A;
  ASSERT_TRUE(op.svdcmp());
  std::vector<double> w = {op.w[0], op.w[1]};
  std::sort(w.begin(), w.end());
  EXPECT_NEAR(w[0], 2, 1e-15);
  EXPECT_NEAR(w[1], 3, 1e-15);
  EXPECT_LT(ReconstructionError(original, op), 1e-14);
}

TEST(MatrixOperation, RandomMatricesDecomposeAndSolve) {
  Random::Restart();
  platform::SetErrorBoxHandler(RecordErrorBox);
  errorBoxes.clear();
  for (auto [m, n] : {std::pair{1, 1}, {5, 3}, {40, 40}, {200, 17}, {64, 1}}) {
    MatrixOperation op;
    ASSERT_EQ(op.Setup(m, n), nullptr);
    for (int i = 0; i < m; ++i)
      for (int j = 0; j < n; ++j) op.A[i][j] = Random::RandomReal(-5, 5);
    Matrix original = op.A;
    // A right-hand side with a known exact solution.
    Vector truth(n), b(m), x;
    for (int j = 0; j < n; ++j) truth[j] = j - 1.5;
    for (int i = 0; i < m; ++i)
      for (int j = 0; j < n; ++j) b[i] += original[i][j] * truth[j];
    ASSERT_TRUE(op.svdcmp());
    for (int j = 0; j < n; ++j) EXPECT_GE(op.w[j], 0.0);
    EXPECT_LT(ReconstructionError(original, op), 1e-12) << m << "x" << n;
    EXPECT_LT(OrthonormalityError(op.A, m, n), 1e-12);
    EXPECT_LT(OrthonormalityError(op.V, n, n), 1e-12);
    ASSERT_TRUE(op.BackSubstitute(b, x));
    ASSERT_EQ(x.Length(), n);
    for (int j = 0; j < n; ++j) EXPECT_NEAR(x[j], truth[j], 1e-9);
  }
  EXPECT_TRUE(errorBoxes.empty());
  platform::SetErrorBoxHandler(nullptr);
}

TEST(MatrixOperation, ZeroColumnGivesTheMinimumNormSolution) {
  // Second unknown has no influence: its component of the solution is 0.
  MatrixOperation op;
  ASSERT_EQ(op.Setup(3, 2), nullptr);
  const double rows[3][2] = {{1, 0}, {2, 0}, {3, 0}};
  Vector b(3);
  for (int i = 0; i < 3; ++i) {
    op.A[i][0] = rows[i][0];
    op.A[i][1] = rows[i][1];
    b[i] = 2.0 * rows[i][0] + (i == 1 ? 0.1 : 0.0);
  }
  ASSERT_TRUE(op.svdcmp());
  EXPECT_TRUE(op.w[0] == 0.0 || op.w[1] == 0.0);
  Vector x;
  ASSERT_TRUE(op.BackSubstitute(b, x));
  EXPECT_NEAR(x[0], (2.0 * 14 + 0.2) / 14, 1e-14);  // least squares over the first column
  EXPECT_EQ(x[1], 0.0);
}

TEST(MatrixOperation, HypotenuseAvoidsOverflow) {
  EXPECT_EQ(Hypotenuse(3, 4), 5);
  EXPECT_EQ(Hypotenuse(-4, 3), 5);
  EXPECT_EQ(Hypotenuse(0, 0), 0);
  EXPECT_NEAR(Hypotenuse(1e200, 1e200) / 1e200, std::sqrt(2.0), 1e-15);
  EXPECT_GT(Hypotenuse(1e-200, 1e-200), 0.0);
}

}  // namespace

namespace {

// FNV-1a over the bits of every value the decomposition produced.
std::uint64_t DecompositionHash(const MatrixOperation& op) {
  std::uint64_t hash = 1469598103934665603ull;
  auto add = [&](double v) {
    std::uint64_t bits;
    std::memcpy(&bits, &v, sizeof bits);
    for (int b = 0; b < 8; ++b) hash = (hash ^ ((bits >> (8 * b)) & 0xff)) * 1099511628211ull;
  };
  for (int i = 0; i < op.A.Rows(); ++i)
    for (int j = 0; j < op.A.Cols(); ++j) add(op.A[i][j]);
  for (int j = 0; j < op.w.Length(); ++j) add(op.w[j]);
  for (int i = 0; i < op.V.Rows(); ++i)
    for (int j = 0; j < op.V.Cols(); ++j) add(op.V[i][j]);
  return hash;
}

// The decomposition's arithmetic is fixed operation by operation, so its
// results are the same bits however the loops walk memory.
TEST(MatrixOperation, DecompositionBitsAreFixed) {
  struct Case {
    int m, n;
    std::uint64_t hash;
  };
  const Case cases[] = {{5, 5, 0x632f6bda6d226d5ull},     {40, 7, 0x71071848af0bf40full},
                        {300, 17, 0xa1140f811b101f2dull}, {9, 9, 0x1f6965b3e13634daull},
                        {60, 12, 0x3c4a5b7dc8162172ull},  {8, 6, 0xcfe765dfc20286f4ull}};
  Random::Restart();
  for (const Case& c : cases) {
    MatrixOperation op;
    ASSERT_EQ(op.Setup(c.m, c.n), nullptr);
    for (int i = 0; i < c.m; ++i)
      for (int j = 0; j < c.n; ++j) op.A[i][j] = Random::RandomReal(-1, 1);
    // A zero column: a zero singular value.
    if (c.m == 9 || c.m == 60)
      for (int i = 0; i < c.m; ++i) op.A[i][4] = 0.0;
    // Upper bidiagonal with a zero on the diagonal: a split to chase.
    if (c.m == 8)
      for (int i = 0; i < c.m; ++i)
        for (int j = 0; j < c.n; ++j)
          if (j != i + 1 && (j != i || i == 2)) op.A[i][j] = 0.0;
    ASSERT_TRUE(op.svdcmp());
    EXPECT_EQ(DecompositionHash(op), c.hash) << c.m << " x " << c.n;
  }
}

}  // namespace
