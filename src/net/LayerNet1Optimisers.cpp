// The gradient, the line interface and the three optimisers of the layer
// networks. They walk the layers through the `layers` table, so one body
// serves the networks with none, one and two hidden layers.
#include <algorithm>
#include <cmath>

#include "net/LayerNet1.h"
#include "numerics/MatrixOperation.h"
#include "platform/Env.h"

namespace {

constexpr double kNoMemory = -200.0;
constexpr double kStopped = 1e100;
constexpr double kFtol = 1e-7;
constexpr double kEps = 1e-10;

// Two successive mse values close enough that another iteration is not
// worth its cost.
bool Converged(double f, double fPrevious) {
  return 2.0 * std::fabs(f - fPrevious) <= kFtol * (std::fabs(f) + std::fabs(fPrevious) + kEps);
}

double Dot(const Vector& a, const Vector& b) {
  double sum = 0.0;
  for (std::int32_t i = 0; i < a.Length(); ++i) sum += a[i] * b[i];
  return sum;
}

// Adds delta_i x_j to the weight entries of neuron i and delta_i to its bias.
void AddLayerGradient(const double* delta, std::int32_t neurons, const double* x, std::int32_t inputs,
                      double* g) {
  for (std::int32_t i = 0; i < neurons; ++i, g += inputs + 1) {
    const double d = delta[i];
    for (std::int32_t j = 0; j < inputs; ++j) g[j] += d * x[j];
    g[inputs] += d;
  }
}

// The deltas of the layer below: (sum over neurons i of delta_i W[i][h]) x
// the derivative at that layer's output x_h. Bias weights carry nothing back.
void CarryBack(const Matrix& w, const double* delta, const double* x, std::int32_t inputs,
               const Activation& below, double* belowDelta) {
  std::fill_n(belowDelta, inputs, 0.0);
  for (std::int32_t i = 0; i < w.Rows(); ++i) {
    const double d = delta[i];
    const double* row = w[i];
    for (std::int32_t h = 0; h < inputs; ++h) belowDelta[h] += d * row[h];
  }
  for (std::int32_t h = 0; h < inputs; ++h) belowDelta[h] *= below.Derivative(x[h]);
}

double LargestDiagonal(const Matrix& m) {
  double largest = m[0][0];
  for (std::int32_t i = 1; i < m.Rows(); ++i) largest = std::max(largest, m[i][i]);
  return largest;
}

double LargestMagnitude(const Vector& v) {
  double largest = 0.0;
  for (std::int32_t i = 0; i < v.Length(); ++i) largest = std::max(largest, std::fabs(v[i]));
  return largest;
}

}  // namespace

bool LayerNet1::PrepareOptimisation() { return SizeOptimisationSpace(); }

bool LayerNet1::SizeOptimisationSpace() {
  for (int l = 0; l < layerCount; ++l) {
    const std::int32_t neurons = layers[l]->Neurons();
    if (layerDelta[l].Length() != neurons && !layerDelta[l].Resize(neurons)) return false;
  }
  const std::int32_t n = WeightCount();
  return (rowTargets.Length() == outputs || rowTargets.Resize(outputs)) &&
         (rowDerivatives.Length() == n || rowDerivatives.Resize(n)) &&
         (lineGradient.Length() == n || lineGradient.Resize(n));
}

void LayerNet1::ReleaseOptimisation() {
  for (Vector& delta : layerDelta) delta.Free();
  rowTargets.Free();
  rowDerivatives.Free();
  lineGradient.Free();
}

const double* LayerNet1::RowTargets(const double* row, std::int32_t cols, double* buffer) const {
  if (style == kGeneric) return row + ColumnCount(false);
  if (style != kClassifier) return row;
  const Activation* f = outputLayer->GetActivation();
  const double classNumber = std::trunc(row[cols - 1]);
  for (std::int32_t k = 0; k < outputs; ++k)
    buffer[k] = classNumber == k + 1 ? f->UpperTarget() : f->LowerTarget();
  return buffer;
}

std::int32_t LayerNet1::WeightOffset(int l) const {
  std::int32_t offset = 0;
  for (int above = layerCount - 1; above > l; --above)
    offset += layers[above]->Weights().Rows() * layers[above]->Weights().Cols();
  return offset;
}

bool LayerNet1::TanhOutput() const { return outputLayer->GetActivation()->Code() == tanhTable.Code(); }

double LayerNet1::Gradient(Vector& gradient) {
  const std::int32_t n = WeightCount();
  if (gradient.Length() != n ? !gradient.Resize(n) : (gradient.Zero(), false)) return kNoMemory;
  if (!SizeOptimisationSpace()) return kNoMemory;
  const Matrix& set = *trainingSet;
  const int top = layerCount - 1;
  const Activation& outputFunction = *outputLayer->GetActivation();
  std::int32_t offsets[3];
  for (int l = 0; l <= top; ++l) offsets[l] = WeightOffset(l);
  double* g = gradient.Data();
  double sum = 0.0;
  for (std::int32_t r = 0; r < set.Rows(); ++r) {
    Forward(set, r);
    const double* row = set[r];
    const double* targets = RowTargets(row, set.Cols(), rowTargets.Data());
    const double* y = outputLayer->Output()[0];
    double* delta = layerDelta[top].Data();
    for (std::int32_t k = 0; k < outputs; ++k) {
      const double e = y[k] - targets[k];
      sum += e * e;
      delta[k] = 2.0 * e * outputFunction.Derivative(y[k]);
    }
    for (int l = top; l >= 0; --l) {
      const Layer& layer = *layers[l];
      const double* x = l == 0 ? row : layers[l - 1]->Output()[0];
      AddLayerGradient(layerDelta[l].Data(), layer.Neurons(), x, layer.Inputs(), g + offsets[l]);
      if (l > 0)
        CarryBack(layer.Weights(), layerDelta[l].Data(), x, layer.Inputs(), *layers[l - 1]->GetActivation(),
                  layerDelta[l - 1].Data());
    }
  }
  double rows = set.Rows();
  if (TanhOutput()) rows *= 4.0;
  const double scale = 1.0 / rows;
  for (std::int32_t i = 0; i < n; ++i) g[i] *= scale;
  return sum / (outputs * rows);
}

void LayerNet1::MoveAlongLine(double t) {
  const Vector& p = *linePoint;
  const Vector& d = *lineDirection;
  std::int32_t i = 0;
  for (int l = layerCount - 1; l >= 0; --l) {
    Matrix& w = layers[l]->Weights();
    for (std::int32_t r = 0; r < w.Rows(); ++r) {
      double* row = w[r];
      for (std::int32_t c = 0; c < w.Cols(); ++c, ++i) row[c] = p[i] + t * d[i];
    }
  }
}

double LayerNet1::ValueAt(double t) {
  MoveAlongLine(t);
  return ComputeMse(*trainingSet);
}

double LayerNet1::SlopeAt(double t) {
  MoveAlongLine(t);
  Gradient(lineGradient);
  return Dot(lineGradient, *lineDirection);
}

void LayerNet1::PublishOptimisation(double value, std::int32_t epoch) {
  PublishOptimisationMse(value);
  PublishEpoch(epoch);
}

void LayerNet1::PublishOptimisationMse(double value) {
  if (progress) progress->optimizationMse.Set(value);
}

void LayerNet1::PublishEpoch(std::int32_t epoch) {
  if (progress) progress->epoch.Set(epoch);
}

double LayerNet1::ConjugateGradient() {
  const std::int32_t n = WeightCount();
  Vector g, h, p;
  FindMinimumD line;
  if (!g.Resize(n) || !h.Resize(n) || !p.Resize(n) || !line.SetPoint(p) || !SizeOptimisationSpace())
    return kNoMemory;
  Vector& xi = line.Direction();
  linePoint = &p;
  lineDirection = &xi;
  GetWeights(p);
  double fPrevious = Gradient(xi);
  for (std::int32_t i = 0; i < n; ++i) {
    g[i] = -xi[i];
    h[i] = g[i];
    xi[i] = h[i];
  }
  double f = 1e100;
  for (std::int32_t epoch = 1; epoch <= boundSetup.epochs; ++epoch) {
    f = line.LineMinimise(*this);
    PublishOptimisation(f, epoch);
    if (f <= boundSetup.goal || Converged(f, fPrevious) || StopRequested()) break;
    SetWeights(p);
    fPrevious = Gradient(xi);
    double gg = 0.0, dgg = 0.0;
    for (std::int32_t i = 0; i < n; ++i) {
      gg += g[i] * g[i];
      dgg += (xi[i] + g[i]) * xi[i];
    }
    if (gg == 0.0) break;
    const double gamma = dgg / gg;
    for (std::int32_t i = 0; i < n; ++i) {
      g[i] = -xi[i];
      h[i] = g[i] + gamma * h[i];
      xi[i] = h[i];
    }
  }
  SetWeights(p);
  linePoint = lineDirection = nullptr;
  return f;
}

double LayerNet1::VariableMetric() {
  const std::int32_t n = WeightCount();
  Vector g, dg, hdg, p;
  Matrix hessian;
  FindMinimumD line;
  if (!platform::MemoryCanHold(static_cast<std::uint64_t>(n) * n * sizeof(double))) return kNoMemory;
  if (!g.Resize(n) || !dg.Resize(n) || !hdg.Resize(n) || !p.Resize(n) || !line.SetPoint(p) ||
      !hessian.Resize(n, n) || !SizeOptimisationSpace())
    return kNoMemory;
  Vector& xi = line.Direction();
  GetWeights(p);
  double fPrevious = Gradient(g);
  // Without an iteration the run ends where it began.
  if (boundSetup.epochs < 1) return fPrevious;
  linePoint = &p;
  lineDirection = &xi;
  for (std::int32_t i = 0; i < n; ++i) {
    hessian[i][i] = 1.0;
    xi[i] = -g[i];
  }
  double f = fPrevious;
  for (std::int32_t epoch = 0; epoch < boundSetup.epochs; ++epoch) {
    f = line.LineMinimise(*this);
    PublishOptimisation(f, epoch);
    if (f <= boundSetup.goal || Converged(f, fPrevious) || StopRequested()) break;
    fPrevious = f;
    dg.CopyFrom(g);
    SetWeights(p);
    f = Gradient(g);
    for (std::int32_t i = 0; i < n; ++i) dg[i] = g[i] - dg[i];
    for (std::int32_t i = 0; i < n; ++i) {
      double sum = 0.0;
      for (std::int32_t j = 0; j < n; ++j) sum += hessian[i][j] * dg[j];
      hdg[i] = sum;
    }
    const double dgXi = Dot(dg, xi);
    const double fae = Dot(dg, hdg);
    // A zero curvature product would divide by zero: keep H for this step.
    if (dgXi != 0.0 && fae != 0.0) {
      const double fac = 1.0 / dgXi;
      const double fad = 1.0 / fae;
      for (std::int32_t i = 0; i < n; ++i) dg[i] = fac * xi[i] - fad * hdg[i];
      for (std::int32_t i = 0; i < n; ++i) {
        double* row = hessian[i];
        const double a = fac * xi[i], b = fad * hdg[i], c = fae * dg[i];
        for (std::int32_t j = i; j < n; ++j) {
          row[j] += a * xi[j] - b * hdg[j] + c * dg[j];
          hessian[j][i] = row[j];
        }
      }
    }
    for (std::int32_t i = 0; i < n; ++i) {
      double sum = 0.0;
      for (std::int32_t j = 0; j < n; ++j) sum -= hessian[i][j] * g[j];
      xi[i] = sum;
    }
  }
  SetWeights(p);
  linePoint = lineDirection = nullptr;
  return f;
}

double LayerNet1::ErrorAndDerivatives(Matrix& alpha, Vector& beta) {
  if (complexFlag) return ErrorAndDerivativesComplex(alpha, beta);
  if (!SizeOptimisationSpace()) return kNoMemory;
  alpha.Zero();
  beta.Zero();
  const Matrix& set = *trainingSet;
  double error = 0.0;
  for (std::int32_t r = 0; r < set.Rows(); ++r) {
    Forward(set, r);
    lmRow = set[r];
    const double* targets = RowTargets(lmRow, set.Cols(), rowTargets.Data());
    for (std::int32_t k = 0; k < outputs; ++k) error += AccumulateRow(k, targets[k], alpha, beta);
    if (StopRequested()) return kStopped;
  }
  const std::int32_t n = alpha.Rows();
  for (std::int32_t i = 0; i < n; ++i)
    for (std::int32_t j = 0; j < i; ++j) alpha[j][i] = alpha[i][j];
  double e = error / (static_cast<double>(outputs) * set.Rows());
  if (TanhOutput()) e *= 0.25;
  return e;
}

double LayerNet1::AccumulateRow(std::int32_t output, double target, Matrix& alpha, Vector& beta) {
  const int top = layerCount - 1;
  const double y = outputLayer->Output()[0][output];
  const double slope = outputLayer->GetActivation()->Derivative(y);
  double* d = rowDerivatives.Data();
  // The output neuron's own weights: the only non-zero part of D in the
  // output layer's block.
  const std::int32_t m = outputLayer->Inputs();
  const double* x = top == 0 ? lmRow : layers[top - 1]->Output()[0];
  const std::int32_t first = output * (m + 1);
  const std::int32_t last = first + m + 1;
  for (std::int32_t j = 0; j < m; ++j) d[first + j] = slope * x[j];
  d[first + m] = slope;
  // The hidden layers, by the chain rule from that one output.
  const std::int32_t n = rowDerivatives.Length();
  const std::int32_t hiddenStart = top > 0 ? WeightOffset(top - 1) : n;
  if (top > 0) {
    double* delta = layerDelta[top - 1].Data();
    const double* w = outputLayer->Weights()[output];
    const Activation& below = *layers[top - 1]->GetActivation();
    for (std::int32_t h = 0; h < m; ++h) delta[h] = slope * w[h] * below.Derivative(x[h]);
    for (int l = top - 1; l >= 0; --l) {
      const Layer& layer = *layers[l];
      const double* in = l == 0 ? lmRow : layers[l - 1]->Output()[0];
      double* block = d + WeightOffset(l);
      std::fill_n(block, layer.Neurons() * (layer.Inputs() + 1), 0.0);
      AddLayerGradient(layerDelta[l].Data(), layer.Neurons(), in, layer.Inputs(), block);
      if (l > 0)
        CarryBack(layer.Weights(), layerDelta[l].Data(), in, layer.Inputs(), *layers[l - 1]->GetActivation(),
                  layerDelta[l - 1].Data());
    }
  }
  const double e = target - y;
  for (std::int32_t i = first; i < last; ++i) {
    double* a = alpha[i];
    const double di = d[i];
    for (std::int32_t j = first; j <= i; ++j) a[j] += di * d[j];
    beta[i] += e * di;
  }
  for (std::int32_t i = hiddenStart; i < n; ++i) {
    double* a = alpha[i];
    const double di = d[i];
    for (std::int32_t j = first; j < last; ++j) a[j] += di * d[j];
    for (std::int32_t j = hiddenStart; j <= i; ++j) a[j] += di * d[j];
    beta[i] += e * di;
  }
  return e * e;
}

double LayerNet1::LevenbergMarquardt() {
  const std::int32_t n = WeightCount();
  // alpha, its working copy (which the decomposition works in) and V.
  if (!platform::MemoryCanHold(3ull * static_cast<std::uint64_t>(n) * n * sizeof(double))) return kNoMemory;
  Matrix alpha;
  Vector beta, workBeta, step;
  MatrixOperation solver;
  if (!alpha.Resize(n, n) || solver.Setup(n, n) || !beta.Resize(n) || !workBeta.Resize(n) ||
      !step.Resize(n) || !SizeOptimisationSpace())
    return kNoMemory;
  Matrix& work = solver.A;
  double e = ErrorAndDerivatives(alpha, beta);
  double eBest = e;
  double lambda = LargestDiagonal(alpha) + 1e-20;
  PublishOptimisation(e, 0);
  bool recopy = true;
  int bad = 0, small = 0;
  for (std::int32_t epoch = 1; epoch <= boundSetup.epochs; ++epoch) {
    PublishEpoch(epoch);
    if (recopy) {
      work.CopyFrom(alpha);
      workBeta.CopyFrom(beta);
    }
    for (std::int32_t i = 0; i < n; ++i) work[i][i] += lambda;
    if (!solver.svdcmp() || !solver.BackSubstitute(workBeta, step)) return kNoMemory;
    AddScaled(1.0, step);
    e = ErrorAndDerivatives(work, workBeta);
    const double gain = (eBest - e) / eBest;
    if (!(gain > 0.0)) {
      AddScaled(-1.0, step);
      lambda *= 2.0;
      recopy = true;
      if (StopRequested()) break;
      ++bad;
      if (bad == 5) lambda = std::max(lambda, LargestDiagonal(alpha));
      if (bad == 10) break;
      continue;
    }
    eBest = e;
    PublishOptimisationMse(eBest);
    if (StopRequested() || e <= boundSetup.goal) break;
    if (gain < 1e-10) {
      double largest = LargestMagnitude(workBeta);
      if (e > 1.0) largest /= e;
      if (largest <= 1e-10) break;
      ++small;
      if (small == 5) lambda = std::max(lambda, LargestDiagonal(alpha));
      if (small == 10) break;
    } else {
      small = 0;
    }
    alpha.CopyFrom(work);
    beta.CopyFrom(workBeta);
    lambda /= 2.0;
    recopy = false;
    bad = 0;
  }
  PublishOptimisationMse(eBest);
  return eBest;
}
