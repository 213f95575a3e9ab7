#pragma once
#include <cstddef>
#include <cstdint>

// One equation of the data set builder: a fixed-size record of a form, a
// left-hand name and slots that refer to NameTable entries by index. The
// same 80 bytes are stored in builder files.
enum EquationKind : std::int32_t {
  kConstant = 0,
  kFunction = 1,
  kPair = 2,
  kPairThenOperand = 3,
  kPairOfPairs = 4,
  kConditional = 5,
  kAssignment = 6,
};

constexpr int kEquationKinds = 7;
constexpr std::size_t kEquationBytes = 80;
constexpr std::size_t kEquationNameUnits = 18;

struct Equation {
  std::int32_t kind = kConstant;
  char16_t name[kEquationNameUnits] = {};
  double value = 0;
  std::int32_t function = 0;
  std::int32_t operandA = 0;
  std::int32_t operandB = 0;
  std::int32_t operandC = 0;
  std::int32_t operandD = 0;
  std::int32_t operator1 = 0;
  std::int32_t operator2 = 0;
  std::int32_t operator3 = 0;

  // Copies text into `name`, cut so that the last unit stays NUL.
  void SetName(const char16_t* text);
  bool operator==(const Equation& other) const;

  // The stored form, little-endian, field by field. Decode always leaves a
  // NUL-terminated name, whatever the bytes hold.
  void Encode(unsigned char (&bytes)[kEquationBytes]) const;
  void Decode(const unsigned char (&bytes)[kEquationBytes]);
};
