#pragma once
#include <cstdint>
#include <filesystem>
#include <functional>

#include "net/LayerNet1.h"
#include "numerics/Matrix.h"

// The part of Load Training Set after the user has chosen a file: read it,
// check its width against the network, scale it with the network's scalers
// and round it. The dialogs before it and the refresh after it belong to
// the workspace.
struct TrainingSetLoad {
  // The number of inputs confirmed in the "Training Set Info" dialog.
  std::int32_t inputs = 0;
  // Digits to round to after scaling; below 1 means no rounding.
  std::int32_t roundDigits = 0;
  // Asked when a real network gets a wider file: "Is this a training set
  // for feature selection?"; true keeps the set as it is.
  std::function<bool()> isFeatureSelectionSet;
};

// On success `set` holds the scaled (or, for a feature-selection set, raw)
// training set and `featureSelection` says which. On failure `set` is empty
// and the message is returned.
Message LoadTrainingSet(const std::filesystem::path& path, const LayerNet1& network,
                        const TrainingSetLoad& options, Matrix& set, bool& featureSelection);
