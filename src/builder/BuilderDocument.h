#pragma once
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "builder/Equation.h"
#include "builder/EquationMath.h"
#include "builder/NameTable.h"
#include "numerics/Matrix.h"
#include "platform/File.h"

// What the data set builder edits, saves and builds: the shape of the set,
// the build type, the name table with its 90 variable equations and the
// data-set equations (one per column, or the single "cell" equation).
// Operations that can fail return an empty text on success or the message.
class BuilderDocument {
 public:
  enum BuildType : std::int32_t { kByColumn = 0, kByCell = 1 };

  static constexpr std::uint32_t kHeaderSize = 92;
  static constexpr std::int32_t kMajorVersion = 3;
  static constexpr std::int32_t kMinorVersion = 1;
  static constexpr const char16_t* kMagic = u"Traning Set Builder File";
  static constexpr std::size_t kMagicUnits = 32;

  // The new document: by column, 32 rows, 2 columns.
  BuilderDocument();

  std::u16string Reset(std::int32_t buildType, std::int32_t rows, std::int32_t cols);
  std::u16string CreateDataSetEquations(std::int32_t buildType, std::int32_t rows, std::int32_t cols);
  std::u16string ChangeBuildType(std::int32_t buildType, std::int32_t rows, std::int32_t cols);
  std::u16string ChangeColumnCount(std::int32_t count);
  // The window sets these fields directly (rows on save and build, the
  // column count of a by-cell document on every change).
  void SetRows(std::int32_t count) { rows = count; }
  void SetCellColumns(std::int32_t count) { cols = count; }

  std::u16string Save(const std::filesystem::path& path) const;
  // On failure the document keeps what it held before.
  std::u16string Load(const std::filesystem::path& path);
  std::u16string Read(platform::File& file);
  // 1 for a builder document, 2 for another file of version 3.1, 0 with the
  // message in `buffer` (cut to `size` units, NUL-terminated) otherwise.
  static int Probe(const std::filesystem::path& path, char16_t* buffer, std::size_t size);

  // Fills `set`, which must already have the document's shape; false when
  // it has not or the build type is unknown.
  bool Build(Matrix& set);
  // Sets "row", "col" and the two first-row/first-column flags for a cell.
  void EnterCell(std::int32_t row, std::int32_t col);
  void EvaluateVariables();
  double EvaluateDataSetEquation(std::int32_t index);

  bool IsReferenced(std::int32_t row) const;
  std::u16string UniqueRandomName() const;
  void ClearEquation(std::int32_t row);
  void DeleteEquation(std::int32_t row);
  void InsertEquationBefore(std::int32_t row);
  void InsertEquationAfter(std::int32_t row);

  void SetFileName(std::u16string name) { fileName = std::move(name); }
  std::u16string DisplayFileName() const;
  // "Training Set Builder - NAME" for the builder window's title bar.
  static std::u16string WindowTitle(std::u16string_view path);

  std::int32_t Rows() const { return rows; }
  std::int32_t Cols() const { return cols; }
  std::int32_t GetBuildType() const { return buildType; }
  NameTable& Names() { return names; }
  const NameTable& Names() const { return names; }
  std::vector<Equation>& DataSet() { return dataSet; }
  const std::vector<Equation>& DataSet() const { return dataSet; }
  EquationMath::DrawFlags Flags() const { return flags; }

 private:
  bool Evaluate(Equation& equation);
  void ShiftOperands(std::int32_t from, std::int32_t by, std::int32_t discardFrom);
  std::u16string ReadVersionedHeader(platform::File& file, std::int32_t& count);

  std::int32_t rows = 0;
  std::int32_t cols = 0;
  std::int32_t buildType = kByColumn;
  NameTable names;
  std::vector<Equation> dataSet;
  std::u16string fileName;
  EquationMath::DrawFlags flags;
};
