#include "numerics/FindMinimumD.h"

#include <cmath>
#include <utility>

#include "platform/ErrorBox.h"

namespace {

constexpr double kGold = 1.618034;
constexpr double kGrowLimit = 100.0;
constexpr double kTiny = 1e-20;
constexpr int kMaxIterations = 100;
constexpr double kZeps = 1e-10;
constexpr double kLineTolerance = 0.0002;

double WithSignOf(double a, double b) { return b >= 0.0 ? std::fabs(a) : -std::fabs(a); }

// One point of the line search: abscissa, value, slope.
struct Probe {
  double t, f, df;
};

}  // namespace

bool FindMinimumD::SetPoint(Vector& p) {
  point = &p;
  n = p.Length();
  return direction.Resize(n);
}

void FindMinimumD::TrialPoint(double t, Vector& x) const {
  x.Resize(n);
  for (std::int32_t j = 0; j < n; ++j) x[j] = (*point)[j] + t * direction[j];
}

double FindMinimumD::ValueAt(double t) {
  Vector x;
  TrialPoint(t, x);
  return objective->Value(x);
}

double FindMinimumD::SlopeAt(double t) {
  Vector x, g;
  TrialPoint(t, x);
  objective->Gradient(x, g);
  double slope = 0.0;
  for (std::int32_t j = 0; j < n; ++j) slope += g[j] * direction[j];
  return slope;
}

void FindMinimumD::Bracket(LineFunction& f, double& a, double& b, double& c, double& fa, double& fb,
                           double& fc) {
  fa = f.ValueAt(a);
  fb = f.ValueAt(b);
  if (fb > fa) {
    std::swap(a, b);
    std::swap(fa, fb);
  }
  c = b + kGold * (b - a);
  fc = f.ValueAt(c);
  while (fb > fc) {
    const double r = (b - a) * (fb - fc);
    const double q = (b - c) * (fb - fa);
    const double u0 = b - ((b - c) * q - (b - a) * r) / (2.0 * WithSignOf(std::fmax(std::fabs(q - r), kTiny), q - r));
    const double ulim = b + kGrowLimit * (c - b);
    double u = u0, fu;
    if ((b - u) * (u - c) > 0.0) {
      fu = f.ValueAt(u);
      if (fu < fc) {
        a = b;
        b = u;
        fa = fb;
        fb = fu;
        return;
      }
      if (fu > fb) {
        c = u;
        fc = fu;
        return;
      }
      u = c + kGold * (c - b);
      fu = f.ValueAt(u);
    } else if ((c - u) * (u - ulim) > 0.0) {
      fu = f.ValueAt(u);
      if (fu < fc) {
        b = c;
        c = u;
        u = c + kGold * (c - b);
        fb = fc;
        fc = fu;
        fu = f.ValueAt(u);
      }
    } else if ((u - ulim) * (ulim - c) >= 0.0) {
      u = ulim;
      fu = f.ValueAt(u);
    } else {
      u = c + kGold * (c - b);
      fu = f.ValueAt(u);
    }
    a = b;
    b = c;
    c = u;
    fa = fb;
    fb = fc;
    fc = fu;
  }
}

double FindMinimumD::dbrent(LineFunction& f, double ax, double bx, double cx, double tol, double& xmin) {
  double a = ax < cx ? ax : cx;
  double b = ax > cx ? ax : cx;
  Probe x{bx, f.ValueAt(bx), 0.0};
  x.df = f.SlopeAt(bx);
  Probe w = x, v = x;
  double d = 0.0, e = 0.0;
  for (int iteration = 1; iteration <= kMaxIterations; ++iteration) {
    const double xm = 0.5 * (a + b);
    const double tol1 = tol * std::fabs(x.t) + kZeps;
    const double tol2 = 2.0 * tol1;
    if (std::fabs(x.t - xm) <= tol2 - 0.5 * (b - a)) {
      xmin = x.t;
      return x.f;
    }
    bool bisect = true;
    if (std::fabs(e) > tol1) {
      double d1 = 2.0 * (b - a), d2 = d1;
      if (w.df != x.df) d1 = (w.t - x.t) * x.df / (x.df - w.df);
      if (v.df != x.df) d2 = (v.t - x.t) * x.df / (x.df - v.df);
      const double u1 = x.t + d1, u2 = x.t + d2;
      const bool ok1 = (a - u1) * (u1 - b) > 0.0 && x.df * d1 <= 0.0;
      const bool ok2 = (a - u2) * (u2 - b) > 0.0 && x.df * d2 <= 0.0;
      const double olde = e;
      e = d;
      if (ok1 || ok2) {
        if (ok1 && ok2) {
          d = std::fabs(d1) < std::fabs(d2) ? d1 : d2;
        } else {
          d = ok1 ? d1 : d2;
        }
        if (std::fabs(d) <= std::fabs(0.5 * olde)) {
          bisect = false;
          const double u = x.t + d;
          if (u - a < tol2 || b - u < tol2) d = WithSignOf(tol1, xm - x.t);
        }
      }
    }
    if (bisect) {
      e = x.df >= 0.0 ? a - x.t : b - x.t;
      d = 0.5 * e;
    }
    Probe u;
    if (std::fabs(d) >= tol1) {
      u.t = x.t + d;
      u.f = f.ValueAt(u.t);
    } else {
      u.t = x.t + WithSignOf(tol1, d);
      u.f = f.ValueAt(u.t);
      if (u.f > x.f) {
        xmin = x.t;
        return x.f;
      }
    }
    u.df = f.SlopeAt(u.t);
    if (u.f <= x.f) {
      if (u.t >= x.t) {
        a = x.t;
      } else {
        b = x.t;
      }
      v = w;
      w = x;
      x = u;
    } else {
      if (u.t < x.t) {
        a = u.t;
      } else {
        b = u.t;
      }
      if (u.f <= w.f || w.t == x.t) {
        v = w;
        w = u;
      } else if (u.f < v.f || v.t == x.t || v.t == w.t) {
        v = u;
      }
    }
  }
  platform::ShowErrorBox(u"Too many iterations in dbrent", u"FindMinimumD::dbrent");
  return 0.0;
}

double FindMinimumD::LineMinimise(LineFunction& f) {
  double a = 0.0, b = 1.0, c = 2.0, fa, fb, fc;
  Bracket(f, a, b, c, fa, fb, fc);
  const double value = dbrent(f, a, b, c, kLineTolerance, a);
  for (std::int32_t j = 0; j < n; ++j) {
    direction[j] *= a;
    (*point)[j] += direction[j];
  }
  return value;
}
