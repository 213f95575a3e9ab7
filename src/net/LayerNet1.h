#pragma once
#include <cstdint>
#include <filesystem>
#include <functional>
#include <iterator>
#include <memory>
#include <mutex>
#include <thread>

#include "net/Layer.h"
#include "net/LinearActivation.h"
#include "net/LogsigTable.h"
#include "net/NetworkSetup.h"
#include "net/OutputRegression.h"
#include "net/Scaler.h"
#include "net/TanhTable.h"
#include "net/TrainingProgress.h"
#include "net/TrainingSetup.h"
#include "net/WeightSnapshot.h"
#include "numerics/FindMinimumD.h"
#include "numerics/LineFunction.h"
#include "numerics/Matrix.h"
#include "numerics/Vector.h"

// A layer network without hidden layers, and the base of the networks with
// one (LayerNet2) and two (LayerNet3). The object is empty (no layers, mse
// 1e100) until Create or Load succeeds. Its virtual operations keep one
// order across the three classes; the training side (the thread, the
// initialisers and optimisers, which also make the class a LineFunction)
// takes its own places in that order.
class LayerNet1 : public LineFunction {
 public:
  LayerNet1() = default;
  LayerNet1(const LayerNet1&) = delete;
  LayerNet1& operator=(const LayerNet1&) = delete;
  // Waits for a training thread that is still running.
  ~LayerNet1() override;

  // Gives a training run its data: the scaled training set and the progress
  // record stay the caller's, the setup is copied so later edits do not
  // reach a running thread.
  void Bind(Matrix* set, trainingProgress* record, const trainingSetup& setup);
  // The stop request: the training thread polls this flag and ends its run
  // soon after it is cleared.
  void SetKeepRunning(bool value);
  bool IsRunning() const;
  // Called on the training thread as its run ends, so a watcher can act at
  // once instead of at its next poll.
  void SetFinishedNotice(std::function<void()> notice) { finishedNotice = std::move(notice); }
  // Sets keep-running and starts ThreadFunc on a thread of its own; false
  // when the thread cannot be created, one still exists, or nothing is
  // bound.
  bool Start();
  // Waits for the training thread, then clears keep-running.
  void Join();
  // One training run: initialisation attempts and optimisation for the
  // bound setup's cycles, ending with the best weights seen.
  virtual void ThreadFunc();

  // Builds the layers a description asks for, all weights 0; `withOutputs`
  // also sizes each layer's output row, which Forward needs. False, leaving
  // the object empty, when memory fails or the description is not one this
  // class can build.
  virtual bool Create(const networkSetup& setup, bool withOutputs);
  virtual Message Load(const std::filesystem::path& path);
  virtual Message Save(const std::filesystem::path& path);
  virtual void Destroy();
  // Runs row `row` of `set` (already scaled) through the layers.
  virtual void Forward(const Matrix& set, std::int32_t row);
  virtual void GetSetup(networkSetup& setup) const;
  virtual void ZeroWeights();
  virtual bool AllocateSnapshots(WeightSnapshot& a, WeightSnapshot& b, WeightSnapshot& c) const;
  virtual void SaveSnapshot(WeightSnapshot& snapshot) const;
  virtual void RestoreSnapshot(const WeightSnapshot& snapshot);
  // Weight vectors run from the output layer towards the inputs, each layer
  // neuron by neuron, each neuron's weights in input order with its bias last.
  virtual std::int32_t GetWeights(Vector& weights) const;
  // Requires: weights.Length() >= WeightCount().
  virtual std::int32_t SetWeights(const Vector& weights);
  virtual std::int32_t WeightCount() const;
  virtual std::int32_t Hidden2Size() const { return 0; }
  // Adds step x weights to the network's weights.
  virtual void AddScaled(double step, const Vector& weights);

  // Whether the bound initialisation method suits this class, and whether
  // the bound set has the rows a regression needs.
  virtual bool IsInitMethodValid() const;
  virtual bool HasRowsForRegression() const;
  // The gradient of the mse over the bound training set with respect to
  // every weight (weight-vector order); returns that mse.
  virtual double Gradient(Vector& gradient);
  // Sizes the work space Gradient uses; false when memory fails.
  virtual bool PrepareOptimisation();
  virtual void ReleaseOptimisation();
  // The line interface: the mse and its slope at p + t d, where p and d
  // are the running optimiser's point and direction.
  double ValueAt(double t) override;
  double SlopeAt(double t) override;
  // The optimisers, on the bound set and setup; each returns the final mse
  // or -200.0 when its memory cannot be had.
  double ConjugateGradient();
  double LevenbergMarquardt();
  double VariableMetric();
  // One Levenberg-Marquardt error pass: alpha (n x n, symmetric) and beta
  // (n) from every row's output derivatives; returns the mse, or 1e100 when
  // a stop request cut the pass short. A complex network takes the complex
  // pass.
  double ErrorAndDerivatives(Matrix& alpha, Vector& beta);
  // The row pass for one output of the last Forward (whose input row is
  // lmRow): adds D D^T to alpha's lower triangle and (target - y) D to
  // beta, where D holds the output's derivatives by every weight; returns
  // the squared error.
  virtual double AccumulateRow(std::int32_t output, double target, Matrix& alpha, Vector& beta);
  // The Levenberg-Marquardt error pass of a complex network over the bound
  // training set: alpha (n x n, symmetric) and beta (n) from
  // AccumulateRowComplex over the real and imaginary part of every output of
  // every row, and the error sum / (2 x outputs x rows), a quarter of that
  // under a "Tanh" output layer. 1e100 when the run is stopped during the
  // pass, -200.0 when its work space cannot be had. Requires: a bound
  // training set; alpha n x n, beta n, n = WeightCount().
  double ErrorAndDerivativesComplex(Matrix& alpha, Vector& beta);
  // The Levenberg-Marquardt row pass of one part (0 real, 1 imaginary) of
  // complex output `output`, after Forward of the row lmRow: forms the
  // derivatives D of that output part with respect to every weight, adds
  // D_i D_j to alpha[i][j] for j <= i and (target - y) D_i to beta[i], and
  // returns (target - y)^2. Only a complex network has outputs with two
  // parts; this class has none and returns 1.0.
  virtual double AccumulateRowComplex(std::int32_t output, int part, double target, Matrix& alpha,
                                      Vector& beta);
  // Initialisation. Each returns the mse of the weights it leaves in the
  // network (also stored as its mse), or a negative value when memory runs
  // out. Regression here solves every weight by least squares through the
  // output activation's inverse, unclamped.
  virtual double RegressionInitialization();
  // Overwrites the weights that output-layer regression does not solve
  // (here: the output layer) with w = (Uniform() - 0.5) s 30 + (1 - s) c,
  // c being the same weight of `centre`.
  virtual void Perturb(double s, const WeightSnapshot& centre);
  // The same over every layer.
  virtual void PerturbAll(double s, const WeightSnapshot& centre);
  // One initialisation attempt with the bound setup's method, publishing
  // its phase; 1e100 for a method this class does not offer.
  virtual double Initialize(WeightSnapshot& scratch);
  // Simulated annealing of every weight around the present ones, which
  // `centre` receives; the network ends holding the centre. Returns the
  // error of the last accepted candidate (1.0 when none was), -100.0 when
  // the working weight set cannot be allocated.
  double SimulatedAnnealing(const annealingParameters& parameters, WeightSnapshot& centre);
  // The genetic search over every weight; the network ends holding the
  // best individual. Returns its mse, -100.0 when the population cannot be
  // allocated.
  double GeneticInitialization(const geneticParameters& parameters);
  // The weight a 16-bit gene stands for: gene x 15 / 32767.
  static double GeneWeight(std::int16_t gene) { return gene * kGeneUnit; }

  // The mse over a scaled set of ColumnCount(true) columns: the mean squared
  // difference between outputs and targets, a quarter of it under a "Tanh"
  // output layer.
  double ComputeMse(const Matrix& set);
  // Scales the first `columns` inputs (-1: all of them) and, for "Generic",
  // the target columns after them, in place.
  void ScaleTrainingSet(Matrix& set, std::int32_t columns) const;
  std::int32_t ColumnCount(bool withTargets) const;
  // The class of the last Forward: 1 + the index of the first largest
  // output, or 0 when that output is below the activation's threshold.
  std::int32_t ClassDecision() const;
  // On File Simulation and On File Classification.
  Message SimulateFile(const std::filesystem::path& input, const std::filesystem::path& output,
                       bool inputIsText, bool outputIsText);
  Message ClassifyFile(const std::filesystem::path& input, const std::filesystem::path& output);

  bool HasNetwork() const { return outputLayer != nullptr; }
  std::int32_t Inputs() const { return inputs; }
  std::int32_t Outputs() const { return outputs; }
  std::int32_t Style() const { return style; }
  bool IsComplex() const { return complexFlag; }
  double Mse() const { return mse; }
  void SetMse(double value) { mse = value; }
  Scaler& InputScaler() { return inputScaler; }
  Scaler& OutputScaler() { return outputScaler; }
  const Layer* OutputLayer() const { return outputLayer.get(); }
  const Matrix& Confusion() const { return confusion; }
  Matrix& Confusion() { return confusion; }

 protected:
  class OutputBuffer;
  // Scales, runs, unscales and writes rows first..last-1 of a simulation.
  void SimulateRows(Matrix& data, std::int32_t first, std::int32_t last, bool outputIsText,
                    OutputBuffer& buffer);
  // The parts of Create every class shares: the checks, the common fields,
  // and the finishing steps after the layers exist.
  bool BeginCreate(const networkSetup& setup, int layerCount);
  std::unique_ptr<Layer> MakeLayer(std::int32_t neurons, std::int32_t layerInputs, std::int32_t code,
                                   bool withOutputs);
  bool FinishCreate(const networkSetup& setup);
  // Reads a file of `count` weight matrices into this object.
  Message LoadLayers(const std::filesystem::path& path, int count);
  // The snapshot matrix that holds the weights of layer `l` from the input side.
  Matrix& SnapshotMatrix(WeightSnapshot& snapshot, int l) const;
  const Matrix& SnapshotMatrix(const WeightSnapshot& snapshot, int l) const;
  const Activation* ActivationFor(std::int32_t code) const;
  // Adds the squared output errors of a row, one value at a time, to sum.
  void AddRowSquaredErrors(const double* row, std::int32_t cols, double& sum) const;
  // The mse from a sum of squared errors over `rows` training cases.
  double MeanSquaredError(double sum, std::int32_t rows) const;
  // The results of an initialisation that ran out of memory: of a
  // regression, and of a search whose work space could not be allocated.
  static constexpr double kInitializationNoMemory = -200.0;
  static constexpr double kSearchNoMemory = -100.0;
  static constexpr double kGeneUnit = 0.0004577776421399579;
  // Sizes the snapshot's matrices to the layers. False when memory fails.
  bool AllocateSnapshot(WeightSnapshot& snapshot) const;
  // Layers first .. end - 1, counted from the input side.
  void PerturbLayers(int first, int end, double s, const WeightSnapshot& centre);
  std::int32_t LayerWeightCount(int first, int end) const;
  void DecodeGenes(const std::int16_t* genes, int first, int end);
  // The annealing pass from the present weights; without regression every
  // weight is annealed, with it the layers Perturb covers.
  double AnnealFromPresentWeights(const annealingParameters& parameters, WeightSnapshot& centre,
                                  WeightSnapshot& lastAccepted, bool withRegression);
  // The genetic search over layers 0 .. searchedEnd - 1, each individual
  // measured by its mse (after an output-layer regression when
  // `withRegression`). `noMemory` is posted when the population cannot be
  // allocated.
  double EvolveWeights(const geneticParameters& parameters, int searchedEnd, bool withRegression,
                       const char16_t* noMemory);
  // Decodes genes into layers 0 .. searchedEnd - 1 and returns the mse.
  double EvaluateGenes(const std::int16_t* genes, int searchedEnd, bool withRegression);
  void PostProgressMessage(const char16_t* text);
  // Solves the output layer's weights for the training set: row r of
  // `source` begins with the output layer's inputs for case r, and the
  // right-hand sides are the activation's inverse of the targets.
  bool FitOutputLayer(OutputRegression& work, const Matrix& source, double clampLimit);
  double ClassValue(std::int32_t k) const;
  // The target of output value `value` (complex: 2k real part, 2k + 1
  // imaginary part of output k) in a training row of `cols` columns.
  double TargetValue(const double* row, std::int32_t cols, std::int32_t value) const;
  Message WrongWidth(std::int32_t found, std::int32_t needed);

  // Training helpers.
  bool StopRequested() const { return !IsRunning(); }
  // The targets of a set row for the outputs: into `buffer` for
  // "Classifier", else a pointer into the row.
  const double* RowTargets(const double* row, std::int32_t cols, double* buffer) const;
  // Where layer l (from the input side) starts in a weight vector.
  std::int32_t WeightOffset(int l) const;
  // The weights at p + t d of the running line search.
  void MoveAlongLine(double t);
  bool TanhOutput() const;
  // Sizes the gradient and row-pass work space unless it fits already.
  bool SizeOptimisationSpace();
  void PublishOptimisation(double value, std::int32_t epoch);
  void PublishOptimisationMse(double value);
  // Ends a run that failed: the message, the network's mse, phase 0 and
  // keep-running cleared.
  void EndRun(const char16_t* text, double finalMse);
  double RunOptimiser();
  void PublishEpoch(std::int32_t epoch);

  mutable std::mutex keepRunningLock;
  bool keepRunning = false;
  std::function<void()> finishedNotice;
  std::unique_ptr<Layer> outputLayer;
  // The owned layers from the input side (the derived classes own the
  // hidden ones), so the file, the snapshots and the weight vectors walk
  // them alike.
  Layer* layers[3] = {};
  int layerCount = 0;
  Matrix confusion;
  bool complexFlag = false;
  Scaler inputScaler;
  Scaler outputScaler;
  double mse = 1e100;
  Matrix* trainingSet = nullptr;
  trainingProgress* progress = nullptr;
  trainingSetup boundSetup;
  std::int32_t inputs = 0;
  std::int32_t outputs = 0;
  char16_t message[256] = {};
  TanhTable tanhTable;
  LogsigTable logsigTable;
  LinearActivation linear;
  std::int32_t style = kGeneric;

  // The running line search's point and direction (owned by the optimiser).
  std::thread trainingThread;
  Vector* linePoint = nullptr;
  Vector* lineDirection = nullptr;
  // Gradient and row-pass work space: one delta per neuron of each layer
  // (from the input side), the targets of one row, the derivative vector D
  // of the row pass and the input row it belongs to.
  Vector layerDelta[3];
  Vector rowTargets;
  Vector rowDerivatives;
  Vector lineGradient;
  const double* lmRow = nullptr;
};
