#include "builder/EquationMath.h"

#include <limits>

#include "numerics/Random.h"

#ifdef _WIN32
extern "C" double _j0(double);
extern "C" double _j1(double);
extern "C" double _y0(double);
extern "C" double _y1(double);
#endif

namespace EquationMath {

namespace {

const char16_t* const kOperatorSymbols[kOperatorCount] = {
    u"+",      u"\u2013", u"\u00D7", u"\u00F7", u"%",   u"^",   u">",   u"<",   u"\u2265",
    u"\u2264", u"==",     u"\u2260", u"OR",     u"AND", u"XOR", u"MIN", u"MAX", u"BIT",
};

const char16_t* const kFunctionNames[kFunctionCount] = {
    u"sin",      u"cos",        u"tan",       u"asin",      u"acos",      u"atan",  u"sinh",
    u"cosh",     u"tanh",       u"sqrt",      u"log10",     u"log",       u"exp",   u"abs",
    u"sinc",     u"triangular", u"sawtooth",  u"rect",      u"ceil",      u"floor", u"integer",
    u"is_prime", u"bessel_j0",  u"bessel_j1", u"bessel_y0", u"bessel_y1", u"rand",  u"randi",
    u"randr",    u"randc",      u"arand",     u"arandc",    u"arandr",    u"not",
};

// Repeated subtraction of a period is what defines the reduced argument,
// rounding of every step included. Beyond this many steps (and for
// infinities, where it would never end) the exact remainder takes its place.
constexpr double kMaxReductionSteps = 4096;

constexpr double kInt32Limit = 2147483648.0;

double BesselJ0(double x) {
#ifdef _WIN32
  return _j0(x);
#else
  return ::j0(x);
#endif
}

double BesselJ1(double x) {
#ifdef _WIN32
  return _j1(x);
#else
  return ::j1(x);
#endif
}

double BesselY0(double x) {
#ifdef _WIN32
  return _y0(x);
#else
  return ::y0(x);
#endif
}

double BesselY1(double x) {
#ifdef _WIN32
  return _y1(x);
#else
  return ::y1(x);
#endif
}

// While x > half subtract period; while x <= -half (or < -half when
// `closedBelow` is false) add period. NaN stays NaN, infinities become NaN.
double ReduceByPeriods(double x, double period, double half, bool closedBelow) {
  if (std::isinf(x)) return std::numeric_limits<double>::quiet_NaN();
  if (std::fabs(x) > kMaxReductionSteps * period) {
    x = std::fmod(x, period);
  } else {
    while (x > half) x -= period;
    if (closedBelow) {
      while (x <= -half) x += period;
    } else {
      while (x < -half) x += period;
    }
    return x;
  }
  if (x > half) x -= period;
  if (closedBelow ? x <= -half : x < -half) x += period;
  return x;
}

double ReducePeriodic(double x) { return ReduceByPeriods(x, kTwoPi, kPi, true); }

double Draw(double x) { return -x + 2 * x * Random::Uniform(); }
double DrawPositive(double x) { return x * Random::Uniform(); }

double RandomInteger(double x) {
  const double n = Integer(x);
  return std::trunc(Random::Uniform() * (n + 1));
}

double Clamp(double x, double low, double high) { return x < low ? low : (x > high ? high : x); }

}  // namespace

const char16_t* OperatorSymbol(std::int32_t code) {
  return code >= 0 && code < kOperatorCount ? kOperatorSymbols[code] : u"error";
}

const char16_t* FunctionName(std::int32_t code) {
  return code >= 0 && code < kFunctionCount ? kFunctionNames[code] : u"error";
}

double Bit(double a, double b) {
  // Values of a below 1 have no binary digits; a at or beyond 2^31 (and NaN)
  // has no 32-bit integer part, so it yields 0 as well.
  if (!(a >= 1) || a >= kInt32Limit) return 0;
  if (!(b >= 0) || b >= kInt32Limit) return 0;
  const std::int32_t n = static_cast<std::int32_t>(a);
  const std::int32_t k = static_cast<std::int32_t>(b);
  const std::int32_t digits = static_cast<std::int32_t>(std::log(n) / std::log(2.0) + 1);
  if (k >= digits) return 0;
  return (n >> k) & 1;
}

double Tan(double x) {
  x = ReduceByPeriods(x, kPi, kPi, false);
  if (x == 1.5707963267948966 || x == -1.5707963267948966) return 0;
  return std::tan(x);
}

double Triangular(double x) {
  if (x == 0) return 1;
  x = ReducePeriodic(x);
  return x > 0 ? 1 - 4 * x / kTwoPi : 1 + 4 * x / kTwoPi;
}

double Sawtooth(double x) {
  if (x == 0) return 0;
  return ReducePeriodic(x) / kPi;
}

double Rect(double x) {
  if (x == 0) return 0;
  return ReducePeriodic(x) > 0 ? 1 : -1;
}

double Integer(double x) {
  if (std::isnan(x)) return 0;
  if (x >= kInt32Limit) return kInt32Limit - 1;
  if (x <= -kInt32Limit) return -kInt32Limit;
  return std::trunc(x);
}

double IsPrime(double x) {
  // Only values with a 32-bit integer part can be prime; trial division up
  // to the square root answers the same as trying every d below n/2.
  if (std::isnan(x) || x >= kInt32Limit || x <= -kInt32Limit) return 0;
  const std::int32_t n = static_cast<std::int32_t>(x);
  if (n == 2) return 1;
  if (n < 3 || n % 2 == 0) return 0;
  for (std::int32_t d = 3; d <= n / d; d += 2)
    if (n % d == 0) return 0;
  return 1;
}

bool ApplyFunction(std::int32_t code, double x, DrawFlags flags, double& result) {
  switch (code) {
    case kSin: result = std::sin(x); return true;
    case kCos: result = std::cos(x); return true;
    case kTan: result = Tan(x); return true;
    case kAsin: result = std::asin(Clamp(x, -1, 1)); return true;
    case kAcos: result = std::acos(Clamp(x, -1, 1)); return true;
    case kAtan: result = std::atan(x); return true;
    case kSinh: result = std::sinh(x); return true;
    case kCosh: result = std::cosh(x); return true;
    case kTanh: result = std::tanh(x); return true;
    case kSqrt: result = x < 0 ? 0 : std::sqrt(x); return true;
    case kLog10: result = x > 0 ? std::log10(x) : -1e50; return true;
    case kLog: result = x > 0 ? std::log(x) : -1e50; return true;
    case kExp: result = std::exp(x); return true;
    case kAbs: result = std::fabs(x); return true;
    case kSinc: result = x == 0 ? 1 : std::sin(kPi * x) / (kPi * x); return true;
    case kTriangular: result = Triangular(x); return true;
    case kSawtooth: result = Sawtooth(x); return true;
    case kRect: result = Rect(x); return true;
    case kCeil: result = std::ceil(x); return true;
    case kFloor: result = std::floor(x); return true;
    case kInteger: result = Integer(x); return true;
    case kIsPrime: result = IsPrime(x); return true;
    case kBesselJ0: result = BesselJ0(x); return true;
    case kBesselJ1: result = BesselJ1(x); return true;
    case kBesselY0: result = x > 0 ? BesselY0(x) : 0; return true;
    case kBesselY1: result = x > 0 ? BesselY1(x) : 0; return true;
    case kRand: result = Draw(x); return true;
    case kRandi: result = RandomInteger(x); return true;
    case kRandr:
      if (!flags.firstColumn) return false;
      result = Draw(x);
      return true;
    case kRandc:
      if (!flags.firstRow) return false;
      result = Draw(x);
      return true;
    case kArand: result = DrawPositive(x); return true;
    case kArandc:
      if (!flags.firstRow) return false;
      result = DrawPositive(x);
      return true;
    case kArandr:
      if (!flags.firstColumn) return false;
      result = DrawPositive(x);
      return true;
    case kNot: result = x == 0 ? 1 : 0; return true;
    default: return false;
  }
}

}  // namespace EquationMath
