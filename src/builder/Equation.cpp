#include "builder/Equation.h"

#include <cstring>

namespace {

void PutU32(unsigned char* out, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) out[i] = static_cast<unsigned char>(v >> (8 * i));
}

std::uint32_t GetU32(const unsigned char* in) {
  std::uint32_t v = 0;
  for (int i = 0; i < 4; ++i) v |= static_cast<std::uint32_t>(in[i]) << (8 * i);
  return v;
}

void PutI32(unsigned char* out, std::int32_t v) { PutU32(out, static_cast<std::uint32_t>(v)); }
std::int32_t GetI32(const unsigned char* in) { return static_cast<std::int32_t>(GetU32(in)); }

void PutDouble(unsigned char* out, double v) {
  std::uint64_t bits;
  std::memcpy(&bits, &v, 8);
  PutU32(out, static_cast<std::uint32_t>(bits));
  PutU32(out + 4, static_cast<std::uint32_t>(bits >> 32));
}

double GetDouble(const unsigned char* in) {
  const std::uint64_t bits = GetU32(in) | (static_cast<std::uint64_t>(GetU32(in + 4)) << 32);
  double v;
  std::memcpy(&v, &bits, 8);
  return v;
}

}  // namespace

void Equation::SetName(const char16_t* text) {
  std::size_t i = 0;
  for (; i + 1 < kEquationNameUnits && text[i]; ++i) name[i] = text[i];
  for (; i < kEquationNameUnits; ++i) name[i] = 0;
}

bool Equation::operator==(const Equation& other) const {
  return kind == other.kind && std::memcmp(name, other.name, sizeof name) == 0 &&
         std::memcmp(&value, &other.value, sizeof value) == 0 && function == other.function &&
         operandA == other.operandA && operandB == other.operandB && operandC == other.operandC &&
         operandD == other.operandD && operator1 == other.operator1 && operator2 == other.operator2 &&
         operator3 == other.operator3;
}

void Equation::Encode(unsigned char (&bytes)[kEquationBytes]) const {
  PutI32(bytes, kind);
  for (std::size_t i = 0; i < kEquationNameUnits; ++i) {
    bytes[4 + 2 * i] = static_cast<unsigned char>(name[i]);
    bytes[5 + 2 * i] = static_cast<unsigned char>(name[i] >> 8);
  }
  PutDouble(bytes + 40, value);
  const std::int32_t slots[] = {function, operandA,  operandB,  operandC,
                                operandD, operator1, operator2, operator3};
  for (int i = 0; i < 8; ++i) PutI32(bytes + 48 + 4 * i, slots[i]);
}

void Equation::Decode(const unsigned char (&bytes)[kEquationBytes]) {
  kind = GetI32(bytes);
  for (std::size_t i = 0; i < kEquationNameUnits; ++i)
    name[i] = static_cast<char16_t>(bytes[4 + 2 * i] | (bytes[5 + 2 * i] << 8));
  name[kEquationNameUnits - 1] = 0;
  value = GetDouble(bytes + 40);
  std::int32_t* slots[] = {&function, &operandA,  &operandB,  &operandC,
                           &operandD, &operator1, &operator2, &operator3};
  for (int i = 0; i < 8; ++i) *slots[i] = GetI32(bytes + 48 + 4 * i);
}
