#pragma once
#include <cstdint>
#include <filesystem>
#include <functional>
#include <string_view>

#include "platform/File.h"

// An operation that can fail returns null on success or the UTF-16 message
// the caller shows unchanged.
using Message = const char16_t*;

// A dense table of doubles, reached through a table of row pointers so that
// a row can be handed to a network as an input or target vector without
// copying. The rows live in one zero-filled block owned by the matrix (row
// pointers are never exchanged between matrices). An empty matrix has no
// row table and 0 x 0 shape; a resized one is all 0.
class Matrix {
 public:
  Matrix();
  Matrix(std::int32_t rows, std::int32_t cols);
  Matrix(const Matrix& other);
  Matrix& operator=(const Matrix& other);
  Matrix(Matrix&& other) noexcept;
  Matrix& operator=(Matrix&& other) noexcept;
  virtual ~Matrix();

  // Clears to zeros in the new shape; old values are never kept. False when
  // memory runs out (call Free then) or a count is negative.
  bool Resize(std::int32_t rows, std::int32_t cols);
  void Free();
  void Zero();
  bool IsAllocated() const;
  Matrix& CopyFrom(const Matrix& other);

  // The binary stream form: rows, cols (int32 LE), then the rows of doubles.
  Message ReadBinary(platform::File& file);
  Message WriteBinary(platform::File& file) const;
  // Headerless row-major doubles; the caller supplies the width (>= 1).
  Message LoadRawDoubles(const std::filesystem::path& path, std::int32_t cols);
  Message LoadCsv(const std::filesystem::path& path);
  // The same, telling `rowsReady` how far the values are final: first with 0
  // once the matrix has its shape, then as rows fill, last with Rows(). Rows
  // below the count it was given are no longer written, so a consumer on
  // another thread may use them while the rest is read.
  Message LoadCsv(const std::filesystem::path& path, const std::function<void(std::int32_t)>& rowsReady);
  // The text part of LoadCsv: text is NUL-terminated. False only when the
  // matrix cannot be sized (including when rows x cols overflow 32 bits).
  bool ParseCsv(const char* text);
  bool ParseCsv(std::string_view text);
  Message SaveCsv(const std::filesystem::path& path) const;

  std::int32_t Rows() const { return rows; }
  std::int32_t Cols() const { return cols; }
  double* operator[](std::int32_t r) { return rowTable[r]; }
  const double* operator[](std::int32_t r) const { return rowTable[r]; }
  double** RowTable() { return rowTable; }
  // Exchanges contents; used to replace a loaded set only once a load worked.
  void Swap(Matrix& other) noexcept;

 private:
  Message SystemError(const std::u16string& text) const;

  double** rowTable = nullptr;
  double* block = nullptr;
  std::size_t blockBytes = 0;
  std::int32_t rows = 0;
  std::int32_t cols = 0;
  mutable char16_t lastError[256] = {};
};
