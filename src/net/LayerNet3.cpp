#include "net/LayerNet3.h"

bool LayerNet3::Create(const networkSetup& setup, bool withOutputs) {
  if (!BeginCreate(setup, 3)) return false;
  hidden1Count = setup.hidden1;
  hidden2Count = setup.hidden2;
  hidden1 = MakeLayer(hidden1Count, inputs, setup.hidden1Activation, withOutputs);
  hidden2 = MakeLayer(hidden2Count, hidden1Count, setup.hidden2Activation, withOutputs);
  outputLayer = MakeLayer(outputs, hidden2Count, setup.outputActivation, withOutputs);
  layers[0] = hidden1.get();
  layers[1] = hidden2.get();
  layers[2] = outputLayer.get();
  return FinishCreate(setup);
}

Message LayerNet3::Load(const std::filesystem::path& path) { return LoadLayers(path, 3); }

void LayerNet3::Destroy() {
  hidden2.reset();
  hidden2Count = 0;
  LayerNet2::Destroy();
}

void LayerNet3::Forward(const Matrix& set, std::int32_t row) {
  hidden1->Forward(set, row);
  hidden2->Forward(hidden1->Output(), 0);
  outputLayer->Forward(hidden2->Output(), 0);
}

void LayerNet3::GetSetup(networkSetup& setup) const {
  LayerNet2::GetSetup(setup);
  setup.hidden2 = hidden2Count;
  setup.hidden2Activation = hidden2 ? hidden2->GetActivation()->Code() : 0;
}
