// A network file from any bytes: read it as each kind of layer network and,
// when it is accepted, build the network and run a row through it. Nothing
// may crash, and nothing larger than the input may be allocated.
#include <cstdint>
#include <cstdlib>

#include "MemoryFile.h"
#include "net/LayerNet3.h"
#include "net/NetworkFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  LayerNet1 one;
  LayerNet2 two;
  LayerNet3 three;
  LayerNet1* nets[] = {&one, &two, &three};
  for (int layers = 1; layers <= 3; ++layers) {
    MemoryFile file(data, size);
    NetworkFile contents;
    if (contents.Read(file, layers)) continue;
    for (int l = 0; l < layers; ++l) {
      const Matrix& w = contents.weights[l];
      if (static_cast<std::size_t>(w.Rows()) * w.Cols() * 8 > size) std::abort();
    }
    LayerNet1& net = *nets[layers - 1];
    if (!net.Create(contents.setup, true)) continue;
    Matrix row(1, net.ColumnCount(true));
    net.Forward(row, 0);
    net.ComputeMse(row);
  }
  return 0;
}
