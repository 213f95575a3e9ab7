// The training run of the layer networks: which initialisation methods a
// class takes and the driver that alternates initialisation and
// optimisation on the training thread.
#include <system_error>
#include <thread>

#include "net/LayerNet1.h"

bool LayerNet1::IsInitMethodValid() const {
  const std::int32_t method = boundSetup.initializationMethod;
  return method == kGenetic || method == kRegression || method == kAnnealing;
}

bool LayerNet1::HasRowsForRegression() const {
  return boundSetup.initializationMethod != kRegression || trainingSet->Rows() >= inputs + 1;
}

bool LayerNet1::Start() {
  if (trainingThread.joinable() || !trainingSet || !progress || !HasNetwork()) return false;
  SetKeepRunning(true);
  try {
    trainingThread = std::thread([this] { ThreadFunc(); });
  } catch (const std::system_error&) {
    SetKeepRunning(false);
    return false;
  }
  return true;
}

void LayerNet1::Join() {
  if (trainingThread.joinable()) trainingThread.join();
  SetKeepRunning(false);
}

void LayerNet1::EndRun(const char16_t* text, double finalMse) {
  progress->SetMessage(text);
  mse = finalMse;
  SetKeepRunning(false);
  progress->phase.Set(kPhaseIdle);
}

double LayerNet1::RunOptimiser() {
  switch (boundSetup.optimizationMethod) {
    case kConjugateGradient: return ConjugateGradient();
    case kLevenbergMarquardt: return LevenbergMarquardt();
    case kVariableMetric: return VariableMetric();
    default: return mse;
  }
}

void LayerNet1::ThreadFunc() {
  WeightSnapshot best, initBest, scratch;
  if (!AllocateSnapshots(best, initBest, scratch)) {
    EndRun(u"ERROR: \r\n   No enough memory to to create solutions on LayerNer1::ThreadFunc.\r\n", 1e100);
    return;
  }
  progress->initializationCycle.Set(0);
  progress->trainingCycle.Set(0);
  if (boundSetup.continueTraining) {
    mse = ComputeMse(*trainingSet);
    progress->mse.Set(mse);
    SaveSnapshot(best);
    SaveSnapshot(initBest);
  } else {
    mse = 1e100;
    ZeroWeights();
  }
  if (!IsInitMethodValid()) {
    EndRun(u"ERROR: \r\nThe initialization method is invalid. You may tried other initialization methods.",
           1e100);
    return;
  }
  if (!HasRowsForRegression()) {
    EndRun(u"ERROR: \r\nThe training set does not have enough rows to perform regression\r\n", 1e100);
    return;
  }
  const double goal = boundSetup.goal;
  for (std::int32_t cycle = 1; cycle <= boundSetup.cycles; ++cycle) {
    progress->trainingCycle.Set(cycle);
    for (std::int32_t attempt = 1; attempt <= boundSetup.initializationAttempts; ++attempt) {
      progress->initializationCycle.Set(attempt);
      mse = Initialize(scratch);
      if (mse < 0.0) {
        EndRun(u"ERROR: \r\nNo enough memory to initialize the network\r\n", 1.0);
        return;
      }
      if (mse < initBest.mse) SaveSnapshot(initBest);
      progress->mse.Set(initBest.mse);
      // Regression is deterministic: a second attempt would repeat the first.
      if (mse < goal || StopRequested() || boundSetup.initializationMethod == kRegression) break;
    }
    RestoreSnapshot(initBest);
    progress->mse.Set(mse);
    if (StopRequested() || mse < goal) {
      if (initBest.mse < best.mse) best = initBest;
      break;
    }
    if (!PrepareOptimisation()) {
      EndRun(u"ERROR: \r\nNo enough memory to perform optimization\r\n", 1.0);
      return;
    }
    progress->phase.Set(kPhaseOptimisation);
    mse = RunOptimiser();
    if (mse < 0.0) {
      EndRun(u"ERROR: \r\nNo enough memory to perform optimization\r\n", 1.0);
      return;
    }
    if (mse < best.mse) SaveSnapshot(best);
    progress->mse.Set(best.mse);
    if (StopRequested() || mse < goal) break;
  }
  RestoreSnapshot(best);
  ReleaseOptimisation();
  progress->phase.Set(kPhaseIdle);
  progress->mse.Set(mse);
  SetKeepRunning(false);
}

LayerNet1::~LayerNet1() { Join(); }
