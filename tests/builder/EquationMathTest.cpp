#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>

#include "builder/EquationMath.h"
#include "numerics/Random.h"

namespace {

using namespace EquationMath;

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

double F(Function code, double x, DrawFlags flags = {true, true}) {
  double result = -12345;
  EXPECT_TRUE(ApplyFunction(code, x, flags, result));
  return result;
}

TEST(EquationMath, OperatorsWithTheirSpecialCases) {
  struct Case {
    std::int32_t op;
    double a, b, expected;
  } cases[] = {
      {kPlus, 2, 3, 5},
      {kMinus, 2, 3, -1},
      {kTimes, 2, 3, 6},
      {kDivide, 7, 2, 3.5},
      {kDivide, 7, 0, 1e100},
      {kDivide, 0, 0, 1e100},
      {kRemainder, 7, 3, 1},
      {kRemainder, -7, 3, -1},
      {kRemainder, 7, 0, 0},
      {kPower, 0, -5, 1},
      {kPower, 0, 0, 1},
      {kPower, -2, 3, 8},
      {kPower, 2, 0.5, std::sqrt(2.0)},
      {kPower, -2, 0.5, std::sqrt(2.0)},
      {kGreater, 2, 1, 1},
      {kGreater, 1, 1, 0},
      {kLess, 1, 2, 1},
      {kLess, 2, 2, 0},
      {kGreaterEqual, 2, 2, 1},
      {kGreaterEqual, 1, 2, 0},
      {kLessEqual, 2, 2, 1},
      {kLessEqual, 3, 2, 0},
      {kEqual, 2, 2, 1},
      {kEqual, 2, 3, 0},
      {kNotEqual, 2, 3, 1},
      {kNotEqual, 2, 2, 0},
      {kOr, 0, 0, 0},
      {kOr, 0, -1, 1},
      {kAnd, 1, 0, 0},
      {kAnd, 2, -3, 1},
      {kXor, 1, 1, 0},
      {kXor, 0, 5, 1},
      {kXor, 0, 0, 0},
      {kMin, 1, 2, 1},
      {kMin, 3, 2, 2},
      {kMax, 1, 2, 2},
      {kMax, 3, 2, 3},
      {kBit, 16, 4, 1},
      {kBit, 15, 4, 0},
      {kBit, 15, 0, 1},
      {kBit, 5, 1, 0},
      {kBit, 5, 2, 1},
      {kBit, 0.5, 0, 0},
      {kBit, 16, -1, 0},
      {kBit, 16, 5, 0},
      {kBit, 16.9, 4.9, 1},
      {kBit, -16, 4, 0},
      {kBit, 1e300, 3, 0},
      {kBit, kInf, 0, 0},
      {kBit, kNaN, 0, 0},
      {kBit, 7, kNaN, 0},
      {kBit, 7, kInf, 0},
      {kBit, 2147483647, 30, 1},
      {18, 1, 2, 0},
      {-1, 1, 2, 0},
  };
  for (const Case& c : cases)
    EXPECT_EQ(ApplyOperator(c.op, c.a, c.b), c.expected) << "op " << c.op << " a " << c.a << " b " << c.b;
}

TEST(EquationMath, ComparisonsWithNaNAreFalseExceptNotEqual) {
  for (std::int32_t op : {kGreater, kLess, kGreaterEqual, kLessEqual, kEqual})
    EXPECT_EQ(ApplyOperator(op, kNaN, 1), 0) << op;
  EXPECT_EQ(ApplyOperator(kNotEqual, kNaN, kNaN), 1);
  EXPECT_EQ(ApplyOperator(kOr, kNaN, 0), 1);  // NaN counts as non-zero
}

TEST(EquationMath, FunctionsWithTheirSpecialCases) {
  const double pi = kPi;
  struct Case {
    Function f;
    double x, expected;
  } cases[] = {
      {kSin, pi / 2, 1},
      {kCos, 0, 1},
      {kTan, 1.5707963267948966, 0},
      {kTan, -1.5707963267948966, 0},
      {kTan, 0.5, std::tan(0.5)},
      {kTan, pi + 0.5, std::tan(pi + 0.5 - pi)},
      {kTan, -pi - 0.5, std::tan(-pi - 0.5 + pi)},
      {kAsin, 2, pi / 2},
      {kAsin, -7, -pi / 2},
      {kAcos, 2, 0},
      {kAcos, -2, pi},
      {kAtan, 1, std::atan(1.0)},
      {kSinh, 1, std::sinh(1.0)},
      {kCosh, 1, std::cosh(1.0)},
      {kTanh, 1, std::tanh(1.0)},
      {kSqrt, -4, 0},
      {kSqrt, 9, 3},
      {kLog10, 1000, 3},
      {kLog10, 0, -1e50},
      {kLog10, -1, -1e50},
      {kLog, 0, -1e50},
      {kLog, 1, 0},
      {kExp, 0, 1},
      {kExp, 1000, kInf},
      {kAbs, -2.5, 2.5},
      {kSinc, 0, 1},
      {kSinc, 0.5, std::sin(pi * 0.5) / (pi * 0.5)},
      {kTriangular, 0, 1},
      {kTriangular, -pi / 2, 0},
      {kTriangular, pi, -1},
      {kTriangular, pi / 2, 0},
      {kSawtooth, 0, 0},
      {kSawtooth, -pi / 2, -0.5},
      {kSawtooth, pi / 2, 0.5},
      {kSawtooth, pi, 1},
      {kRect, 0, 0},
      {kRect, -1, -1},
      {kRect, 1, 1},
      {kRect, 2 * pi + 1, 1},
      {kCeil, -2.7, -2},
      {kFloor, -2.7, -3},
      {kInteger, -2.7, -2},
      {kInteger, 2.7, 2},
      {kInteger, 1e300, 2147483647},
      {kInteger, -1e300, -2147483648.0},
      {kInteger, kNaN, 0},
      {kIsPrime, 0, 0},
      {kIsPrime, 1, 0},
      {kIsPrime, 2, 1},
      {kIsPrime, 3, 1},
      {kIsPrime, 5, 1},
      {kIsPrime, 7.9, 1},
      {kIsPrime, 9, 0},
      {kIsPrime, 4, 0},
      {kIsPrime, -7, 0},
      {kIsPrime, 2147483647, 1},
      {kIsPrime, 2147483645, 0},
      {kIsPrime, 1e300, 0},
      {kIsPrime, kInf, 0},
      {kIsPrime, kNaN, 0},
      {kIsPrime, 25, 0},
      {kIsPrime, 49, 0},
      {kIsPrime, 97, 1},
      {kBesselJ0, 0, 1},
      {kBesselJ1, 0, 0},
      {kBesselY0, 0, 0},
      {kBesselY0, -1, 0},
      {kBesselY1, -1, 0},
      {kNot, 0, 1},
      {kNot, 3, 0},
  };
  for (const Case& c : cases) EXPECT_DOUBLE_EQ(F(c.f, c.x), c.expected) << c.f << " " << c.x;
  EXPECT_NEAR(F(kBesselJ0, 1), 0.7651976865579666, 1e-15);
  EXPECT_NEAR(F(kBesselY1, 1), -0.7812128213002887, 1e-15);
}

TEST(EquationMath, PeriodicFunctionsRepeatForNegativeAndPositiveArguments) {
  for (double x : {0.3, 1.0, 2.5, -0.7, -2.9}) {
    for (int k : {-3, -1, 1, 4}) {
      const double shifted = x + k * kTwoPi;
      EXPECT_NEAR(Triangular(shifted), Triangular(x), 1e-12) << x << " " << k;
      EXPECT_NEAR(Sawtooth(shifted), Sawtooth(x), 1e-12) << x << " " << k;
      EXPECT_EQ(Rect(shifted), Rect(x)) << x << " " << k;
    }
  }
}

TEST(EquationMath, HugeInfiniteAndNaNArgumentsFinishWithDefinedResults) {
  for (double x : {1e300, -1e300, 1e17, -4e15, 12345678.9, kInf, -kInf, kNaN}) {
    for (Function f : {kTan, kTriangular, kSawtooth, kRect, kIsPrime, kInteger, kSin, kBesselJ0, kBesselY1}) {
      double result = 0;
      EXPECT_TRUE(ApplyFunction(f, x, {}, result));
      if (std::isfinite(x) && f != kBesselY1) {
        EXPECT_FALSE(std::isnan(result)) << f << " " << x;
      }
    }
    EXPECT_EQ(ApplyOperator(kBit, x, 3), ApplyOperator(kBit, x, 3));
  }
  // A huge argument is reduced by the exact remainder: still within one period.
  EXPECT_GE(Sawtooth(1e300), -1);
  EXPECT_LE(Sawtooth(1e300), 1);
  EXPECT_TRUE(std::isnan(Tan(kInf)));
  EXPECT_TRUE(std::isnan(Sawtooth(-kInf)));
  EXPECT_EQ(Rect(kNaN), -1);
}

TEST(EquationMath, StoredResultsHaveOneNaN) {
  const double negative = -kNaN;
  const double stored = Stored(negative), plain = Stored(kNaN);
  EXPECT_TRUE(std::isnan(stored));
  EXPECT_FALSE(std::signbit(stored));
  EXPECT_EQ(std::memcmp(&stored, &plain, sizeof stored), 0);
  EXPECT_EQ(Stored(-0.0), 0.0);
  EXPECT_TRUE(std::signbit(Stored(-0.0)));
}

TEST(EquationMath, RandomFunctionsDrawOnlyWhenTheirFlagIsSet) {
  Random::Restart();
  const double u1 = Random::Uniform(), u2 = Random::Uniform();
  Random::Restart();
  EXPECT_DOUBLE_EQ(F(kRand, 2), -2 + 4 * u1);
  EXPECT_DOUBLE_EQ(F(kArand, 3), 3 * u2);
  double kept = 42;
  for (Function f : {kRandr, kArandr}) EXPECT_FALSE(ApplyFunction(f, 1, {true, false}, kept));
  for (Function f : {kRandc, kArandc}) EXPECT_FALSE(ApplyFunction(f, 1, {false, true}, kept));
  EXPECT_EQ(kept, 42);
  EXPECT_FALSE(ApplyFunction(34, 1, {true, true}, kept));
  EXPECT_FALSE(ApplyFunction(-1, 1, {true, true}, kept));
  for (int i = 0; i < 200; ++i) {
    const double n = F(kRandi, 3);
    EXPECT_TRUE(n == 0 || n == 1 || n == 2 || n == 3) << n;
  }
}

TEST(EquationMath, NamesAndSymbolsInCodeOrder) {
  EXPECT_EQ(std::u16string(OperatorSymbol(kMinus)), u"\u2013");
  EXPECT_EQ(std::u16string(OperatorSymbol(kNotEqual)), u"\u2260");
  EXPECT_EQ(std::u16string(OperatorSymbol(kBit)), u"BIT");
  EXPECT_EQ(std::u16string(OperatorSymbol(18)), u"error");
  EXPECT_EQ(std::u16string(FunctionName(kIsPrime)), u"is_prime");
  EXPECT_EQ(std::u16string(FunctionName(kNot)), u"not");
  EXPECT_EQ(std::u16string(FunctionName(34)), u"error");
}

}  // namespace
