#pragma once
#include <filesystem>
#include <string>

#include "net/LayerNet1.h"
#include "numerics/Matrix.h"
#include "numerics/Vector.h"

// How well a network reproduces a set laid out like its training set: the
// overall mse, the error of each case, of each output value, and of each
// output value in the units of the unscaled data.
struct ValidationResult {
  double mse = 0.0;
  Vector caseError;
  Vector outputError;
  Vector domainError;
};

// The number of output values the network's output layer gives: the
// outputs, twice as many in the complex domain.
std::int32_t OutputValueCount(const LayerNet1& network);

// Validates the network on a scaled set; false when the working memory
// cannot be had.
bool Validate(LayerNet1& network, const Matrix& set, ValidationResult& result);

// Reads a validation file by its extension ("csv" text or "dat" raw
// doubles of the network's width), checks its width and scales it with the
// network's scalers. On failure `set` is empty and the message is returned;
// an extension other than csv or dat reads nothing and fails the width check.
std::u16string LoadValidationSet(const std::filesystem::path& path, LayerNet1& network, Matrix& set);
