#include "numerics/CsvReader.h"

#include <algorithm>
#include <cstring>
#include <limits>

#include "numerics/Matrix.h"
#include "numerics/NumberText.h"

namespace {

bool IsSeparator(char c) { return c == ',' || c == '\n'; }

}  // namespace

bool CsvReader::Measure(std::string_view piece) {
  if (ended) return false;
  if (const void* nul = std::memchr(piece.data(), '\0', piece.size())) {
    piece = piece.substr(0, static_cast<const char*>(nul) - piece.data());
    ended = true;
  }
  if (piece.empty()) return !ended;
  const char* p = piece.data();
  const char* const end = p + piece.size();
  while (p < end) {
    const char* hit = static_cast<const char*>(std::memchr(p, '\n', end - p));
    const char* stop = hit ? hit : end;
    if (!firstLineDone) commasOnFirstLine += std::count(p, stop, ',');
    if (!hit) break;
    if (!firstLineDone) firstLineFeedAt = length + (hit - piece.data());
    firstLineDone = true;
    ++lineFeeds;
    p = hit + 1;
  }
  length += piece.size();
  lastChar = piece.back();
  return !ended;
}

void CsvReader::Merge(const CsvReader& next) {
  if (ended || next.length == 0) {
    ended = ended || next.ended;
    return;
  }
  if (!firstLineDone) {
    commasOnFirstLine += next.commasOnFirstLine;
    firstLineFeedAt = length + next.firstLineFeedAt;
    firstLineDone = next.firstLineDone;
  }
  lineFeeds += next.lineFeeds;
  length += next.length;
  lastChar = next.lastChar;
  ended = next.ended;
}

bool CsvReader::FirstLineFeed(std::uint64_t& offset) const {
  offset = firstLineFeedAt;
  return firstLineDone;
}

bool CsvReader::Shape(std::int32_t& rows, std::int32_t& cols) const {
  const std::uint64_t r = lineFeeds + (length == 0 || lastChar != '\n' ? 1 : 0);
  const std::uint64_t c = commasOnFirstLine + 1;
  constexpr std::uint64_t kLimit = std::numeric_limits<std::int32_t>::max();
  if (r > kLimit || c > kLimit || r * c > kLimit) return false;
  rows = static_cast<std::int32_t>(r);
  cols = static_cast<std::int32_t>(c);
  return true;
}

void CsvReader::Range(std::int32_t first, std::int32_t end) {
  row = first;
  col = 0;
  endRow = end;
  leftOver = false;
}

std::size_t CsvReader::Fill(Matrix& matrix, std::string_view piece, bool final) {
  const char* const begin = piece.data();
  const char* end = begin + piece.size();
  if (!final) {
    // Only whole tokens: stop behind the last separator of the piece.
    while (end > begin && !IsSeparator(end[-1])) --end;
  }
  const char* p = begin;
  const std::int32_t cols = matrix.Cols();
  double* cells = row < endRow ? matrix[row] : nullptr;
  while (row < endRow) {
    while (p < end && IsSeparator(*p)) ++p;
    if (p == end) break;
    const char* stop;
    cells[col] = numbertext::ParseCsvToken(p, end, &stop);
    p = std::max(stop, p);
    while (p < end && !IsSeparator(*p)) ++p;
    if (++col == cols) {
      col = 0;
      if (++row < endRow) cells = matrix[row];
    }
  }
  if (row < endRow) return static_cast<std::size_t>(end - begin);
  const char* const pieceEnd = begin + piece.size();
  leftOver = leftOver || std::any_of(p, pieceEnd, [](char c) { return !IsSeparator(c); });
  return piece.size();
}
