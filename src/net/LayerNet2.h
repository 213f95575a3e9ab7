#pragma once
#include "net/LayerNet1.h"

// A layer network with one hidden layer; the only kind that may be complex.
class LayerNet2 : public LayerNet1 {
 public:
  // The training thread runs this class's operations: it must end before
  // the members go.
  ~LayerNet2() override { Join(); }
  bool Create(const networkSetup& setup, bool withOutputs) override;
  Message Load(const std::filesystem::path& path) override;
  void Destroy() override;
  void Forward(const Matrix& set, std::int32_t row) override;
  void GetSetup(networkSetup& setup) const override;
  // The hidden-layer networks search their hidden weights and regress the
  // output layer, so the pure "Genetic" and "Regression" methods are not
  // theirs.
  bool IsInitMethodValid() const override;
  // Solves the output layer for the present hidden weights, clamping every
  // weight into [-15, 15].
  double RegressionInitialization() override;
  // The hidden layers.
  void Perturb(double s, const WeightSnapshot& centre) override;
  double Initialize(WeightSnapshot& scratch) override;
  // Simulated annealing around the present weights: of every weight, or,
  // with regression, of the hidden layers with the output layer solved for
  // every candidate. Results as LayerNet1's.
  double SimulatedAnnealing(const annealingParameters& parameters, WeightSnapshot& centre,
                            bool withRegression);
  // The genetic search over the hidden layers with the output layer solved
  // by regression for every individual.
  double GeneticInitialization(const geneticParameters& parameters);

  std::int32_t Hidden1Size() const { return hidden1Count; }
  const Layer* Hidden1() const { return hidden1.get(); }

 protected:
  // Runs the hidden layers over the training set into the regression's
  // table of output-layer inputs.
  void ForwardHiddenLayers();
  // Prepares the regression's work space for the training set; on failure
  // posts the message for the part that could not be allocated.
  bool PrepareRegression(const char16_t* tableMessage, const char16_t* decompositionMessage);
  // The output-layer regression with the work space prepared.
  double FitOutputLayerToHidden();

  std::unique_ptr<Layer> hidden1;
  // The output-layer regression's work: the last hidden layer's outputs for
  // every training case and the decomposition.
  OutputRegression regression;
  std::int32_t hidden1Count = 0;
};
