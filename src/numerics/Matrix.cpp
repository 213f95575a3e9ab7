#include "numerics/Matrix.h"

#include <algorithm>
#include <cstring>
#include <limits>
#include <memory>
#include <new>
#include <vector>

#include "numerics/CsvReader.h"
#include "numerics/NumberText.h"
#include "platform/Memory.h"
#include "platform/Env.h"
#include "platform/Text.h"

namespace {

constexpr std::size_t kCsvWriteChunk = 1 << 20;
constexpr std::size_t kRawReadChunk = 1 << 20;
constexpr std::size_t kCsvReadChunk = 1 << 22;

}  // namespace

Matrix::Matrix() = default;

Matrix::Matrix(std::int32_t r, std::int32_t c) { Resize(r, c); }

Matrix::Matrix(const Matrix& other) { CopyFrom(other); }

Matrix& Matrix::operator=(const Matrix& other) {
  if (this != &other) CopyFrom(other);
  return *this;
}

Matrix::Matrix(Matrix&& other) noexcept { Swap(other); }

Matrix& Matrix::operator=(Matrix&& other) noexcept {
  if (this != &other) {
    Free();
    Swap(other);
  }
  return *this;
}

Matrix::~Matrix() { Free(); }

void Matrix::Swap(Matrix& other) noexcept {
  std::swap(rowTable, other.rowTable);
  std::swap(block, other.block);
  std::swap(blockBytes, other.blockBytes);
  std::swap(rows, other.rows);
  std::swap(cols, other.cols);
}

bool Matrix::Resize(std::int32_t newRows, std::int32_t newCols) {
  if (rowTable && newRows == rows && newCols == cols) {
    Zero();
    return true;
  }
  Free();
  if (newRows < 0 || newCols < 0) return false;
  const std::uint64_t cells = static_cast<std::uint64_t>(newRows) * newCols;
  const std::uint64_t bytes = cells * sizeof(double) + static_cast<std::uint64_t>(newRows) * sizeof(double*);
  if (bytes > std::numeric_limits<std::size_t>::max() / 2 || !platform::MemoryCanHold(bytes)) return false;
  rowTable = new (std::nothrow) double*[newRows]();
  if (!rowTable) return false;
  rows = newRows;
  cols = newCols;
  blockBytes = static_cast<std::size_t>(cells) * sizeof(double);
  block = static_cast<double*>(platform::AllocateZeroed(blockBytes));
  if (!block) return false;
  for (std::int32_t r = 0; r < rows; ++r) rowTable[r] = block + static_cast<std::size_t>(r) * cols;
  return true;
}

void Matrix::Free() {
  platform::FreeZeroed(block, blockBytes);
  delete[] rowTable;
  rowTable = nullptr;
  block = nullptr;
  blockBytes = 0;
  rows = cols = 0;
}

void Matrix::Zero() {
  if (!rowTable) return;
  for (std::int32_t r = 0; r < rows; ++r) std::fill_n(rowTable[r], cols, 0.0);
}

bool Matrix::IsAllocated() const {
  if (!rowTable) return false;
  if (rows < 1) return true;
  return std::all_of(rowTable, rowTable + rows, [](const double* row) { return row != nullptr; });
}

Matrix& Matrix::CopyFrom(const Matrix& other) {
  if (!other.rowTable) {
    Free();
    return *this;
  }
  if (rows != other.rows || cols != other.cols || !rowTable) {
    if (!Resize(other.rows, other.cols)) return *this;
  }
  for (std::int32_t r = 0; r < rows; ++r) std::copy_n(other.rowTable[r], cols, rowTable[r]);
  return *this;
}

Message Matrix::SystemError(const std::u16string& text) const {
  return platform::CopyTruncated(lastError, std::size(lastError), text);
}

// ---- binary stream form ---------------------------------------------------

Message Matrix::ReadBinary(platform::File& file) {
  std::int32_t newRows = 0, newCols = 0;
  if (file.Read(&newRows, 4) != 4) return u"Unable to read the number of rows";
  if (file.Read(&newCols, 4) != 4) return u"Unable to read the number of cols";
  if (newRows == 0) return u"Matrix has no rows";
  if (newCols == 0) return u"Matrix has no columns";
  // A count the rest of the file cannot hold is a truncated or hostile file:
  // refuse it before allocating anything.
  const std::int64_t size = file.Size(), position = file.Position();
  if (newRows < 0 || newCols < 0) return u"Unable to read data from file";
  const std::uint64_t bytes = static_cast<std::uint64_t>(newRows) * newCols * sizeof(double);
  if (size >= 0 && position >= 0 && bytes > static_cast<std::uint64_t>(size - position))
    return u"Unable to read data from file";
  if (!Resize(newRows, newCols)) {
    Free();
    return u"No enough memory to create the matrix";
  }
  const std::size_t rowBytes = sizeof(double) * cols;
  for (std::int32_t r = 0; r < rows; ++r) {
    if (file.Read(rowTable[r], rowBytes) != rowBytes) return u"Unable to read data from file";
  }
  return nullptr;
}

Message Matrix::WriteBinary(platform::File& file) const {
  if (file.Write(&rows, 4) != 4) return u"Unable to write the number of rows";
  if (file.Write(&cols, 4) != 4) return u"Unable to write the number of cols";
  const std::size_t rowBytes = sizeof(double) * cols;
  for (std::int32_t r = 0; r < rows; ++r) {
    if (file.Write(rowTable[r], rowBytes) != rowBytes) return u"Unable to write data to file";
  }
  return nullptr;
}

// ---- headerless binary data file ------------------------------------------

Message Matrix::LoadRawDoubles(const std::filesystem::path& path, std::int32_t width) {
  std::u16string error;
  auto file = platform::Env::Current().Open(path, platform::OpenMode::Read, platform::Share::Read, error);
  if (!file) return SystemError(error);
  if (width < 1) return u"Error reading file";
  const std::int64_t size = file->Size();
  if (size < 0) return u"Error reading file";
  const std::int64_t count = size / static_cast<std::int64_t>(sizeof(double)) / width;
  if (count > std::numeric_limits<std::int32_t>::max() || !Resize(static_cast<std::int32_t>(count), width)) {
    Free();
    return u"No enough memory to read file";
  }
  // Whole rows are read in large blocks; a short block is a read error.
  const std::size_t rowBytes = sizeof(double) * cols;
  const std::int32_t rowsPerBlock = static_cast<std::int32_t>(std::max<std::size_t>(1, kRawReadChunk / rowBytes));
  std::vector<double> block(static_cast<std::size_t>(rowsPerBlock) * cols);
  for (std::int32_t first = 0; first < rows; first += rowsPerBlock) {
    const std::int32_t n = std::min(rowsPerBlock, rows - first);
    const std::size_t want = rowBytes * n;
    if (file->Read(block.data(), want) != want) return u"Error reading file";
    for (std::int32_t k = 0; k < n; ++k)
      std::memcpy(rowTable[first + k], block.data() + static_cast<std::size_t>(k) * cols, rowBytes);
  }
  return nullptr;
}

// ---- comma-separated text ---------------------------------------------------

Message Matrix::LoadCsv(const std::filesystem::path& path) { return LoadCsv(path, {}); }

Message Matrix::LoadCsv(const std::filesystem::path& path, const std::function<void(std::int32_t)>& rowsReady) {
  std::u16string error;
  auto file = platform::Env::Current().Open(path, platform::OpenMode::Read, platform::Share::Read, error);
  if (!file) return SystemError(error);
  // Two passes over the file through one reused buffer: the shape first,
  // then the values straight into the sized matrix.
  std::vector<char> buffer(kCsvReadChunk);
  CsvReader reader;
  std::uint64_t total = 0;
  for (;;) {
    const std::size_t got = file->Read(buffer.data(), buffer.size());
    total += got;
    if (!reader.Measure(std::string_view(buffer.data(), got)) || got < buffer.size()) break;
  }
  std::int32_t newRows, newCols;
  if (!reader.Shape(newRows, newCols) || !Resize(newRows, newCols)) {
    Free();
    return u"The file has no data";
  }
  if (rowsReady) rowsReady(0);
  if (!file->Seek(0)) return u"Error reading file";
  std::uint64_t remaining = reader.TextLength();
  std::size_t carried = 0;
  while (!reader.Full(*this)) {
    if (carried == buffer.size()) buffer.resize(buffer.size() * 2);  // one token longer than the buffer
    const std::size_t want = static_cast<std::size_t>(std::min<std::uint64_t>(buffer.size() - carried, remaining));
    const std::size_t got = file->Read(buffer.data() + carried, want);
    if (got < want) return u"Error reading file";
    remaining -= got;
    const std::size_t available = carried + got;
    const bool final = remaining == 0;
    const std::size_t used = reader.Fill(*this, std::string_view(buffer.data(), available), final);
    if (rowsReady) rowsReady(reader.RowsFilled());
    if (final) break;
    carried = available - used;
    std::memmove(buffer.data(), buffer.data() + used, carried);
  }
  if (rowsReady) rowsReady(rows);
  return nullptr;
}

bool Matrix::ParseCsv(const char* text) { return ParseCsv(std::string_view(text)); }

bool Matrix::ParseCsv(std::string_view text) {
  CsvReader reader;
  reader.Measure(text);
  std::int32_t newRows, newCols;
  if (!reader.Shape(newRows, newCols) || !Resize(newRows, newCols)) {
    Free();
    return false;
  }
  reader.Fill(*this, text.substr(0, reader.TextLength()), true);
  return true;
}

Message Matrix::SaveCsv(const std::filesystem::path& path) const {
  std::u16string error;
  auto file = platform::Env::Current().Open(path, platform::OpenMode::Create, platform::Share::None, error);
  if (!file) return SystemError(error);
  // Rows are formatted into a large buffer and written in big blocks.
  std::vector<char> buffer(kCsvWriteChunk + numbertext::kMaxFixed14 + 4);
  char* out = buffer.data();
  const char* const flushAt = buffer.data() + kCsvWriteChunk;
  for (std::int32_t r = 0; r < rows; ++r) {
    const double* row = rowTable[r];
    for (std::int32_t c = 0; c < cols; ++c) {
      out = numbertext::FormatFixed14(row[c], out);
      if (c + 1 < cols) {
        *out++ = ',';
        *out++ = ' ';
      } else {
        *out++ = '\r';
        *out++ = '\n';
      }
      if (out >= flushAt) {
        const std::size_t n = out - buffer.data();
        if (file->Write(buffer.data(), n) != n) return u"Error writting file";
        out = buffer.data();
      }
    }
  }
  const std::size_t n = out - buffer.data();
  if (n > 0 && file->Write(buffer.data(), n) != n) return u"Error writting file";
  return nullptr;
}
