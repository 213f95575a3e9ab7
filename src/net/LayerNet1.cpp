#include "net/LayerNet1.h"

#include <algorithm>
#include <cmath>
#include <condition_variable>
#include <cstring>
#include <mutex>
#include <thread>
#include <vector>

#include "net/ComplexLayer.h"
#include "net/NetworkAnnealing.h"
#include "net/NetworkFile.h"
#include "net/RealLayer.h"
#include "numerics/NumberText.h"
#include "numerics/Random.h"
#include "platform/Env.h"
#include "platform/Text.h"
#include "search/AnnealingPass.h"
#include "search/WeightGenetic.h"

namespace {

constexpr std::size_t kOutputChunk = 1 << 20;

}  // namespace

void LayerNet1::Bind(Matrix* set, trainingProgress* record, const trainingSetup& setup) {
  trainingSet = set;
  progress = record;
  boundSetup = setup;
}

void LayerNet1::SetKeepRunning(bool value) {
  std::lock_guard<std::mutex> hold(keepRunningLock);
  keepRunning = value;
}

bool LayerNet1::IsRunning() const {
  std::lock_guard<std::mutex> hold(keepRunningLock);
  return keepRunning;
}

// Output text or bytes gathered into large blocks before each write; after
// a failed write nothing more is written.
class LayerNet1::OutputBuffer {
 public:
  explicit OutputBuffer(platform::File& file) : file(file), bytes(kOutputChunk + 1024) {}

  // Room for one formatted number and its separator.
  char* Reserve() {
    if (used > kOutputChunk) Flush();
    return bytes.data() + used;
  }
  void Commit(char* end) { used = end - bytes.data(); }
  bool Flush() {
    if (!failed && used > 0 && file.Write(bytes.data(), used) != used) failed = true;
    used = 0;
    return !failed;
  }
  bool Failed() const { return failed; }

 private:
  platform::File& file;
  std::vector<char> bytes;
  std::size_t used = 0;
  bool failed = false;
};

namespace {

Message CreateOutput(const std::filesystem::path& path, std::unique_ptr<platform::File>& file) {
  std::u16string error;
  file = platform::Env::Current().Open(path, platform::OpenMode::Create, platform::Share::None, error);
  return file ? nullptr : u"The output file cannot be created";
}

}  // namespace

bool LayerNet1::Create(const networkSetup& setup, bool withOutputs) {
  if (!BeginCreate(setup, 1)) return false;
  outputLayer = MakeLayer(outputs, inputs, setup.outputActivation, withOutputs);
  layers[0] = outputLayer.get();
  return FinishCreate(setup);
}

bool LayerNet1::BeginCreate(const networkSetup& setup, int count) {
  Destroy();
  if (NetworkFile::CheckSetup(setup) || NetworkFile::LayerCount(setup) != count) return false;
  inputs = setup.inputs;
  outputs = setup.outputs;
  complexFlag = setup.complex != 0;
  style = setup.style;
  layerCount = count;
  return true;
}

std::unique_ptr<Layer> LayerNet1::MakeLayer(std::int32_t neurons, std::int32_t layerInputs, std::int32_t code,
                                            bool withOutputs) {
  std::unique_ptr<Layer> layer;
  if (complexFlag)
    layer.reset(new (std::nothrow) ComplexLayer);
  else
    layer.reset(new (std::nothrow) RealLayer);
  if (!layer || !layer->Allocate(neurons, layerInputs, withOutputs)) return nullptr;
  layer->SetActivation(ActivationFor(code));
  return layer;
}

bool LayerNet1::FinishCreate(const networkSetup& setup) {
  bool built = true;
  for (int l = 0; l < layerCount; ++l) built = built && layers[l] != nullptr;
  if (built && style == kClassifier) built = confusion.Resize(outputs + 1, outputs + 1);
  if (built) built = inputScaler.SetSize(inputs);
  if (built && style == kGeneric) built = outputScaler.SetSize(outputs);
  if (!built) Destroy();
  return built;
}

const Activation* LayerNet1::ActivationFor(std::int32_t code) const {
  switch (code) {
    case 0: return &logsigTable;
    case 1: return &tanhTable;
    case 2: return &linear;
    default: return nullptr;
  }
}

Message LayerNet1::Load(const std::filesystem::path& path) { return LoadLayers(path, 1); }

Message LayerNet1::LoadLayers(const std::filesystem::path& path, int count) {
  NetworkFile file;
  if (Message error = file.Read(path, count)) return error;
  if (!Create(file.setup, true)) return u"Not enough memory to open file";
  for (int l = 0; l < layerCount; ++l) layers[l]->Weights().Swap(file.weights[l]);
  inputScaler = std::move(file.inputScaler);
  outputScaler = std::move(file.outputScaler);
  return nullptr;
}

Message LayerNet1::Save(const std::filesystem::path& path) {
  networkSetup setup;
  GetSetup(setup);
  const Matrix* weights[3] = {};
  for (int l = 0; l < layerCount; ++l) weights[l] = &layers[l]->Weights();
  return NetworkFile::Write(path, setup, weights, layerCount, inputScaler, outputScaler);
}

void LayerNet1::Destroy() {
  inputScaler.Clear();
  outputScaler.Clear();
  outputLayer.reset();
  confusion.Free();
  std::fill(std::begin(layers), std::end(layers), nullptr);
  layerCount = 0;
  mse = 1e100;
  inputs = outputs = 0;
}

void LayerNet1::Forward(const Matrix& set, std::int32_t row) { outputLayer->Forward(set, row); }

void LayerNet1::GetSetup(networkSetup& setup) const {
  setup = networkSetup{};
  setup.SetFileIdentity();
  setup.inputs = inputs;
  setup.outputs = outputs;
  setup.outputActivation = outputLayer ? outputLayer->GetActivation()->Code() : 0;
  setup.style = style;
  setup.complex = complexFlag ? 1 : 0;
}

void LayerNet1::ZeroWeights() {
  for (int l = 0; l < layerCount; ++l) layers[l]->Weights().Zero();
}

Matrix& LayerNet1::SnapshotMatrix(WeightSnapshot& snapshot, int l) const {
  if (l == layerCount - 1) return snapshot.output;
  return l == 0 ? snapshot.hidden1 : snapshot.hidden2;
}

const Matrix& LayerNet1::SnapshotMatrix(const WeightSnapshot& snapshot, int l) const {
  return SnapshotMatrix(const_cast<WeightSnapshot&>(snapshot), l);
}

bool LayerNet1::AllocateSnapshots(WeightSnapshot& a, WeightSnapshot& b, WeightSnapshot& c) const {
  return AllocateSnapshot(a) && AllocateSnapshot(b) && AllocateSnapshot(c);
}

bool LayerNet1::AllocateSnapshot(WeightSnapshot& snapshot) const {
  for (int l = 0; l < layerCount; ++l) {
    const Matrix& w = layers[l]->Weights();
    if (!SnapshotMatrix(snapshot, l).Resize(w.Rows(), w.Cols())) return false;
  }
  return true;
}

void LayerNet1::SaveSnapshot(WeightSnapshot& snapshot) const {
  snapshot.mse = mse;
  for (int l = 0; l < layerCount; ++l) SnapshotMatrix(snapshot, l).CopyFrom(layers[l]->Weights());
}

void LayerNet1::RestoreSnapshot(const WeightSnapshot& snapshot) {
  mse = snapshot.mse;
  for (int l = 0; l < layerCount; ++l) layers[l]->Weights().CopyFrom(SnapshotMatrix(snapshot, l));
}

std::int32_t LayerNet1::WeightCount() const {
  std::int32_t count = 0;
  for (int l = 0; l < layerCount; ++l) count += layers[l]->Weights().Rows() * layers[l]->Weights().Cols();
  return count;
}

std::int32_t LayerNet1::GetWeights(Vector& weights) const {
  const std::int32_t count = WeightCount();
  if (weights.Length() != count) weights.Resize(count);
  std::int32_t i = 0;
  for (int l = layerCount - 1; l >= 0; --l) {
    const Matrix& w = layers[l]->Weights();
    for (std::int32_t r = 0; r < w.Rows(); ++r)
      for (std::int32_t c = 0; c < w.Cols(); ++c) weights[i++] = w[r][c];
  }
  return count;
}

std::int32_t LayerNet1::SetWeights(const Vector& weights) {
  std::int32_t i = 0;
  for (int l = layerCount - 1; l >= 0; --l) {
    Matrix& w = layers[l]->Weights();
    for (std::int32_t r = 0; r < w.Rows(); ++r)
      for (std::int32_t c = 0; c < w.Cols(); ++c) w[r][c] = weights[i++];
  }
  return i;
}

void LayerNet1::AddScaled(double step, const Vector& weights) {
  std::int32_t i = 0;
  for (int l = layerCount - 1; l >= 0; --l) {
    Matrix& w = layers[l]->Weights();
    for (std::int32_t r = 0; r < w.Rows(); ++r)
      for (std::int32_t c = 0; c < w.Cols(); ++c) w[r][c] += step * weights[i++];
  }
}

std::int32_t LayerNet1::ColumnCount(bool withTargets) const {
  const std::int32_t width = complexFlag ? 2 : 1;
  std::int32_t count = width * inputs;
  if (!withTargets) return count;
  if (style == kGeneric) count += width * outputs;
  if (style == kClassifier) count += 1;
  return count;
}

void LayerNet1::AddRowSquaredErrors(const double* row, std::int32_t cols, double& sum) const {
  const double* y = outputLayer->Output()[0];
  if (style == kClassifier) {
    const Activation* f = outputLayer->GetActivation();
    const double classNumber = std::trunc(row[cols - 1]);
    const std::int32_t parts = complexFlag ? 2 : 1;
    for (std::int32_t k = 0; k < outputs; ++k) {
      const double target = classNumber == k + 1 ? f->UpperTarget() : f->LowerTarget();
      for (std::int32_t p = 0; p < parts; ++p) {
        const double e = y[parts * k + p] - target;
        sum += e * e;
      }
    }
    return;
  }
  const double* targets = style == kGeneric ? row + ColumnCount(false) : row;
  const std::int32_t values = (complexFlag ? 2 : 1) * outputs;
  for (std::int32_t k = 0; k < values; ++k) {
    const double e = y[k] - targets[k];
    sum += e * e;
  }
}

double LayerNet1::ComputeMse(const Matrix& set) {
  double sum = 0.0;
  for (std::int32_t r = 0; r < set.Rows(); ++r) {
    Forward(set, r);
    AddRowSquaredErrors(set[r], set.Cols(), sum);
  }
  return MeanSquaredError(sum, set.Rows());
}

double LayerNet1::MeanSquaredError(double sum, std::int32_t rows) const {
  double count = static_cast<double>(outputs) * rows;
  if (outputLayer->GetActivation()->Code() == tanhTable.Code()) count *= 4.0;
  return sum / count;
}

double LayerNet1::TargetValue(const double* row, std::int32_t cols, std::int32_t value) const {
  const std::int32_t parts = complexFlag ? 2 : 1;
  if (style == kClassifier) {
    const Activation* f = outputLayer->GetActivation();
    return std::trunc(row[cols - 1]) == value / parts + 1 ? f->UpperTarget() : f->LowerTarget();
  }
  return style == kGeneric ? row[ColumnCount(false) + value] : row[value];
}

double LayerNet1::AccumulateRowComplex(std::int32_t, int, double, Matrix&, Vector&) { return 1.0; }

double LayerNet1::ErrorAndDerivativesComplex(Matrix& alpha, Vector& beta) {
  if (!PrepareOptimisation()) return -200.0;
  const Matrix& set = *trainingSet;
  alpha.Zero();
  beta.Zero();
  double sum = 0.0;
  for (std::int32_t r = 0; r < set.Rows(); ++r) {
    Forward(set, r);
    lmRow = set[r];
    for (std::int32_t k = 0; k < outputs; ++k) {
      for (int part = 0; part < 2; ++part)
        sum += AccumulateRowComplex(k, part, TargetValue(set[r], set.Cols(), 2 * k + part), alpha, beta);
    }
    if (!IsRunning()) return 1e100;
  }
  for (std::int32_t i = 0; i < alpha.Rows(); ++i)
    for (std::int32_t j = 0; j < i; ++j) alpha[j][i] = alpha[i][j];
  double error = sum / (2.0 * outputs * set.Rows());
  if (TanhOutput()) error *= 0.25;
  return error;
}

double LayerNet1::RegressionInitialization() {
  progress->initializationMse.Set(1.0);
  progress->initializationValue.Set(0.0);
  OutputRegression work;
  if (work.Prepare(trainingSet->Rows(), inputs, false) != OutputRegression::kNone ||
      !FitOutputLayer(work, *trainingSet, 0.0))
    return kInitializationNoMemory;
  mse = ComputeMse(*trainingSet);
  progress->initializationMse.Set(mse);
  progress->initializationValue.Set(1.0);
  return mse;
}

double LayerNet1::Initialize(WeightSnapshot& scratch) {
  switch (boundSetup.initializationMethod) {
    case kAnnealing:
      progress->phase.Set(kPhaseAnnealing);
      return SimulatedAnnealing(boundSetup.annealing, scratch);
    case kGenetic: progress->phase.Set(kPhaseGenetic); return GeneticInitialization(boundSetup.genetic);
    case kRegression: progress->phase.Set(kPhaseRegression); return RegressionInitialization();
    default: return 1e100;
  }
}

void LayerNet1::Perturb(double s, const WeightSnapshot& centre) { PerturbLayers(0, 1, s, centre); }

void LayerNet1::PerturbAll(double s, const WeightSnapshot& centre) {
  PerturbLayers(0, layerCount, s, centre);
}

void LayerNet1::PerturbLayers(int first, int end, double s, const WeightSnapshot& centre) {
  for (int l = first; l < end; ++l) {
    Matrix& w = layers[l]->Weights();
    const Matrix& c = SnapshotMatrix(centre, l);
    for (std::int32_t r = 0; r < w.Rows(); ++r)
      for (std::int32_t k = 0; k < w.Cols(); ++k)
        w[r][k] = (Random::Uniform() - 0.5) * s * 30.0 + (1.0 - s) * c[r][k];
  }
}

double LayerNet1::SimulatedAnnealing(const annealingParameters& parameters, WeightSnapshot& centre) {
  progress->initializationMse.Set(1.0);
  WeightSnapshot lastAccepted;
  if (!AllocateSnapshot(lastAccepted)) {
    PostProgressMessage(
        u"ERROR: \r\n   No enough memory to create tmpSolution on LayerNet1::SimulatedAnnealing.\r\n");
    return kSearchNoMemory;
  }
  return AnnealFromPresentWeights(parameters, centre, lastAccepted, false);
}

double LayerNet1::AnnealFromPresentWeights(const annealingParameters& parameters, WeightSnapshot& centre,
                                           WeightSnapshot& lastAccepted, bool withRegression) {
  SaveSnapshot(centre);
  NetworkAnnealing subject(*this, *trainingSet, *progress, centre, lastAccepted, withRegression);
  AnnealingPass pass;
  const double result = pass.Run(subject, parameters, boundSetup.goal, centre.mse);
  return subject.RanOutOfMemory() ? kInitializationNoMemory : result;
}

double LayerNet1::GeneticInitialization(const geneticParameters& parameters) {
  return EvolveWeights(
      parameters, 1, false,
      u"ERROR: \r\n   No enough memory to create tmpSolution on LayerNet1::GeneticInitialization.\r\n");
}

double LayerNet1::EvolveWeights(const geneticParameters& parameters, int searchedEnd, bool withRegression,
                                const char16_t* noMemory) {
  progress->initializationMse.Set(1.0);
  const std::int32_t geneCount = LayerWeightCount(0, searchedEnd);
  WeightGenetic engine;
  std::unique_ptr<std::int16_t[]> best;
  if (engine.Initialise(parameters.population, geneCount))
    best.reset(new (std::nothrow) std::int16_t[geneCount]);
  if (!best) {
    PostProgressMessage(noMemory);
    return kSearchNoMemory;
  }
  const std::int32_t size = engine.PopulationSize();
  std::copy_n(engine.Current()[0].genes, geneCount, best.get());
  double bestError = 1e100;
  for (std::int32_t g = 0; g < parameters.generations; ++g) {
    WeightGenetic::Individual* population = engine.Current();
    for (std::int32_t i = 0; i < size; ++i) {
      progress->initializationValue.Set(g + 1 + static_cast<double>(i) / (size + 1));
      const double error = EvaluateGenes(population[i].genes, searchedEnd, withRegression);
      if (error < 0.0) return error;
      population[i].error = error;
      if (error < bestError) {
        bestError = error;
        std::copy_n(population[i].genes, geneCount, best.get());
        progress->initializationMse.Set(error);
      }
    }
    if (!IsRunning()) break;
    engine.Step(parameters.crossover, parameters.mutation);
  }
  return EvaluateGenes(best.get(), searchedEnd, withRegression);
}

double LayerNet1::EvaluateGenes(const std::int16_t* genes, int searchedEnd, bool withRegression) {
  DecodeGenes(genes, 0, searchedEnd);
  if (withRegression) return RegressionInitialization();
  mse = ComputeMse(*trainingSet);
  return mse;
}

std::int32_t LayerNet1::LayerWeightCount(int first, int end) const {
  std::int32_t count = 0;
  for (int l = first; l < end; ++l) count += layers[l]->Weights().Rows() * layers[l]->Weights().Cols();
  return count;
}

void LayerNet1::DecodeGenes(const std::int16_t* genes, int first, int end) {
  for (int l = first; l < end; ++l) {
    Matrix& w = layers[l]->Weights();
    for (std::int32_t r = 0; r < w.Rows(); ++r)
      for (std::int32_t k = 0; k < w.Cols(); ++k) w[r][k] = GeneWeight(*genes++);
  }
}

void LayerNet1::PostProgressMessage(const char16_t* text) { progress->SetMessage(text); }

bool LayerNet1::FitOutputLayer(OutputRegression& work, const Matrix& source, double clampLimit) {
  const Activation* f = outputLayer->GetActivation();
  const Matrix& set = *trainingSet;
  const std::int32_t targetColumn = style == kGeneric ? ColumnCount(false) : 0;
  // A classifier's targets take two values only: invert each once.
  const double upper = f->Inverse(f->UpperTarget());
  const double lower = f->Inverse(f->LowerTarget());
  auto rightHandSide = [&](std::int32_t k, Vector& b) {
    if (style == kClassifier) {
      const std::int32_t classColumn = set.Cols() - 1;
      for (std::int32_t r = 0; r < set.Rows(); ++r)
        b[r] = std::trunc(set[r][classColumn]) == k + 1 ? upper : lower;
      return;
    }
    for (std::int32_t r = 0; r < set.Rows(); ++r) b[r] = f->Inverse(set[r][targetColumn + k]);
  };
  return work.Fit(source, rightHandSide, outputLayer->Weights(), clampLimit);
}

void LayerNet1::ScaleTrainingSet(Matrix& set, std::int32_t columns) const {
  if (style < kGeneric || style > kOutputEqualsInput) return;
  const std::int32_t width = complexFlag ? 2 : 1;
  const std::int32_t inputColumns = std::min(width * (columns < 0 ? inputs : columns), set.Cols());
  const std::int32_t targetEnd =
      style == kGeneric ? std::min(inputColumns + width * outputs, set.Cols()) : inputColumns;
  for (std::int32_t r = 0; r < set.Rows(); ++r) {
    double* x = set[r];
    for (std::int32_t c = 0; c < inputColumns; ++c) x[c] = inputScaler.Scale(x[c], c / width);
    for (std::int32_t c = inputColumns; c < targetEnd; ++c)
      x[c] = outputScaler.Scale(x[c], (c - inputColumns) / width);
  }
}

double LayerNet1::ClassValue(std::int32_t k) const {
  const double* y = outputLayer->Output()[0];
  return complexFlag ? (y[2 * k] + y[2 * k + 1]) * 0.5 : y[k];
}

std::int32_t LayerNet1::ClassDecision() const {
  std::int32_t best = 0;
  double bestValue = ClassValue(0);
  for (std::int32_t k = 1; k < outputs; ++k) {
    const double value = ClassValue(k);
    if (value > bestValue) {
      best = k;
      bestValue = value;
    }
  }
  return bestValue < outputLayer->GetActivation()->Threshold() ? 0 : best + 1;
}

Message LayerNet1::WrongWidth(std::int32_t found, std::int32_t needed) {
  return platform::CopyTruncated(
      message, std::size(message),
      platform::Format("The input file has %d columns and the network requires %d", found, needed));
}

Message LayerNet1::SimulateFile(const std::filesystem::path& input, const std::filesystem::path& output,
                                bool inputIsText, bool outputIsText) {
  const std::int32_t n = ColumnCount(false);
  Matrix data;
  std::unique_ptr<platform::File> file;
  std::unique_ptr<OutputBuffer> buffer;
  Message createError = nullptr;
  // Rows are run and written on a second thread while the rest of the file
  // is still being parsed: `ready` rows are final, the rest belong to the
  // reader.
  std::mutex lock;
  std::condition_variable changed;
  std::int32_t ready = 0;
  bool stop = false;
  std::thread worker;
  auto work = [&] {
    for (std::int32_t done = 0;;) {
      std::int32_t available;
      bool stopping;
      {
        std::unique_lock<std::mutex> hold(lock);
        changed.wait(hold, [&] { return ready > done || stop; });
        available = ready;
        stopping = stop;
      }
      SimulateRows(data, done, available, outputIsText, *buffer);
      done = available;
      if (done == data.Rows() || stopping) return;
    }
  };
  bool started = false;
  auto rowsReady = [&](std::int32_t rows) {
    if (!started) {
      started = true;
      if (data.Rows() == 0 || data.Cols() != n) return;
      if ((createError = CreateOutput(output, file))) return;
      buffer = std::make_unique<OutputBuffer>(*file);
      worker = std::thread(work);
    }
    if (!worker.joinable()) return;
    {
      std::lock_guard<std::mutex> hold(lock);
      ready = rows;
    }
    changed.notify_one();
  };
  Message error = inputIsText ? data.LoadCsv(input, rowsReady) : data.LoadRawDoubles(input, n);
  if (!inputIsText && !error) {
    rowsReady(0);
    rowsReady(data.Rows());
  }
  if (error && worker.joinable()) {
    {
      std::lock_guard<std::mutex> hold(lock);
      stop = true;
    }
    changed.notify_one();
  }
  if (worker.joinable()) worker.join();
  if (error) {
    // The output only exists because rows were being run while reading.
    if (file) {
      file.reset();
      std::error_code ignored;
      std::filesystem::remove(output, ignored);
    }
    return error;
  }
  if (data.Rows() == 0) return u"The input file is empty";
  if (data.Cols() != n) return WrongWidth(data.Cols(), n);
  if (createError) return createError;
  return buffer->Flush() ? nullptr : u"Error writting file";
}

void LayerNet1::SimulateRows(Matrix& data, std::int32_t first, std::int32_t last, bool outputIsText,
                             OutputBuffer& buffer) {
  const std::int32_t n = ColumnCount(false);
  const std::int32_t width = complexFlag ? 2 : 1;
  const std::int32_t values = width * outputs;
  const Scaler& unscaler = style == kOutputEqualsInput ? inputScaler : outputScaler;
  const double* y = outputLayer->Output()[0];
  for (std::int32_t r = first; r < last && !buffer.Failed(); ++r) {
    double* x = data[r];
    for (std::int32_t c = 0; c < n; ++c) x[c] = inputScaler.Scale(x[c], c / width);
    Forward(data, r);
    const bool lastRow = r + 1 == data.Rows();
    for (std::int32_t k = 0; k < values; ++k) {
      const double value = unscaler.Unscale(y[k], k / width);
      char* out = buffer.Reserve();
      if (outputIsText) {
        out = numbertext::FormatFixed14(value, out);
        if (k + 1 < values)
          *out++ = ',';
        else if (!lastRow)
          out = std::copy_n("\r\n", 2, out);
      } else {
        std::memcpy(out, &value, sizeof value);
        out += sizeof value;
      }
      buffer.Commit(out);
    }
  }
}

Message LayerNet1::ClassifyFile(const std::filesystem::path& input, const std::filesystem::path& output) {
  Matrix data;
  if (Message error = data.LoadCsv(input)) return error;
  const std::int32_t n = ColumnCount(false);
  if (data.Rows() > 0 && data.Cols() != n) return WrongWidth(data.Cols(), n);
  ScaleTrainingSet(data, -1);
  std::unique_ptr<platform::File> file;
  if (Message error = CreateOutput(output, file)) return error;
  OutputBuffer buffer(*file);
  for (std::int32_t r = 0; r < data.Rows(); ++r) {
    Forward(data, r);
    char* out = buffer.Reserve();
    const std::u16string line = platform::Format("%d\r\n", ClassDecision());
    for (char16_t unit : line) *out++ = static_cast<char>(unit);
    buffer.Commit(out);
    if (buffer.Failed()) return u"Error writting file";
  }
  return buffer.Flush() ? nullptr : u"Error writting file";
}
