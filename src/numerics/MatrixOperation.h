#pragma once
#include <cstdint>
#include <memory>

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
  // vectors cannot be allocated (nothing changed then).
  bool svdcmp();
  // x = V diag(1/w) U^T b, taking 1/0 as 0 (the minimum-norm solution when
  // A is rank deficient). False when a scratch vector cannot be allocated.
  bool BackSubstitute(const Vector& b, Vector& x) const;
  void Release();

  Matrix A;
  Vector w;
  Matrix V;

 private:
  // U's plane rotations. They follow from w and e alone, so the
  // diagonalisation only records them, in order, and they are applied to
  // U in few passes over its rows: each row still takes every rotation in
  // the order found, so the results are those of rotating U at once.
  struct RotationLog {
    std::unique_ptr<std::int32_t[]> columns;  // the pair (p, q) of each
    Vector c;
    Vector s;
    std::int32_t count = 0;
    std::int32_t capacity = 0;
    bool Allocate(std::int32_t n);
  };
  struct Scratch {
    Vector columns;
    RotationLog rotations;
  };

  void Bidiagonalise(Vector& e, double& anorm, Vector& factors);
  void ReflectRows(std::int32_t i, const Vector& e);
  void AccumulateRight(const Vector& e);
  void AccumulateLeft(Vector& factors);
  void ColumnProducts(std::int32_t i, std::int32_t first, std::int32_t from, Vector& sums) const;
  void AddColumnMultiples(std::int32_t i, std::int32_t first, std::int32_t from, const Vector& factors);
  // Records the rotation of columns p and q of U, applying what was
  // recorded first when the log is full.
  void Rotate(RotationLog& log, std::int32_t p, std::int32_t q, double c, double s);
  void ApplyRotations(RotationLog& log);
  void Diagonalise(Vector& e, double anorm, Scratch& scratch);
  // QR sweeps on the bidiagonal form until w[k] separates; false when the
  // iteration limit is reached first.
  bool DiagonaliseOne(std::int32_t k, Vector& e, double anorm, Scratch& scratch);
  void ChaseSplit(std::int32_t l, std::int32_t k, Vector& e, double anorm, Scratch& scratch);
  void QrSweep(std::int32_t l, std::int32_t k, Vector& e, Scratch& scratch);
};

// sqrt(a^2 + b^2) without destructive overflow or underflow.
double Hypotenuse(double a, double b);
