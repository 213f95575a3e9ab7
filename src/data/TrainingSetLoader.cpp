#include "data/TrainingSetLoader.h"

#include "data/TrainingSetLayout.h"

namespace {

constexpr const char16_t* kWrongWidth = u"The number of columns in the training set is incorrect";

void RoundAll(Matrix& set, std::int32_t digits) {
  for (std::int32_t r = 0; r < set.Rows(); ++r)
    for (std::int32_t c = 0; c < set.Cols(); ++c) set[r][c] = RoundTo(set[r][c], digits);
}

}  // namespace

Message LoadTrainingSet(const std::filesystem::path& path, const LayerNet1& network,
                        const TrainingSetLoad& options, Matrix& set, bool& featureSelection) {
  featureSelection = false;
  if (Message error = set.LoadCsv(path)) {
    set.Free();
    return error;
  }
  networkSetup setup;
  network.GetSetup(setup);
  const std::int32_t required = ExpectedColumns(setup, true);
  const std::int32_t columns = set.Cols();
  if (columns != required) {
    const bool asked = !setup.complex && columns > required;
    if (asked && options.isFeatureSelectionSet && options.isFeatureSelectionSet()) {
      featureSelection = true;
      return nullptr;
    }
    set.Free();
    return kWrongWidth;
  }
  network.ScaleTrainingSet(set, options.inputs);
  if (options.roundDigits >= 1) RoundAll(set, options.roundDigits);
  return nullptr;
}
