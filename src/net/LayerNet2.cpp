#include "net/LayerNet2.h"

bool LayerNet2::Create(const networkSetup& setup, bool withOutputs) {
  if (!BeginCreate(setup, 2)) return false;
  hidden1Count = setup.hidden1;
  hidden1 = MakeLayer(hidden1Count, inputs, setup.hidden1Activation, withOutputs);
  outputLayer = MakeLayer(outputs, hidden1Count, setup.outputActivation, withOutputs);
  layers[0] = hidden1.get();
  layers[1] = outputLayer.get();
  return FinishCreate(setup);
}

Message LayerNet2::Load(const std::filesystem::path& path) { return LoadLayers(path, 2); }

void LayerNet2::Destroy() {
  hidden1.reset();
  hidden1Count = 0;
  LayerNet1::Destroy();
}

void LayerNet2::Forward(const Matrix& set, std::int32_t row) {
  hidden1->Forward(set, row);
  outputLayer->Forward(hidden1->Output(), 0);
}

void LayerNet2::GetSetup(networkSetup& setup) const {
  LayerNet1::GetSetup(setup);
  setup.hidden1 = hidden1Count;
  setup.hidden1Activation = hidden1 ? hidden1->GetActivation()->Code() : 0;
}

bool LayerNet2::IsInitMethodValid() const {
  return boundSetup.initializationMethod != kGenetic && boundSetup.initializationMethod != kRegression;
}
