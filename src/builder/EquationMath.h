#pragma once
#include <cmath>
#include <cstdint>
#include <limits>

#include "builder/Equation.h"

// The numeric meaning of the builder's operators and functions. Every hazard
// has a defined result, and every function finishes in bounded time for any
// binary64 argument, so no value can make a build hang or trap.
namespace EquationMath {

constexpr int kOperatorCount = 18;
constexpr int kFunctionCount = 34;

enum Operator : std::int32_t {
  kPlus,
  kMinus,
  kTimes,
  kDivide,
  kRemainder,
  kPower,
  kGreater,
  kLess,
  kGreaterEqual,
  kLessEqual,
  kEqual,
  kNotEqual,
  kOr,
  kAnd,
  kXor,
  kMin,
  kMax,
  kBit,
};

enum Function : std::int32_t {
  kSin,
  kCos,
  kTan,
  kAsin,
  kAcos,
  kAtan,
  kSinh,
  kCosh,
  kTanh,
  kSqrt,
  kLog10,
  kLog,
  kExp,
  kAbs,
  kSinc,
  kTriangular,
  kSawtooth,
  kRect,
  kCeil,
  kFloor,
  kInteger,
  kIsPrime,
  kBesselJ0,
  kBesselJ1,
  kBesselY0,
  kBesselY1,
  kRand,
  kRandi,
  kRandr,
  kRandc,
  kArand,
  kArandc,
  kArandr,
  kNot,
};

constexpr double kPi = 3.141592653589793;
constexpr double kTwoPi = 6.283185307179586;

// The symbol shown for an operator code, "error" outside 0..17.
const char16_t* OperatorSymbol(std::int32_t code);
// The name of a function code, "error" outside 0..33.
const char16_t* FunctionName(std::int32_t code);

// "BIT": bit b of the 32-bit integer part of a (0 when a has none).
double Bit(double a, double b);

// a op b; an unknown code yields 0.
inline double ApplyOperator(std::int32_t code, double a, double b) {
  switch (code) {
    case kPlus: return a + b;
    case kMinus: return a - b;
    case kTimes: return a * b;
    case kDivide: return b == 0 ? 1e100 : a / b;
    case kRemainder: return b == 0 ? 0 : std::fmod(a, b);
    case kPower: return a == 0 ? 1 : std::pow(std::fabs(a), b);
    case kGreater: return a > b ? 1 : 0;
    case kLess: return a < b ? 1 : 0;
    case kGreaterEqual: return a >= b ? 1 : 0;
    case kLessEqual: return a <= b ? 1 : 0;
    case kEqual: return a == b ? 1 : 0;
    case kNotEqual: return a != b ? 1 : 0;
    case kOr: return (a != 0 || b != 0) ? 1 : 0;
    case kAnd: return (a != 0 && b != 0) ? 1 : 0;
    case kXor: return ((a != 0) != (b != 0)) ? 1 : 0;
    case kMin: return a < b ? a : b;
    case kMax: return a > b ? a : b;
    case kBit: return Bit(a, b);
    default: return 0;
  }
}

// A result as it is stored: every NaN becomes the one positive quiet NaN.
// Which NaN an operation yields depends on the order in which the compiler
// hands it the operands, so without this two correct builds could write
// "nan" and "-nan" for the same cell.
inline double Stored(double result) {
  return result == result ? result : std::numeric_limits<double>::quiet_NaN();
}

// Which draws of the row- and column-bound random functions take place.
struct DrawFlags {
  bool firstRow = false;
  bool firstColumn = false;
};

// f(x) into result; false when the function stores nothing (a random
// function that does not draw this time, or an unknown code).
bool ApplyFunction(std::int32_t code, double x, DrawFlags flags, double& result);

// The single functions whose special cases need more than a line.
double Tan(double x);
double Triangular(double x);
double Sawtooth(double x);
double Rect(double x);
double IsPrime(double x);
double Integer(double x);

// The result of one equation of form `kind` from its operand values a..d;
// false when the equation keeps its value (a constant, a random function
// that does not draw, an unknown form or function).
inline bool EvaluateForm(std::int32_t kind, std::int32_t function, std::int32_t op1, std::int32_t op2,
                         std::int32_t op3, double a, double b, double c, double d, DrawFlags flags,
                         double& result) {
  switch (kind) {
    case kFunction: return ApplyFunction(function, b, flags, result);
    case kPair: result = ApplyOperator(op1, a, b); return true;
    case kPairThenOperand: result = ApplyOperator(op2, ApplyOperator(op1, a, b), c); return true;
    case kPairOfPairs: {
      const double right = ApplyOperator(op3, c, d);
      result = ApplyOperator(op2, ApplyOperator(op1, a, b), right);
      return true;
    }
    case kConditional: result = b != 0 ? c : d; return true;
    case kAssignment: result = a; return true;
    default: return false;
  }
}

}  // namespace EquationMath
