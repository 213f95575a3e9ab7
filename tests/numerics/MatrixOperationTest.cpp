#include <gtest/gtest.h>

#include <cmath>
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
