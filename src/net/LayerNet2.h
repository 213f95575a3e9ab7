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
  // A complex network needs one more work vector: the (real, imaginary)
  // error derivative of every output.
  bool PrepareOptimisation() override;
  void ReleaseOptimisation() override;
  // The real gradient, or the complex one for a complex network.
  double Gradient(Vector& gradient) override;
  double AccumulateRowComplex(std::int32_t output, int part, double target, Matrix& alpha,
                              Vector& beta) override;

  // The complex-domain training of the network over the bound training set.
  // The gradient of the error sum / rows (/ (4 x rows) under a "Tanh" output
  // layer) with respect to the real and the imaginary part of every weight,
  // in the weight-vector order; returns the mse, or -200.0 when its work
  // space cannot be had. Requires: a complex network.
  double ComplexGradient(Vector& gradient);
  // Solves the output layer by least squares through the activation's
  // inverse, given the hidden weights, clamping each weight into [-15, 15];
  // returns the mse (also stored as the network's), or -200.0 when memory
  // runs out. Requires: a complex network.
  double ComplexRegression();
  // The hidden-layer networks search their hidden weights and regress the
  // output layer, so the pure "Genetic" and "Regression" methods are not
  // theirs.
  bool IsInitMethodValid() const override;
  // Solves the output layer for the present hidden weights, clamping every
  // weight into [-15, 15]; a complex network takes ComplexRegression.
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
  // Adds the squared output errors of the last Forward to `sum` and leaves
  // each output part's error derivative in complexDeltas.
  void ComplexOutputDeltas(const double* row, std::int32_t cols, double& sum);
  void AddComplexOutputGradient(Vector& gradient) const;
  void AddComplexHiddenGradient(Vector& gradient) const;
  // The derivatives of output part y of `output`, given its activation
  // derivative, into the only blocks of rowDerivatives where they can be
  // non-zero: that output's weights and the hidden layer's.
  void ComplexRowDerivatives(std::int32_t output, int part, double slope);
  // The regression's equations over the hidden outputs of every row, and the
  // inverse targets of one output; equations past 2 x rows stay zero.
  void FillComplexDesign(const Matrix& set, Matrix& design);
  void FillComplexRightSide(const Matrix& set, std::int32_t output, Vector& b) const;
  // The first entry of hidden neuron j's weights in a weight vector.
  std::int32_t HiddenOffset(std::int32_t j) const;
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
  // The (real, imaginary) error derivative of every output of a complex
  // network, sized by PrepareOptimisation.
  Vector complexDeltas;
};
