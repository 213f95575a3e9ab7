#include "cli/NetworkSlots.h"

#include "app/FileProbes.h"

std::u16string NetworkSlots::Load(const std::filesystem::path& path) {
  std::u16string message;
  kind = FileProbes::ProbeNetworkKind(path, message);
  if (kind < 0) return message.empty() ? u"The file does not hold a layer network" : message;
  if (kind == 4) return {};
  if (Message error = Slot(kind).Load(path)) {
    kind = -1;
    return error;
  }
  return {};
}

std::u16string NetworkSlots::LoadLayerNetwork(const std::filesystem::path& path) {
  std::u16string error = Load(path);
  if (error.empty() && !Network()) error = u"A Kohonen network has no layers to run";
  return error;
}

LayerNet1& NetworkSlots::Slot(int slotKind) {
  if (slotKind == 3) return three;
  return slotKind == 2 ? two : one;
}
