#pragma once
#include <cstdint>

#include "net/NetworkSetup.h"
#include "numerics/Matrix.h"

// How a training set's columns line up with a network: I inputs (2I in the
// complex domain), then O targets (2O complex) for "Generic", one class
// column for "Classifier", nothing more for "Output = Input".

// The width a set needs; without targets, the input columns alone.
std::int32_t ExpectedColumns(const networkSetup& network, bool withTargets);

// The rule-of-thumb minimum number of training cases: three cases per weight
// of the first layer (the output layer's when there is no hidden layer, plus
// hidden layer 2's when there is one), six in the complex domain.
std::int32_t MinimumRows(std::int32_t inputs, std::int32_t hidden1, std::int32_t hidden2,
                         std::int32_t outputs, bool complex);

// x rounded to d digits: trunc(x * 10^d + 0.5) / 10^d, so halves move
// towards +infinity.
double RoundTo(double x, std::int32_t digits);

// Why the set cannot train the network, or null when its width fits.
Message CheckNetworkFitsSet(const networkSetup& network, const Matrix& set);
