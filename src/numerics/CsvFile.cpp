#include "numerics/CsvFile.h"

#include <algorithm>
#include <cstring>
#include <limits>
#include <memory>
#include <thread>
#include <vector>

#include "numerics/CsvReader.h"
#include "platform/Env.h"

namespace {

constexpr std::uint64_t kToEnd = std::numeric_limits<std::uint64_t>::max();

struct Stretch {
  std::uint64_t begin = 0, end = kToEnd;
};

std::unique_ptr<platform::File> OpenForReading(const std::filesystem::path& path, std::u16string& error) {
  return platform::Env::Current().Open(path, platform::OpenMode::Read, platform::Share::Read, error);
}

// Measures the stretch (to the end of the file when its end is kToEnd).
// False when the file ends short of the stretch or of its own size.
bool MeasureStretch(platform::File& file, Stretch stretch, CsvReader& reader, std::size_t chunk) {
  if (!file.Seek(static_cast<std::int64_t>(stretch.begin))) return false;
  std::vector<char> buffer(chunk);
  const std::uint64_t end = stretch.end != kToEnd ? stretch.end : static_cast<std::uint64_t>(file.Size());
  std::uint64_t position = stretch.begin;
  while (position < end) {
    const std::size_t want = static_cast<std::size_t>(std::min<std::uint64_t>(buffer.size(), end - position));
    const std::size_t got = file.Read(buffer.data(), want);
    position += got;
    if (!reader.Measure(std::string_view(buffer.data(), got))) return true;  // the text ended at a NUL
    if (got < want) return false;
  }
  return true;
}

// Fills the matrix from the stretch. With `checkLeftOver` the whole
// stretch is read even after the reader's range is full, to learn whether
// tokens were left over; otherwise reading stops once the range is full.
bool FillStretch(platform::File& file, Stretch stretch, CsvReader& reader, Matrix& matrix, bool checkLeftOver,
                 std::size_t chunk, const std::function<void(std::int32_t)>& rowsReady = nullptr) {
  if (!file.Seek(static_cast<std::int64_t>(stretch.begin))) return false;
  std::vector<char> buffer(chunk);
  std::uint64_t remaining = stretch.end - stretch.begin;
  std::size_t carried = 0;
  while (checkLeftOver || !reader.Full()) {
    if (carried == buffer.size()) buffer.resize(buffer.size() * 2);  // a token longer than the buffer
    const std::size_t want = static_cast<std::size_t>(std::min<std::uint64_t>(buffer.size() - carried, remaining));
    const std::size_t got = file.Read(buffer.data() + carried, want);
    if (got < want) return false;
    remaining -= got;
    const std::size_t available = carried + got;
    const bool final = remaining == 0;
    const std::size_t used = reader.Fill(matrix, std::string_view(buffer.data(), available), final);
    if (rowsReady) rowsReady(reader.Row());
    if (final) break;
    carried = available - used;
    std::memmove(buffer.data(), buffer.data() + used, carried);
  }
  return true;
}

// Where pass 2 splits the text: behind the first line feed of the second
// half, with the number of rows that lie before it.
struct Split {
  bool usable = false;
  std::uint64_t offset = 0;
  std::int32_t rowsBefore = 0;
};

// Pass 1 on two threads: the first half here, the second on a helper with
// its own handle. Falls back to one thread when a second handle cannot be
// had (and then offers no split).
bool MeasureInHalves(const std::filesystem::path& path, platform::File& file, std::uint64_t size,
                     CsvReader& whole, Split& split, std::size_t chunk) {
  const std::uint64_t middle = size / 2;
  std::u16string ignored;
  auto other = OpenForReading(path, ignored);
  if (!other) return MeasureStretch(file, {0, kToEnd}, whole, chunk);
  CsvReader second;
  bool secondOk = false;
  std::thread helper([&] { secondOk = MeasureStretch(*other, {middle, kToEnd}, second, chunk); });
  const bool firstOk = MeasureStretch(file, {0, middle}, whole, chunk);
  helper.join();
  if (!firstOk || !secondOk) return false;
  std::uint64_t offset;
  if (!whole.Ended() && whole.TextLength() == middle && second.FirstLineFeed(offset) &&
      whole.LineFeeds() + 1 <= static_cast<std::uint64_t>(std::numeric_limits<std::int32_t>::max())) {
    split = {true, middle + offset + 1, static_cast<std::int32_t>(whole.LineFeeds() + 1)};
  }
  whole.Merge(second);
  return true;
}

// Pass 2 on two threads, split behind a line feed. True when the first half
// filled exactly the rows before the split, so both halves stand as one
// sequential read would have left them.
bool FillInHalves(const std::filesystem::path& path, platform::File& file, Matrix& matrix, std::uint64_t split,
                  std::int32_t rowsBefore, std::uint64_t textLength, std::size_t chunk, bool& readError) {
  std::u16string ignored;
  auto other = OpenForReading(path, ignored);
  if (!other) return false;
  CsvReader first, second;
  first.Range(0, rowsBefore);
  second.Range(rowsBefore, matrix.Rows());
  bool secondOk = false;
  std::thread helper([&] { secondOk = FillStretch(*other, {split, textLength}, second, matrix, false, chunk); });
  const bool firstOk = FillStretch(file, {0, split}, first, matrix, true, chunk);
  helper.join();
  readError = !firstOk || !secondOk;
  return !readError && first.Row() == rowsBefore && first.Col() == 0 && !first.TokensLeftOver();
}

}  // namespace

Message CsvFile::Load(const std::filesystem::path& path, Matrix& matrix, std::u16string& systemError,
                      const Tuning& tuning, const std::function<void(std::int32_t)>& rowsReady) {
  auto file = OpenForReading(path, systemError);
  if (!file) return systemError.c_str();
  const std::int64_t size = file->Size();
  CsvReader whole;
  Split split;
  const bool measured = !rowsReady && size >= 0 && static_cast<std::uint64_t>(size) >= tuning.splitFrom
                            ? MeasureInHalves(path, *file, static_cast<std::uint64_t>(size), whole, split, tuning.chunk)
                            : MeasureStretch(*file, {0, kToEnd}, whole, tuning.chunk);
  if (!measured) return u"Error reading file";
  std::int32_t rows, cols;
  if (!whole.Shape(rows, cols) || !matrix.Resize(rows, cols)) {
    matrix.Free();
    return u"The file has no data";
  }
  if (split.usable && split.offset < whole.TextLength() && split.rowsBefore < rows) {
    bool readError = false;
    if (FillInHalves(path, *file, matrix, split.offset, split.rowsBefore, whole.TextLength(), tuning.chunk,
                     readError))
      return nullptr;
    if (readError) return u"Error reading file";
    matrix.Zero();
  }
  CsvReader reader;
  reader.Range(0, rows);
  if (rowsReady) rowsReady(0);
  if (!FillStretch(*file, {0, whole.TextLength()}, reader, matrix, false, tuning.chunk, rowsReady))
    return u"Error reading file";
  if (rowsReady) rowsReady(rows);
  return nullptr;
}
