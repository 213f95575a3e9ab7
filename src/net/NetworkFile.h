#pragma once
#include <cstdint>
#include <filesystem>

#include "net/NetworkSetup.h"
#include "net/Scaler.h"
#include "numerics/Matrix.h"

// The contents of a network file: the header, the weight matrices of the
// layers from the input side, and the two scalers. A file is read whole and
// checked against its own header before a network is built from it, so a
// bad file leaves the network that reads it untouched.
class NetworkFile {
 public:
  static constexpr int kMaxLayers = 3;

  // Number of weight matrices a description has: 1, 2 or 3.
  static int LayerCount(const networkSetup& setup);
  // Why a description cannot be built, or null when it can.
  static Message CheckSetup(const networkSetup& setup);

  // Reads `path`, which must hold a network of `layers` weight matrices.
  Message Read(const std::filesystem::path& path, int layers);
  // The same from an open file, positioned at its start.
  Message Read(platform::File& file, int layers);

  // Writes beside `path` and replaces it only once the whole file is out,
  // so a failed save keeps the file that was there.
  static Message Write(const std::filesystem::path& path, const networkSetup& setup,
                       const Matrix* const* weights, int layers, const Scaler& inputScaler,
                       const Scaler& outputScaler);

  networkSetup setup;
  Matrix weights[kMaxLayers];
  Scaler inputScaler;
  Scaler outputScaler;

 private:
  Message ReadBody(platform::File& file, int layers);
};
