#pragma once
#include <filesystem>
#include <string>

#include "net/LayerNet3.h"

// One object of each layer-network class, as the workbench keeps them, and
// the loading of a network file into the slot its header names.
class NetworkSlots {
 public:
  // Probes the file's kind and loads it; the message is empty on success.
  // A Kohonen file (kind 4) loads nothing and leaves Network() null.
  std::u16string Load(const std::filesystem::path& path);
  // Load, refusing a file without layers to run (a Kohonen network).
  std::u16string LoadLayerNetwork(const std::filesystem::path& path);
  // The slot of a kind (1, 2 or 3).
  LayerNet1& Slot(int kind);
  int Kind() const { return kind; }
  LayerNet1* Network() { return kind >= 1 && kind <= 3 ? &Slot(kind) : nullptr; }

 private:
  LayerNet1 one;
  LayerNet2 two;
  LayerNet3 three;
  int kind = -1;
};
