#include "numerics/MatrixOperation.h"

#include <algorithm>
#include <cmath>
#include <new>

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
  if (n == 0) return true;
  Vector e;
  Scratch scratch;
  if (!e.Resize(n) || !scratch.columns.Resize(n) || !scratch.rotations.Allocate(n)) return false;
  if (w.Length() != n) w.Resize(n);
  if (V.Rows() != n || V.Cols() != n) V.Resize(n, n);
  double anorm = 0.0;
  Bidiagonalise(e, anorm, scratch.columns);
  AccumulateRight(e);
  AccumulateLeft(scratch.columns);
  Diagonalise(e, anorm, scratch);
  return true;
}

// Householder reduction to upper bidiagonal form: a left reflection clears
// column i below the diagonal, a right reflection clears row i to the right
// of the superdiagonal. The diagonal goes to w, the superdiagonal to e.
void MatrixOperation::Bidiagonalise(Vector& e, double& anorm, Vector& factors) {
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
      // Each column's reflection needs column i and itself only, so all of
      // them run together, row by row.
      ColumnProducts(i, i, l, factors);
      for (std::int32_t j = l; j < n; ++j) factors[j] = factors[j] / h;
      AddColumnMultiples(i, i, l, factors);
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
        ReflectRows(i, e);
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

// The right reflection of row i applied to the rows below it: each row j
// gets s_j e[k] added, s_j = the sum over k > i of A[j][k] A[i][k] in
// column order. Four rows go together so their sums do not wait on one
// another.
void MatrixOperation::ReflectRows(std::int32_t i, const Vector& e) {
  const std::int32_t m = A.Rows(), n = A.Cols(), l = i + 1;
  const double* v = A[i];
  const double* f = e.Data();
  double** rows = A.RowTable();
  std::int32_t j = l;
  for (; j + 4 <= m; j += 4) {
    double* r0 = rows[j];
    double* r1 = rows[j + 1];
    double* r2 = rows[j + 2];
    double* r3 = rows[j + 3];
    double s0 = 0.0, s1 = 0.0, s2 = 0.0, s3 = 0.0;
    for (std::int32_t k = l; k < n; ++k) {
      s0 += r0[k] * v[k];
      s1 += r1[k] * v[k];
      s2 += r2[k] * v[k];
      s3 += r3[k] * v[k];
    }
    for (std::int32_t k = l; k < n; ++k) {
      r0[k] += s0 * f[k];
      r1[k] += s1 * f[k];
      r2[k] += s2 * f[k];
      r3[k] += s3 * f[k];
    }
  }
  for (; j < m; ++j) {
    double* r = rows[j];
    double s = 0.0;
    for (std::int32_t k = l; k < n; ++k) s += r[k] * v[k];
    for (std::int32_t k = l; k < n; ++k) r[k] += s * f[k];
  }
}

// sums[j] = the sum over rows k = first .. m-1 of A[k][i] A[k][j], for
// columns j = from .. n-1, each added up in row order as a column walk
// would, but reading A row by row.
void MatrixOperation::ColumnProducts(std::int32_t i, std::int32_t first, std::int32_t from,
                                     Vector& sums) const {
  const std::int32_t m = A.Rows(), n = A.Cols();
  double* s = sums.Data();
  for (std::int32_t j = from; j < n; ++j) s[j] = 0.0;
  for (std::int32_t k = first; k < m; ++k) {
    const double* row = A[k];
    const double a = row[i];
    for (std::int32_t j = from; j < n; ++j) s[j] += a * row[j];
  }
}

// A[k][j] += factors[j] A[k][i] for rows k = first .. m-1 and columns
// j = from .. n-1.
void MatrixOperation::AddColumnMultiples(std::int32_t i, std::int32_t first, std::int32_t from,
                                         const Vector& factors) {
  const std::int32_t m = A.Rows(), n = A.Cols();
  const double* f = factors.Data();
  for (std::int32_t k = first; k < m; ++k) {
    double* row = A[k];
    const double a = row[i];
    for (std::int32_t j = from; j < n; ++j) row[j] += f[j] * a;
  }
}

bool MatrixOperation::RotationLog::Allocate(std::int32_t n) {
  constexpr std::int32_t kMost = 1 << 16;
  capacity =
      static_cast<std::int32_t>(std::min<std::int64_t>(std::max<std::int64_t>(64, 4ll * n * n), kMost));
  columns.reset(new (std::nothrow) std::int32_t[2 * capacity]);
  count = 0;
  return columns && c.Resize(capacity) && s.Resize(capacity);
}

void MatrixOperation::Rotate(RotationLog& log, std::int32_t p, std::int32_t q, double c, double s) {
  if (log.count == log.capacity) ApplyRotations(log);
  log.columns[2 * log.count] = p;
  log.columns[2 * log.count + 1] = q;
  log.c[log.count] = c;
  log.s[log.count++] = s;
}

void MatrixOperation::ApplyRotations(RotationLog& log) {
  // Rows in blocks that stay in the first-level cache; within a block the
  // rows are independent, so one rotation runs over many rows at once.
  constexpr std::int32_t kBlock = 32;
  const std::int32_t m = A.Rows();
  double** rows = A.RowTable();
  for (std::int32_t start = 0; start < m; start += kBlock) {
    const std::int32_t end = std::min(m, start + kBlock);
    for (std::int32_t r = 0; r < log.count; ++r) {
      const std::int32_t p = log.columns[2 * r], q = log.columns[2 * r + 1];
      const double c = log.c[r], s = log.s[r];
      for (std::int32_t jj = start; jj < end; ++jj) {
        double* row = rows[jj];
        const double y = row[p], z = row[q];
        row[p] = y * c + z * s;
        row[q] = z * c - y * s;
      }
    }
  }
  log.count = 0;
}

// Accumulates the left-hand transformations into A, which becomes U.
void MatrixOperation::AccumulateLeft(Vector& factors) {
  const std::int32_t m = A.Rows(), n = A.Cols();
  for (std::int32_t i = std::min(m, n) - 1; i >= 0; --i) {
    const std::int32_t l = i + 1;
    double g = w[i];
    for (std::int32_t j = l; j < n; ++j) A[i][j] = 0.0;
    if (g != 0.0) {
      g = 1.0 / g;
      ColumnProducts(i, l, l, factors);
      for (std::int32_t j = l; j < n; ++j) factors[j] = (factors[j] / A[i][i]) * g;
      AddColumnMultiples(i, i, l, factors);
      for (std::int32_t j = i; j < m; ++j) A[j][i] *= g;
    } else {
      for (std::int32_t j = i; j < m; ++j) A[j][i] = 0.0;
    }
    A[i][i] += 1.0;
  }
}

void MatrixOperation::Diagonalise(Vector& e, double anorm, Scratch& scratch) {
  for (std::int32_t k = A.Cols() - 1; k >= 0; --k) {
    if (!DiagonaliseOne(k, e, anorm, scratch))
      platform::ShowErrorBox(u"no convergence in 100 svdcmp iterations", u"MatrixOperation::svdcmp");
  }
  ApplyRotations(scratch.rotations);
}

bool MatrixOperation::DiagonaliseOne(std::int32_t k, Vector& e, double anorm, Scratch& scratch) {
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
    if (cancel) ChaseSplit(l, k, e, anorm, scratch);
    if (l == k) {
      // Converged: make the singular value non-negative.
      if (w[k] < 0.0) {
        w[k] = -w[k];
        for (std::int32_t j = 0; j < V.Rows(); ++j) V[j][k] = -V[j][k];
      }
      return true;
    }
    QrSweep(l, k, e, scratch);
  }
  return false;
}

// Cancels e[l] when w[l - 1] is negligible, by Givens rotations on U.
void MatrixOperation::ChaseSplit(std::int32_t l, std::int32_t k, Vector& e, double anorm, Scratch& scratch) {
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
    Rotate(scratch.rotations, l - 1, i, c, s);
  }
}

// One implicit-shift QR sweep over rows l..k, shift from the bottom 2 x 2.
void MatrixOperation::QrSweep(std::int32_t l, std::int32_t k, Vector& e, Scratch& scratch) {
  const std::int32_t n = A.Cols();
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
    Rotate(scratch.rotations, j, i, c, s);
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
