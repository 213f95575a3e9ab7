#pragma once
#include <cstdint>
#include <filesystem>
#include <string>

#include "net/LayerNet1.h"
#include "numerics/Matrix.h"

// The confusion matrix of a classifier: row a is the actual class (rows
// 0..N-1 the classes 1..N, row N class 0), column p the recognised one
// (column N "reject"). It lives in the network object.

// The recognised column of row r: the first largest output's index, or N
// when that output is below the output activation's threshold.
std::int32_t ClassifyCase(LayerNet1& network, const Matrix& set, std::int32_t r);

// Counts every row of the set into the network's confusion matrix; rows
// whose class is outside 0..N are skipped. False, leaving the matrix as it
// was, for a network that is not a classifier or a set without rows.
bool ComputeConfusion(LayerNet1& network, const Matrix& set);

// Whether a cell counts as an error: any non-zero count off the diagonal.
bool IsConfusionError(const Matrix& confusion, std::int32_t a, std::int32_t p);
// The sum of the error cells over the whole (N + 1) x (N + 1) grid.
std::int32_t ConfusionErrors(const Matrix& confusion);

// The outcome of writing the web page: whether it was written, and the
// message to show when a piece failed (none when the file could not even
// be created).
struct ConfusionPageResult {
  bool written = false;
  Message message = nullptr;
};

// Writes the matrix as a UTF-16LE web page titled with the network's short
// description; the rows of classes 1..N only.
ConfusionPageResult SaveConfusionPage(const std::filesystem::path& path, const Matrix& confusion,
                                      const std::u16string& description);
