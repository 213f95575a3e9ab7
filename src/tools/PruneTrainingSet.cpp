#include "tools/PruneTrainingSet.h"

#include <algorithm>

#include "platform/Text.h"

namespace PruneTrainingSet {

std::vector<bool> InitialTicks(std::int32_t columns, const std::vector<bool>* selection,
                               std::int32_t targets) {
  std::vector<bool> ticks(std::max(columns, 0), selection == nullptr);
  if (!selection) return ticks;
  for (std::int32_t i = 0; i < columns; ++i)
    ticks[i] = static_cast<std::size_t>(i) < selection->size() && (*selection)[i];
  for (std::int32_t i = std::max(columns - targets, 0); i < columns; ++i) ticks[i] = true;
  return ticks;
}

std::vector<std::u16string> ColumnItems(std::int32_t columns) {
  std::vector<std::u16string> items;
  for (std::int32_t c = 1; c <= columns; ++c) items.push_back(platform::Format("column %d", c));
  return items;
}

bool PruneEnabled(const std::u16string& source, std::size_t items) { return source.size() >= 5 && items > 0; }

Message KeepColumns(const Matrix& source, const std::vector<bool>& ticks, Matrix& result) {
  std::vector<std::int32_t> kept;
  for (std::int32_t c = 0; c < source.Cols() && static_cast<std::size_t>(c) < ticks.size(); ++c)
    if (ticks[c]) kept.push_back(c);
  if (!result.Resize(source.Rows(), static_cast<std::int32_t>(kept.size()))) {
    result.Free();
    return u"No enough memory to perform operation";
  }
  for (std::int32_t r = 0; r < source.Rows(); ++r)
    for (std::size_t k = 0; k < kept.size(); ++k) result[r][k] = source[r][kept[k]];
  return nullptr;
}

std::u16string Prune(const std::filesystem::path& source, const std::vector<bool>& ticks,
                     const std::filesystem::path& destination) {
  Matrix set;
  if (Message error = set.LoadCsv(source)) return error;
  Matrix pruned;
  if (Message error = KeepColumns(set, ticks, pruned)) return error;
  if (Message error = pruned.SaveCsv(destination)) return error;
  return {};
}

}  // namespace PruneTrainingSet
