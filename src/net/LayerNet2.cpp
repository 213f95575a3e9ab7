#include "net/LayerNet2.h"

#include <algorithm>

namespace {

// Regression keeps hidden-layer networks' output weights in the range the
// searches use.
constexpr double kWeightLimit = 15.0;

}  // namespace

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
  regression.Release();
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

double LayerNet2::RegressionInitialization() {
  const std::int32_t cases = trainingSet->Rows();
  const std::int32_t width = layers[layerCount - 2]->Neurons();
  const bool held = regression.IsPreparedFor(cases, width);
  if (!held && regression.Prepare(cases, width, true) != OutputRegression::kNone)
    return kInitializationNoMemory;
  const double result = FitOutputLayerToHidden();
  if (!held) regression.Release();
  return result;
}

double LayerNet2::FitOutputLayerToHidden() {
  ForwardHiddenLayers();
  const Matrix& table = regression.LayerInputTable();
  if (!FitOutputLayer(regression, table, kWeightLimit)) return kInitializationNoMemory;
  // The hidden outputs do not change with the output layer: run only the
  // output layer over the table. The sums are those of ComputeMse.
  const Matrix& set = *trainingSet;
  double sum = 0.0;
  for (std::int32_t r = 0; r < set.Rows(); ++r) {
    outputLayer->Forward(table, r);
    AddRowSquaredErrors(set[r], set.Cols(), sum);
  }
  mse = MeanSquaredError(sum, set.Rows());
  return mse;
}

void LayerNet2::ForwardHiddenLayers() {
  const Matrix& set = *trainingSet;
  Matrix& table = regression.LayerInputTable();
  const Layer* last = layers[layerCount - 2];
  for (std::int32_t r = 0; r < set.Rows(); ++r) {
    layers[0]->Forward(set, r);
    for (int l = 1; l < layerCount - 1; ++l) layers[l]->Forward(layers[l - 1]->Output(), 0);
    std::copy_n(last->Output()[0], last->Neurons(), table[r]);
  }
}

void LayerNet2::Perturb(double s, const WeightSnapshot& centre) {
  PerturbLayers(0, layerCount - 1, s, centre);
}

double LayerNet2::Initialize(WeightSnapshot& scratch) {
  switch (boundSetup.initializationMethod) {
    case kAnnealing:
      progress->phase.Set(kPhaseAnnealing);
      return SimulatedAnnealing(boundSetup.annealing, scratch, false);
    case kAnnealRegress:
      progress->phase.Set(kPhaseAnnealing);
      return SimulatedAnnealing(boundSetup.annealing, scratch, true);
    case kGeneticRegress:
      progress->phase.Set(kPhaseGenetic);
      return GeneticInitialization(boundSetup.genetic);
    default: return 1e100;
  }
}

bool LayerNet2::PrepareRegression(const char16_t* tableMessage, const char16_t* decompositionMessage) {
  switch (regression.Prepare(trainingSet->Rows(), layers[layerCount - 2]->Neurons(), true)) {
    case OutputRegression::kNone: return true;
    case OutputRegression::kNoLayerInputTable: PostMessage(tableMessage); return false;
    case OutputRegression::kNoDecomposition: PostMessage(decompositionMessage); return false;
  }
  return false;
}

double LayerNet2::SimulatedAnnealing(const annealingParameters& parameters, WeightSnapshot& centre,
                                     bool withRegression) {
  progress->initializationMse.Set(1.0);
  WeightSnapshot lastAccepted;
  if (!AllocateSnapshot(lastAccepted)) {
    PostMessage(
        u"ERROR: \r\n   No enough memory to create tmpSolution on LayerNet2::SimulatedAnnealing.\r\n");
    return kSearchNoMemory;
  }
  if (withRegression &&
      !PrepareRegression(
          u"ERROR: \r\n   No enough memory to create hid1Act on LayerNet2::SimulatedAnnealing.\r\n",
          u"ERROR: \r\n   No enough memory to create SVD on LayerNet2::SimulatedAnnealing.\r\n"))
    return kSearchNoMemory;
  const double result = AnnealFromPresentWeights(parameters, centre, lastAccepted, withRegression);
  regression.Release();
  return result;
}

double LayerNet2::GeneticInitialization(const geneticParameters& parameters) {
  if (!PrepareRegression(
          u"ERROR: \r\n   No enough memory to create hid1Act on LayerNet2::GeneticInitialization.\r\n",
          u"ERROR: \r\n   No enough memory to create SVD on LayerNet2::GeneticInitialization.\r\n"))
    return kSearchNoMemory;
  const double result = EvolveWeights(
      parameters, layerCount - 1, true,
      u"ERROR: \r\n   No enough memory to create tmpSolution on LayerNet2::GeneticInitialization.\r\n");
  regression.Release();
  return result;
}
