#pragma once
#include <cstdint>

#include "numerics/Matrix.h"
#include "numerics/Vector.h"

// Linear least squares through a singular value decomposition: Setup, fill
// A with one equation per row, svdcmp, then BackSubstitute for each
// right-hand side. After svdcmp, A holds U and A = U diag(w) V^T.
class MatrixOperation {
 public:
  MatrixOperation() = default;
  virtual ~MatrixOperation() = default;

  // Requires m >= n. Sizes A (m x n), w (n) and V (n x n) to zeros.
  Message Setup(std::int32_t m, std::int32_t n);
  // Golub-Reinsch SVD with implicit-shift QR. False only when its scratch
  // vector cannot be allocated (nothing changed then).
  bool svdcmp();
  // x = V diag(1/w) U^T b, taking 1/0 as 0 (the minimum-norm solution when
  // A is rank deficient). False when a scratch vector cannot be allocated.
  bool BackSubstitute(const Vector& b, Vector& x) const;
  void Release();

  Matrix A;
  Vector w;
  Matrix V;

 private:
  void Bidiagonalise(Vector& e, double& anorm);
  void AccumulateRight(const Vector& e);
  void AccumulateLeft();
  void Diagonalise(Vector& e, double anorm);
  // QR sweeps on the bidiagonal form until w[k] separates; false when the
  // iteration limit is reached first.
  bool DiagonaliseOne(std::int32_t k, Vector& e, double anorm);
  void ChaseSplit(std::int32_t l, std::int32_t k, Vector& e, double anorm);
  void QrSweep(std::int32_t l, std::int32_t k, Vector& e);
};

// sqrt(a^2 + b^2) without destructive overflow or underflow.
double Hypotenuse(double a, double b);
