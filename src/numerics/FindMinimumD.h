#pragma once
#include <cstdint>

#include "numerics/LineFunction.h"
#include "numerics/ObjectiveFunction.h"
#include "numerics/Vector.h"

// Line minimisation in n dimensions: holds a point p (not owned) and a
// direction d, and serves the objective restricted to p + t d as a line
// function. LineMinimise moves p to the minimum along d.
class FindMinimumD : public LineFunction {
 public:
  FindMinimumD() = default;
  explicit FindMinimumD(ObjectiveFunction* objective) : objective(objective) {}

  void SetObjective(ObjectiveFunction* f) { objective = f; }
  // Remembers p and sizes the direction to its length (zeros). False when
  // that allocation fails.
  bool SetPoint(Vector& p);
  Vector& Direction() { return direction; }

  double ValueAt(double t) override;
  double SlopeAt(double t) override;

  // Golden-ratio expansion with parabolic extrapolation from a and b until
  // f(b) lies below f(a) and f(c).
  static void Bracket(LineFunction& f, double& a, double& b, double& c, double& fa, double& fb,
                      double& fc);
  // Brent's method with derivatives inside the bracket (a, b, c); returns the
  // minimum value and writes its abscissa to xmin. After 100 iterations it
  // reports the failure and returns 0 without writing xmin.
  static double dbrent(LineFunction& f, double a, double b, double c, double tol, double& xmin);
  // Brackets from t = 0 and 1, refines with dbrent, then scales d by the
  // step found and moves p by d. Returns the minimum value.
  double LineMinimise(LineFunction& f);

 private:
  void TrialPoint(double t, Vector& x) const;

  Vector direction;
  ObjectiveFunction* objective = nullptr;
  std::int32_t n = 0;
  Vector* point = nullptr;
};
