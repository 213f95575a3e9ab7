#pragma once
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

// What the "Feature Selection Results" window shows and saves: the best
// subset's error and its columns, numbered from 1 in increasing order.
class FeatureSelectionResults {
 public:
  FeatureSelectionResults(const std::uint8_t* bits, std::int32_t features, double error);

  // "Feature Selection Results (MSE = %.14f)".
  std::u16string Title() const;
  const std::vector<std::int32_t>& Columns() const { return columns; }
  // The list's items: "%d" per column.
  std::vector<std::u16string> Items() const;
  // Each number and a line break, as UTF-16LE; the system's message when
  // the file cannot be written, empty on success.
  std::u16string Save(const std::filesystem::path& path) const;

 private:
  std::vector<std::int32_t> columns;
  double error;
};
