#include "net/NetworkSetup.h"

#include <algorithm>
#include <iterator>

namespace {

void PutI32(unsigned char* out, std::int32_t value) {
  const auto bits = static_cast<std::uint32_t>(value);
  for (int i = 0; i < 4; ++i) out[i] = static_cast<unsigned char>(bits >> (8 * i));
}

std::int32_t GetI32(const unsigned char* in) {
  std::uint32_t bits = 0;
  for (int i = 0; i < 4; ++i) bits |= static_cast<std::uint32_t>(in[i]) << (8 * i);
  return static_cast<std::int32_t>(bits);
}

}  // namespace

void networkSetup::SetFileIdentity() {
  headerSize = kBytes;
  majorVersion = kMajor;
  minorVersion = kMinor;
  std::fill(std::begin(magic), std::end(magic), u'\0');
  for (int i = 0; kNetworkMagic[i]; ++i) magic[i] = kNetworkMagic[i];
}

bool networkSetup::MagicIs(const char16_t* text) const {
  int i = 0;
  for (; i < kMagicUnits && magic[i]; ++i) {
    if (magic[i] != text[i]) return false;
  }
  return text[i] == u'\0';
}

void networkSetup::Encode(unsigned char (&bytes)[kBytes]) const {
  std::fill(std::begin(bytes), std::end(bytes), 0);
  PutI32(bytes, headerSize);
  PutI32(bytes + 4, majorVersion);
  PutI32(bytes + 8, minorVersion);
  for (int i = 0; i < kMagicUnits; ++i) {
    bytes[12 + 2 * i] = static_cast<unsigned char>(magic[i] & 0xFF);
    bytes[13 + 2 * i] = static_cast<unsigned char>(magic[i] >> 8);
  }
  const std::int32_t fields[] = {
      family,           inputs, outputs, hidden1, hidden2, hidden1Activation, hidden2Activation,
      outputActivation, style};
  for (int i = 0; i < 9; ++i) PutI32(bytes + 76 + 4 * i, fields[i]);
  bytes[112] = complex;
}

void networkSetup::Decode(const unsigned char (&bytes)[kBytes]) {
  headerSize = GetI32(bytes);
  majorVersion = GetI32(bytes + 4);
  minorVersion = GetI32(bytes + 8);
  for (int i = 0; i < kMagicUnits; ++i)
    magic[i] = static_cast<char16_t>(bytes[12 + 2 * i] | (bytes[13 + 2 * i] << 8));
  std::int32_t* fields[] = {
      &family,           &inputs, &outputs, &hidden1, &hidden2, &hidden1Activation, &hidden2Activation,
      &outputActivation, &style};
  for (int i = 0; i < 9; ++i) *fields[i] = GetI32(bytes + 76 + 4 * i);
  complex = bytes[112];
}
