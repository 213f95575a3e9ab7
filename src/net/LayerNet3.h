#pragma once
#include "net/LayerNet2.h"

// A layer network with two hidden layers.
class LayerNet3 : public LayerNet2 {
 public:
  // The training thread runs this class's operations: it must end before
  // the members go.
  ~LayerNet3() override { Join(); }
  bool Create(const networkSetup& setup, bool withOutputs) override;
  Message Load(const std::filesystem::path& path) override;
  void Destroy() override;
  void Forward(const Matrix& set, std::int32_t row) override;
  void GetSetup(networkSetup& setup) const override;
  std::int32_t Hidden2Size() const override { return hidden2Count; }

  const Layer* Hidden2() const { return hidden2.get(); }

 protected:
  std::unique_ptr<Layer> hidden2;
  std::int32_t hidden2Count = 0;
};
