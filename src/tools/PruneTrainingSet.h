#pragma once
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "numerics/Matrix.h"

// Copies a comma-separated training set keeping only the ticked columns.
namespace PruneTrainingSet {

// The opening ticks of the column list. Without a feature-selection result
// every column is ticked; with one, column i is ticked when its flag is set,
// and the last `targets` columns always are.
std::vector<bool> InitialTicks(std::int32_t columns, const std::vector<bool>* selection,
                               std::int32_t targets);

// The items of the column list: "column 1", "column 2", ...
std::vector<std::u16string> ColumnItems(std::int32_t columns);

// "Prune" is enabled while the path holds at least 5 characters and the list
// has at least one item.
bool PruneEnabled(const std::u16string& source, std::size_t items);

// The columns of `source` whose tick is set, in the source's order.
// "No enough memory to perform operation" when the result cannot be sized.
Message KeepColumns(const Matrix& source, const std::vector<bool>& ticks, Matrix& result);

// Loads `source`, keeps the ticked columns and writes them to `destination`.
// Returns the failure's message, empty on success.
std::u16string Prune(const std::filesystem::path& source, const std::vector<bool>& ticks,
                     const std::filesystem::path& destination);

}  // namespace PruneTrainingSet
