#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "net/Balloon.h"
#include "net/TrainingSetup.h"
#include "search/AnnealSchedulePreview.h"

// The logic of the "Simulate Annealing Initialization" dialog: the values
// it shows, the schedule preview it draws from them, and the checks on OK.
class AnnealSetupForm {
 public:
  enum Field { kTemperatures, kIterations, kFrom, kTo, kK, kLinear, kCycles };

  // The settings as the dialog opens with them; temperatures as "%g".
  explicit AnnealSetupForm(const trainingSetup& setup);
  // The schedule of the present fields (a temperature that is not a
  // number draws as such).
  std::vector<AnnealSchedulePreview::Point> Preview() const;
  // OK: the first failed check, or nothing after storing the seven values
  // into `setup` (the cycles are its initialisation attempts).
  std::optional<Balloon> Accept(trainingSetup& setup) const;

  std::int32_t temperatures;
  std::int32_t iterations;
  std::u16string from;
  std::u16string to;
  std::int32_t k;
  bool linearCooling;
  std::int32_t cycles;

 private:
  annealingParameters Parameters() const;
};
