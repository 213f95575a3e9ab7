#pragma once
#include <cstdint>

// The description of a network: what the Network Setup dialog edits, what
// Create builds from, and, as its 116-byte little-endian form, the header of
// a network file.
struct networkSetup {
  static constexpr int kBytes = 116;
  static constexpr int kMagicUnits = 32;
  static constexpr std::int32_t kMajor = 3;
  static constexpr std::int32_t kMinor = 1;
  static constexpr std::int32_t kLayerFamily = 1;
  static constexpr std::int32_t kKohonenFamily = 2;

  std::int32_t headerSize = kBytes;
  std::int32_t majorVersion = kMajor;
  std::int32_t minorVersion = kMinor;
  char16_t magic[kMagicUnits] = {};
  std::int32_t family = kLayerFamily;
  std::int32_t inputs = 0;
  std::int32_t outputs = 0;
  std::int32_t hidden1 = 0;
  std::int32_t hidden2 = 0;
  std::int32_t hidden1Activation = 0;
  std::int32_t hidden2Activation = 0;
  std::int32_t outputActivation = 0;
  std::int32_t style = 0;
  std::uint8_t complex = 0;

  // Size, version and the magic text of a network file.
  void SetFileIdentity();
  // Whether the magic text, up to its terminator, is `text`.
  bool MagicIs(const char16_t* text) const;
  void Encode(unsigned char (&bytes)[kBytes]) const;
  void Decode(const unsigned char (&bytes)[kBytes]);
};

enum NetworkStyle : std::int32_t { kGeneric = 0, kClassifier = 1, kOutputEqualsInput = 2 };

// The magic text of a network file.
inline constexpr const char16_t* kNetworkMagic = u"Tessarion File";
