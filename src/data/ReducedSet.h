#pragma once
#include <cstdint>

#include "numerics/Matrix.h"

// Copies, for every row of the wide set, the candidate columns whose bit is
// set (bit i is bit i % 8 of byte i / 8), in increasing column order, then
// the last `targets` columns. `set` must already have the wide set's rows
// and (chosen + targets) columns; false when it does not.
bool BuildReducedSet(const std::uint8_t* bits, const Matrix& fullSet, std::int32_t features,
                     std::int32_t targets, Matrix& set);
