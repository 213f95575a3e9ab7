#pragma once
#include <windows.h>

#include "net/NetworkSetup.h"

// The picture of a layer network in the Network Setup dialog: one column of
// neurons per layer, every neuron joined to every neuron of the next layer.
// Wide layers are drawn with their first neurons and their size written
// under the column.
class NetworkDrawing {
 public:
  static constexpr int kMostDrawn = 10;

  static void Draw(HDC dc, const RECT& area, const networkSetup& network);
};
