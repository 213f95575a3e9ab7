#pragma once
#include <cstdint>
#include <string>

#include "net/LayerNet1.h"
#include "numerics/Matrix.h"

// Leave-one-out cross-validation of a classifier: for every row in turn the
// network trains on all the other rows and then classifies the row left
// out. The caller runs the training; this object keeps the full set, builds
// each fold into the caller's training set, scores the left-out rows and
// puts the full set back at the end.
class LeaveOneOut {
 public:
  enum class Next { Train, Finished };

  // Why this network cannot be cross-validated, or null.
  static Message Refusal(const LayerNet1& network);

  // Keeps a copy of the set and makes it the fold without row 0. False,
  // leaving the set as it was, when memory runs out.
  bool Begin(Matrix& trainingSet);
  // Called when the run of the present fold has ended: scores its left-out
  // row and, unless that was the last row or the network is still
  // untrained, makes the next fold. Finished when there is nothing more to
  // train; MemoryFailed() then says whether a fold could not be built.
  Next Advance(LayerNet1& network, Matrix& trainingSet);
  // Puts the full set back into the training set and frees the copy.
  void Finish(Matrix& trainingSet);
  // Stops the sequence after the present run, as the Stop command does.
  void Cancel() { keepGoing = false; }

  bool MemoryFailed() const { return memoryFailed; }
  std::int32_t Row() const { return row; }
  std::int32_t Rows() const { return rows; }
  std::int32_t Errors() const { return errors; }
  // Percent of the rows done.
  double Progress() const { return rows > 0 ? row * 100.0 / rows : 0.0; }
  // "Errors = %d (%g %%)" over all rows.
  std::u16string ResultText() const;

 private:
  bool BuildFold(Matrix& trainingSet) const;

  Matrix fullSet;
  std::int32_t row = 0;
  std::int32_t rows = 0;
  std::int32_t errors = 0;
  bool keepGoing = false;
  bool memoryFailed = false;
};
