#include "net/LayerNet2.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>

#include "numerics/MatrixOperation.h"
#include "platform/Env.h"

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
  complexDeltas.Free();
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

std::int32_t LayerNet2::HiddenOffset(std::int32_t j) const {
  return outputLayer->Weights().Rows() * outputLayer->Weights().Cols() + j * hidden1->Weights().Cols();
}

bool LayerNet2::PrepareOptimisation() {
  if (!LayerNet1::PrepareOptimisation()) return false;
  return !complexFlag || complexDeltas.Length() == 2 * outputs || complexDeltas.Resize(2 * outputs);
}

void LayerNet2::ReleaseOptimisation() {
  complexDeltas.Free();
  LayerNet1::ReleaseOptimisation();
}

double LayerNet2::Gradient(Vector& gradient) {
  return complexFlag ? ComplexGradient(gradient) : LayerNet1::Gradient(gradient);
}

double LayerNet2::ComplexGradient(Vector& gradient) {
  const std::int32_t n = WeightCount();
  if (gradient.Length() != n ? !gradient.Resize(n) : (gradient.Zero(), false)) return -200.0;
  if (!PrepareOptimisation()) return -200.0;
  const Matrix& set = *trainingSet;
  double sum = 0.0;
  for (std::int32_t r = 0; r < set.Rows(); ++r) {
    Forward(set, r);
    lmRow = set[r];
    ComplexOutputDeltas(set[r], set.Cols(), sum);
    AddComplexOutputGradient(gradient);
    AddComplexHiddenGradient(gradient);
  }
  double rows = set.Rows();
  if (TanhOutput()) rows *= 4.0;
  const double scale = 1.0 / rows;
  for (std::int32_t i = 0; i < n; ++i) gradient[i] *= scale;
  return MeanSquaredError(sum, set.Rows());
}

// δ = 2 e f'(y) for the real and the imaginary part of every output.
void LayerNet2::ComplexOutputDeltas(const double* row, std::int32_t cols, double& sum) {
  const Activation* f = outputLayer->GetActivation();
  const double* y = outputLayer->Output()[0];
  for (std::int32_t k = 0; k < outputs; ++k) {
    const double eRe = y[2 * k] - TargetValue(row, cols, 2 * k);
    const double eIm = y[2 * k + 1] - TargetValue(row, cols, 2 * k + 1);
    sum += eRe * eRe + eIm * eIm;
    complexDeltas[2 * k] = 2.0 * eRe * f->Derivative(y[2 * k]);
    complexDeltas[2 * k + 1] = 2.0 * eIm * f->Derivative(y[2 * k + 1]);
  }
}

// For y = f(Σ (c + id)(a + ib) + p + iq): ∂/∂c = δre a + δim b, ∂/∂d = δim a − δre b.
void LayerNet2::AddComplexOutputGradient(Vector& gradient) const {
  const double* h = hidden1->Output()[0];
  const std::int32_t width = outputLayer->Weights().Cols();
  for (std::int32_t k = 0; k < outputs; ++k) {
    const double dRe = complexDeltas[2 * k], dIm = complexDeltas[2 * k + 1];
    double* g = gradient.Data() + k * width;
    for (std::int32_t j = 0; j < hidden1Count; ++j) {
      const double a = h[2 * j], b = h[2 * j + 1];
      g[2 * j] += dRe * a + dIm * b;
      g[2 * j + 1] += dIm * a - dRe * b;
    }
    g[width - 2] += dRe;
    g[width - 1] += dIm;
  }
}

// The output deltas carried back through the conjugate-free complex product
// to each hidden part, then to the hidden weights as on the output layer.
void LayerNet2::AddComplexHiddenGradient(Vector& gradient) const {
  const Activation* g1 = hidden1->GetActivation();
  const double* h = hidden1->Output()[0];
  const Matrix& w = outputLayer->Weights();
  const double* x = lmRow;
  for (std::int32_t j = 0; j < hidden1Count; ++j) {
    double gRe = 0.0, gIm = 0.0;
    for (std::int32_t k = 0; k < outputs; ++k) {
      const double dRe = complexDeltas[2 * k], dIm = complexDeltas[2 * k + 1];
      const double c = w[k][2 * j], d = w[k][2 * j + 1];
      gRe += dRe * c + dIm * d;
      gIm += dIm * c - dRe * d;
    }
    const double hRe = g1->Derivative(h[2 * j]) * gRe;
    const double hIm = g1->Derivative(h[2 * j + 1]) * gIm;
    double* g = gradient.Data() + HiddenOffset(j);
    for (std::int32_t i = 0; i < inputs; ++i) {
      const double u = x[2 * i], v = x[2 * i + 1];
      g[2 * i] += hRe * u + hIm * v;
      g[2 * i + 1] += hIm * u - hRe * v;
    }
    g[2 * inputs] += hRe;
    g[2 * inputs + 1] += hIm;
  }
}

double LayerNet2::AccumulateRowComplex(std::int32_t output, int part, double target, Matrix& alpha,
                                       Vector& beta) {
  const double y = outputLayer->Output()[0][2 * output + part];
  ComplexRowDerivatives(output, part, outputLayer->GetActivation()->Derivative(y));
  const double* d = rowDerivatives.Data();
  const double error = target - y;
  // D is zero outside this output's block and the hidden block, so only
  // those rows and columns of alpha and beta gain anything.
  const std::int32_t width = outputLayer->Weights().Cols();
  const std::int32_t first = output * width, last = first + width;
  const std::int32_t hiddenStart = HiddenOffset(0), n = WeightCount();
  for (std::int32_t i = first; i < last; ++i) {
    double* a = alpha[i];
    for (std::int32_t j = first; j <= i; ++j) a[j] += d[i] * d[j];
    beta[i] += error * d[i];
  }
  for (std::int32_t i = hiddenStart; i < n; ++i) {
    double* a = alpha[i];
    for (std::int32_t j = first; j < last; ++j) a[j] += d[i] * d[j];
    for (std::int32_t j = hiddenStart; j <= i; ++j) a[j] += d[i] * d[j];
    beta[i] += error * d[i];
  }
  return error * error;
}

void LayerNet2::ComplexRowDerivatives(std::int32_t output, int part, double slope) {
  const Activation* g1 = hidden1->GetActivation();
  const double* h = hidden1->Output()[0];
  const double* w = outputLayer->Weights()[output];
  const std::int32_t width = outputLayer->Weights().Cols();
  double* d = rowDerivatives.Data() + output * width;
  for (std::int32_t j = 0; j < hidden1Count; ++j) {
    const double a = h[2 * j], b = h[2 * j + 1];
    d[2 * j] = part == 0 ? slope * a : slope * b;
    d[2 * j + 1] = part == 0 ? -slope * b : slope * a;
  }
  d[width - 2] = part == 0 ? slope : 0.0;
  d[width - 1] = part == 0 ? 0.0 : slope;
  const double* x = lmRow;
  for (std::int32_t j = 0; j < hidden1Count; ++j) {
    const double c = w[2 * j], dw = w[2 * j + 1];
    const double gA = g1->Derivative(h[2 * j]), gB = g1->Derivative(h[2 * j + 1]);
    const double A = part == 0 ? slope * c * gA : slope * dw * gA;
    const double B = part == 0 ? -slope * dw * gB : slope * c * gB;
    double* dh = rowDerivatives.Data() + HiddenOffset(j);
    for (std::int32_t i = 0; i < inputs; ++i) {
      const double u = x[2 * i], v = x[2 * i + 1];
      dh[2 * i] = A * u + B * v;
      dh[2 * i + 1] = B * u - A * v;
    }
    dh[2 * inputs] = A;
    dh[2 * inputs + 1] = B;
  }
}

double LayerNet2::ComplexRegression() {
  const Matrix& set = *trainingSet;
  const std::int32_t unknowns = 2 * (hidden1Count + 1);
  // Too few rows for the unknowns: zero equations fill the rest, which
  // leaves the least-squares solution as it is.
  const std::int64_t equations = std::max<std::int64_t>(2 * static_cast<std::int64_t>(set.Rows()), unknowns);
  const std::uint64_t doubles = static_cast<std::uint64_t>(equations) * (unknowns + 1) +
                                static_cast<std::uint64_t>(unknowns) * (unknowns + 2);
  if (equations > std::numeric_limits<std::int32_t>::max() ||
      !platform::MemoryCanHold(doubles * sizeof(double)))
    return -200.0;
  MatrixOperation solver;
  if (solver.Setup(static_cast<std::int32_t>(equations), unknowns) || solver.w.Length() != unknowns ||
      solver.V.Rows() != unknowns)
    return -200.0;
  FillComplexDesign(set, solver.A);
  Vector b, x;
  if (!solver.svdcmp() || !b.Resize(solver.A.Rows())) return -200.0;
  for (std::int32_t k = 0; k < outputs; ++k) {
    FillComplexRightSide(set, k, b);
    if (!solver.BackSubstitute(b, x)) return -200.0;
    double* weights = outputLayer->Weights()[k];
    for (std::int32_t i = 0; i < unknowns; ++i) weights[i] = std::clamp(x[i], -kWeightLimit, kWeightLimit);
  }
  mse = ComputeMse(set);
  return mse;
}

// Row 2r holds the real-part equation of row r, row 2r + 1 the imaginary one:
// (c + id)(a + ib) = (ca - db) + i(cb + da).
void LayerNet2::FillComplexDesign(const Matrix& set, Matrix& design) {
  const double* h = hidden1->Output()[0];
  for (std::int32_t r = 0; r < set.Rows(); ++r) {
    hidden1->Forward(set, r);
    double* re = design[2 * r];
    double* im = design[2 * r + 1];
    for (std::int32_t j = 0; j < hidden1Count; ++j) {
      re[2 * j] = h[2 * j];
      re[2 * j + 1] = -h[2 * j + 1];
      im[2 * j] = h[2 * j + 1];
      im[2 * j + 1] = h[2 * j];
    }
    re[2 * hidden1Count] = 1.0;
    im[2 * hidden1Count + 1] = 1.0;
  }
}

void LayerNet2::FillComplexRightSide(const Matrix& set, std::int32_t output, Vector& b) const {
  const Activation* f = outputLayer->GetActivation();
  const double upper = f->Inverse(f->UpperTarget());
  const double lower = f->Inverse(f->LowerTarget());
  for (std::int32_t r = 0; r < set.Rows(); ++r) {
    const double* row = set[r];
    const bool inClass = std::trunc(row[set.Cols() - 1]) == output + 1;
    for (int part = 0; part < 2; ++part) {
      b[2 * r + part] = style == kClassifier ? (inClass ? upper : lower)
                                             : f->Inverse(TargetValue(row, set.Cols(), 2 * output + part));
    }
  }
}

bool LayerNet2::IsInitMethodValid() const {
  return boundSetup.initializationMethod != kGenetic && boundSetup.initializationMethod != kRegression;
}

double LayerNet2::RegressionInitialization() {
  if (complexFlag) return ComplexRegression();
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
    case OutputRegression::kNoLayerInputTable: PostProgressMessage(tableMessage); return false;
    case OutputRegression::kNoDecomposition: PostProgressMessage(decompositionMessage); return false;
  }
  return false;
}

double LayerNet2::SimulatedAnnealing(const annealingParameters& parameters, WeightSnapshot& centre,
                                     bool withRegression) {
  progress->initializationMse.Set(1.0);
  WeightSnapshot lastAccepted;
  if (!AllocateSnapshot(lastAccepted)) {
    PostProgressMessage(
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
