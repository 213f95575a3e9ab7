// The training run of the layer networks: which initialisation methods a
// class takes and the driver that alternates initialisation and
// optimisation on the training thread.
#include "net/LayerNet1.h"

bool LayerNet1::IsInitMethodValid() const {
  const std::int32_t method = boundSetup.initializationMethod;
  return method == kGenetic || method == kRegression || method == kAnnealing;
}

bool LayerNet1::HasRowsForRegression() const {
  return boundSetup.initializationMethod != kRegression || trainingSet->Rows() >= inputs + 1;
}
