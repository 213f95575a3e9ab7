#pragma once
#include <cstdint>
#include <vector>

#include "data/FeatureSelectionForm.h"
#include "net/LayerNet1.h"
#include "numerics/Matrix.h"
#include "search/SubsetGenetic.h"

// A genetic search for the K of F candidate input columns of a wide
// training set that train the network best. Every individual is one
// training run on its reduced set; the caller runs the training and hands
// back each run's error. This object keeps the wide set, builds and scales
// each reduced set into the caller's training set, breeds the generations
// and puts the wide set back at the end.
class FeatureSelection {
 public:
  enum class Next { Train, Finished };

  // The candidate columns of a wide set: all but the targets.
  static std::int32_t CandidateCount(const LayerNet1& network, const Matrix& wideSet);
  // Why this network cannot select features from this set, or null.
  static Message Refusal(const LayerNet1& network, const Matrix& wideSet);

  // Creates the population and makes the training set the scaled reduced
  // set of individual 0. False, with the set unchanged, when memory fails
  // ("Unable to create individual pool").
  bool Begin(LayerNet1& network, Matrix& trainingSet, const FeatureSelectionSettings& settings);
  // Called when a run has ended with the network's error: reports it,
  // breeds when a generation is done, and makes the next reduced set
  // unless the search is over. Finished when nothing more is to be trained;
  // Failure() then names a failure that ended it early.
  Next Advance(LayerNet1& network, Matrix& trainingSet);
  // Puts the wide set back, releases the population and keeps the best.
  void Finish(Matrix& trainingSet);
  // Ends the search after the present run, as the Stop command does.
  void Cancel() { keepGoing = false; }

  const SubsetGenetic& Engine() const { return engine; }
  Message Failure() const { return failure; }
  // Percent of the (G + 1) x N runs started so far.
  double Progress() const;
  // The best subset found and its error, kept after Finish.
  const std::vector<std::uint8_t>& BestBits() const { return bestBits; }
  double BestError() const { return bestError; }
  std::int32_t Features() const { return features; }
  std::int32_t Runs() const { return runs; }

 private:
  bool BuildCurrent(LayerNet1& network, Matrix& trainingSet);
  void KeepBest();

  SubsetGenetic engine;
  FeatureSelectionSettings settings;
  Matrix fullSet;
  std::vector<std::uint8_t> bestBits;
  double bestError = 1e30;
  std::int32_t features = 0;
  std::int32_t targets = 0;
  std::int32_t runs = 0;
  bool keepGoing = false;
  Message failure = nullptr;
};
