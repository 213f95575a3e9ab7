#pragma once
#include <cstdint>
#include <string>

// Initialisation methods, as stored in trainingSetup::initializationMethod.
enum InitializationMethod : std::int32_t {
  kAnnealRegress = 0,
  kGenetic = 1,
  kRegression = 2,
  kAnnealing = 3,
  kGeneticRegress = 4,
};

// Optimisation methods, as stored in trainingSetup::optimizationMethod.
enum OptimizationMethod : std::int32_t {
  kConjugateGradient = 0,
  kLevenbergMarquardt = 1,
  kVariableMetric = 2,
};

// The simulated-annealing settings of an initialisation.
struct annealingParameters {
  std::int32_t temperatures = 25;
  std::int32_t iterations = 100;
  double startTemperature = 15.0;
  double endTemperature = 0.015;
  std::int32_t k = 1500;
  std::int32_t linearCooling = 0;
};

// The genetic settings of an initialisation. The five spare values are read
// by nothing; they travel with the record so that a copy is a faithful copy.
struct geneticParameters {
  std::int32_t population = 20;
  std::int32_t generations = 200;
  double crossover = 0.85;
  double mutation = 1e-4;
  std::int32_t spare1 = 0;
  std::int32_t spare2 = 1;
  double spare3 = 0.2;
  double spare4 = 0.99;
  std::int32_t spare5 = 1;
};

// How a training run goes: what the Training Setup dialog and its two
// parameter dialogs edit, and what a network copies when it is bound.
struct trainingSetup {
  static constexpr int kProgressFileUnits = 511;

  std::int32_t initializationMethod = kAnnealRegress;
  double goal = 1e-5;
  std::int32_t epochs = 8192;
  std::int32_t initializationAttempts = 10;
  std::int32_t cycles = 1;
  // Read by nothing; kept so the record copies whole.
  double spareValue = 0.5;
  std::uint8_t continueTraining = 0;
  annealingParameters annealing;
  geneticParameters genetic;
  std::int32_t optimizationMethod = kConjugateGradient;
  // Where the monitor writes one line per tick; empty for none.
  std::u16string progressFile;
};
