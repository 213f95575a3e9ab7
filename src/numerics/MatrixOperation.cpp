#include "numerics/MatrixOperation.h"

#include <algorithm>
#include <cmath>

#include "platform/ErrorBox.h"

namespace {

constexpr int kMaxSweeps = 100;

double WithSignOf(double a, double b) { return b >= 0.0 ? std::fabs(a) : -std::fabs(a); }

}  // namespace

double Hypotenuse(double a, double b) {
  const double p = std::fabs(a), q = std::fabs(b);
  if (p > q) return p * std::sqrt(1.0 + (q / p) * (q / p));
  if (q == 0.0) return 0.0;
  return q * std::sqrt(1.0 + (p / q) * (p / q));
}

Message MatrixOperation::Setup(std::int32_t m, std::int32_t n) {
  if (m < n) return u"The number or rows must be greater than or equal to the number of columns";
  if (!A.Resize(m, n)) {
    A.Free();
    return u"No enough memory to create matrix A";
  }
  w.Resize(n);
  if (!V.Resize(n, n)) V.Free();
  return nullptr;
}

void MatrixOperation::Release() {
  A.Free();
  w.Free();
  V.Free();
}

bool MatrixOperation::svdcmp() {
  const std::int32_t n = A.Cols();
  Vector e;
  if (n > 0 && !e.Resize(n)) return false;
  if (n == 0) return true;
  if (w.Length() != n) w.Resize(n);
  if (V.Rows() != n || V.Cols() != n) V.Resize(n, n);
  double anorm = 0.0;
  Bidiagonalise(e, anorm);
  AccumulateRight(e);
  AccumulateLeft();
  Diagonalise(e, anorm);
  return true;
}

// Householder reduction to upper bidiagonal form: a left reflection clears
// column i below the diagonal, a right reflection clears row i to the right
// of the superdiagonal. The diagonal goes to w, the superdiagonal to e.
void MatrixOperation::Bidiagonalise(Vector& e, double& anorm) {
  const std::int32_t m = A.Rows(), n = A.Cols();
  double g = 0.0, scale = 0.0;
  for (std::int32_t i = 0; i < n; ++i) {
    const std::int32_t l = i + 1;
    e[i] = scale * g;
    g = scale = 0.0;
    double s = 0.0;
    for (std::int32_t k = i; k < m; ++k) scale += std::fabs(A[k][i]);
    if (scale != 0.0) {
      for (std::int32_t k = i; k < m; ++k) {
        A[k][i] /= scale;
        s += A[k][i] * A[k][i];
      }
      double f = A[i][i];
      g = -WithSignOf(std::sqrt(s), f);
      const double h = f * g - s;
      A[i][i] = f - g;
      for (std::int32_t j = l; j < n; ++j) {
        s = 0.0;
        for (std::int32_t k = i; k < m; ++k) s += A[k][i] * A[k][j];
        f = s / h;
        for (std::int32_t k = i; k < m; ++k) A[k][j] += f * A[k][i];
      }
      for (std::int32_t k = i; k < m; ++k) A[k][i] *= scale;
    }
    w[i] = scale * g;
    g = s = scale = 0.0;
    if (i < m && i != n - 1) {
      for (std::int32_t k = l; k < n; ++k) scale += std::fabs(A[i][k]);
      if (scale != 0.0) {
        for (std::int32_t k = l; k < n; ++k) {
          A[i][k] /= scale;
          s += A[i][k] * A[i][k];
        }
        const double f = A[i][l];
        g = -WithSignOf(std::sqrt(s), f);
        const double h = f * g - s;
        A[i][l] = f - g;
        for (std::int32_t k = l; k < n; ++k) e[k] = A[i][k] / h;
        for (std::int32_t j = l; j < m; ++j) {
          s = 0.0;
          for (std::int32_t k = l; k < n; ++k) s += A[j][k] * A[i][k];
          for (std::int32_t k = l; k < n; ++k) A[j][k] += s * e[k];
        }
        for (std::int32_t k = l; k < n; ++k) A[i][k] *= scale;
      }
    }
    anorm = std::max(anorm, std::fabs(w[i]) + std::fabs(e[i]));
  }
}

// Accumulates the right-hand transformations into V.
void MatrixOperation::AccumulateRight(const Vector& e) {
  const std::int32_t n = A.Cols();
  double g = 0.0;
  std::int32_t l = n;
  for (std::int32_t i = n - 1; i >= 0; --i) {
    if (i < n - 1) {
      if (g != 0.0) {
        // Double division avoids a possible underflow.
        for (std::int32_t j = l; j < n; ++j) V[j][i] = (A[i][j] / A[i][l]) / g;
        for (std::int32_t j = l; j < n; ++j) {
          double s = 0.0;
          for (std::int32_t k = l; k < n; ++k) s += A[i][k] * V[k][j];
          for (std::int32_t k = l; k < n; ++k) V[k][j] += s * V[k][i];
        }
      }
      for (std::int32_t j = l; j < n; ++j) V[i][j] = V[j][i] = 0.0;
    }
    V[i][i] = 1.0;
    g = e[i];
    l = i;
  }
}

// Accumulates the left-hand transformations into A, which becomes U.
void MatrixOperation::AccumulateLeft() {
  const std::int32_t m = A.Rows(), n = A.Cols();
  for (std::int32_t i = std::min(m, n) - 1; i >= 0; --i) {
    const std::int32_t l = i + 1;
    double g = w[i];
    for (std::int32_t j = l; j < n; ++j) A[i][j] = 0.0;
    if (g != 0.0) {
      g = 1.0 / g;
      for (std::int32_t j = l; j < n; ++j) {
        double s = 0.0;
        for (std::int32_t k = l; k < m; ++k) s += A[k][i] * A[k][j];
        const double f = (s / A[i][i]) * g;
        for (std::int32_t k = i; k < m; ++k) A[k][j] += f * A[k][i];
      }
      for (std::int32_t j = i; j < m; ++j) A[j][i] *= g;
    } else {
      for (std::int32_t j = i; j < m; ++j) A[j][i] = 0.0;
    }
    A[i][i] += 1.0;
  }
}

void MatrixOperation::Diagonalise(Vector& e, double anorm) {
  for (std::int32_t k = A.Cols() - 1; k >= 0; --k) {
    if (!DiagonaliseOne(k, e, anorm))
      platform::ShowErrorBox(u"no convergence in 100 svdcmp iterations", u"MatrixOperation::svdcmp");
  }
}

bool MatrixOperation::DiagonaliseOne(std::int32_t k, Vector& e, double anorm) {
  for (int sweep = 1; sweep <= kMaxSweeps; ++sweep) {
    // Find the split: the largest l with a negligible e[l] (e[0] is always 0)
    // or a negligible w[l - 1], in which case e[l] is cancelled first.
    std::int32_t l = k;
    bool cancel = false;
    for (; l >= 0; --l) {
      if (std::fabs(e[l]) + anorm == anorm) break;
      if (std::fabs(w[l - 1]) + anorm == anorm) {
        cancel = true;
        break;
      }
    }
    if (cancel) ChaseSplit(l, k, e, anorm);
    if (l == k) {
      // Converged: make the singular value non-negative.
      if (w[k] < 0.0) {
        w[k] = -w[k];
        for (std::int32_t j = 0; j < V.Rows(); ++j) V[j][k] = -V[j][k];
      }
      return true;
    }
    QrSweep(l, k, e);
  }
  return false;
}

// Cancels e[l] when w[l - 1] is negligible, by Givens rotations on U.
void MatrixOperation::ChaseSplit(std::int32_t l, std::int32_t k, Vector& e, double anorm) {
  const std::int32_t m = A.Rows();
  const std::int32_t nm = l - 1;
  double c = 0.0, s = 1.0;
  for (std::int32_t i = l; i <= k; ++i) {
    const double f = s * e[i];
    e[i] = c * e[i];
    if (std::fabs(f) + anorm == anorm) break;
    const double g = w[i];
    double h = Hypotenuse(f, g);
    w[i] = h;
    h = 1.0 / h;
    c = g * h;
    s = -f * h;
    for (std::int32_t j = 0; j < m; ++j) {
      const double y = A[j][nm], z = A[j][i];
      A[j][nm] = y * c + z * s;
      A[j][i] = z * c - y * s;
    }
  }
}

// One implicit-shift QR sweep over rows l..k, shift from the bottom 2 x 2.
void MatrixOperation::QrSweep(std::int32_t l, std::int32_t k, Vector& e) {
  const std::int32_t m = A.Rows(), n = A.Cols();
  double x = w[l];
  const std::int32_t nm = k - 1;
  double y = w[nm], g = e[nm], h = e[k];
  const double z0 = w[k];
  double f = ((y - z0) * (y + z0) + (g - h) * (g + h)) / (2.0 * h * y);
  g = Hypotenuse(f, 1.0);
  f = ((x - z0) * (x + z0) + h * ((y / (f + WithSignOf(g, f))) - h)) / x;
  double c = 1.0, s = 1.0;
  for (std::int32_t j = l; j <= nm; ++j) {
    const std::int32_t i = j + 1;
    g = e[i];
    y = w[i];
    h = s * g;
    g = c * g;
    double z = Hypotenuse(f, h);
    e[j] = z;
    c = f / z;
    s = h / z;
    f = x * c + g * s;
    g = g * c - x * s;
    h = y * s;
    y *= c;
    for (std::int32_t jj = 0; jj < n; ++jj) {
      const double xv = V[jj][j], zv = V[jj][i];
      V[jj][j] = xv * c + zv * s;
      V[jj][i] = zv * c - xv * s;
    }
    z = Hypotenuse(f, h);
    w[j] = z;
    if (z != 0.0) {
      z = 1.0 / z;
      c = f * z;
      s = h * z;
    }
    f = c * g + s * y;
    x = c * y - s * g;
    for (std::int32_t jj = 0; jj < m; ++jj) {
      const double yu = A[jj][j], zu = A[jj][i];
      A[jj][j] = yu * c + zu * s;
      A[jj][i] = zu * c - yu * s;
    }
  }
  e[l] = 0.0;
  e[k] = f;
  w[k] = x;
}

bool MatrixOperation::BackSubstitute(const Vector& b, Vector& x) const {
  const std::int32_t m = A.Rows(), n = A.Cols();
  Vector t;
  if (!t.Resize(n)) return false;
  for (std::int32_t j = 0; j < n; ++j) {
    if (w[j] == 0.0) continue;
    double s = 0.0;
    for (std::int32_t i = 0; i < m; ++i) s += A[i][j] * b[i];
    t[j] = s / w[j];
  }
  if (!x.Resize(n)) return false;
  for (std::int32_t j = 0; j < n; ++j) {
    double s = 0.0;
    for (std::int32_t k = 0; k < n; ++k) s += V[j][k] * t[k];
    x[j] = s;
  }
  return true;
}
