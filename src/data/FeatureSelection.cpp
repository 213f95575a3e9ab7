#include "data/FeatureSelection.h"

#include "data/ReducedSet.h"

namespace {

std::int32_t TargetCount(const LayerNet1& network) {
  return network.Style() == kGeneric ? network.Outputs() : 1;
}

}  // namespace

std::int32_t FeatureSelection::CandidateCount(const LayerNet1& network, const Matrix& wideSet) {
  return wideSet.Cols() - TargetCount(network);
}

Message FeatureSelection::Refusal(const LayerNet1& network, const Matrix& wideSet) {
  if (network.IsComplex())
    return u"This version of Tessarion does not support feature selection for complex-domain neural "
           u"networks.";
  if (network.Style() == kOutputEqualsInput)
    return u"This type of network is not compatible with feature selection";
  if (network.Inputs() >= CandidateCount(network, wideSet))
    return u"The number of inputs in the network must be less than the number of inputs in the "
           u"training set.";
  if (!network.HasNetwork()) return u"Feature selection is only valid for layer networks.";
  return nullptr;
}

bool FeatureSelection::Begin(LayerNet1& network, Matrix& trainingSet,
                             const FeatureSelectionSettings& chosen) {
  settings = chosen;
  features = CandidateCount(network, trainingSet);
  targets = TargetCount(network);
  failure = nullptr;
  runs = 0;
  bestBits.clear();
  bestError = 1e30;
  Matrix copy;
  if (!engine.Initialise(settings.population, features, network.Inputs()) ||
      !copy.Resize(trainingSet.Rows(), trainingSet.Cols())) {
    engine.Free();
    return false;
  }
  copy.CopyFrom(trainingSet);
  fullSet.Swap(copy);
  keepGoing = true;
  if (BuildCurrent(network, trainingSet)) return true;
  Finish(trainingSet);
  return false;
}

FeatureSelection::Next FeatureSelection::Advance(LayerNet1& network, Matrix& trainingSet) {
  if (keepGoing) keepGoing = network.Mse() != 1e100;
  engine.Report(network.Mse());
  KeepBest();
  if (!keepGoing) return Next::Finished;
  if (engine.Cursor() >= engine.PopulationSize()) {
    if (engine.Step(settings.crossover, settings.mutation) < 0) {
      failure = u"No enough memory to generate children";
      return Next::Finished;
    }
    if (engine.Generation() > settings.generations) return Next::Finished;
  }
  if (!BuildCurrent(network, trainingSet)) {
    failure = u"An expected error has occured while copy training set for current individual";
    return Next::Finished;
  }
  return Next::Train;
}

void FeatureSelection::Finish(Matrix& trainingSet) {
  if (!fullSet.IsAllocated()) return;
  KeepBest();
  engine.Free();
  trainingSet.Swap(fullSet);
  fullSet.Free();
}

double FeatureSelection::Progress() const {
  const double all = (settings.generations + 1.0) * engine.PopulationSize();
  return all > 0 ? (engine.Generation() * engine.PopulationSize() + engine.Cursor() + 1) * 100.0 / all : 0.0;
}

bool FeatureSelection::BuildCurrent(LayerNet1& network, Matrix& trainingSet) {
  if (!trainingSet.Resize(fullSet.Rows(), network.Inputs() + targets) ||
      !BuildReducedSet(engine.CurrentIndividual().bits, fullSet, features, targets, trainingSet))
    return false;
  network.ScaleTrainingSet(trainingSet, -1);
  ++runs;
  return true;
}

void FeatureSelection::KeepBest() {
  const SubsetGenetic::Individual& best = engine.Best();
  if (!best.bits || best.error >= bestError) return;
  bestError = best.error;
  bestBits.assign(best.bits, best.bits + engine.BytesPerIndividual());
}
