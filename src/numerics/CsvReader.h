#pragma once
#include <cstdint>
#include <string_view>

class Matrix;

// The comma-separated text form, read in pieces so a large file never has
// to sit in memory whole. The text ends at its first NUL, as a C string.
// Two passes: Measure every piece to learn the shape (rows = line feeds,
// plus one when the text does not end in one; columns = commas on the first
// line plus one), then Fill the sized matrix piece by piece. Line feeds act
// as commas and a run of separators counts as one, so an empty field yields
// no token; tokens fill the cells row by row, surplus tokens are ignored and
// cells without a token keep 0.
//
// A reader may also cover only a stretch of the text: Measure a later
// stretch with a second reader and Merge it in; Fill from a given row on, or
// only up to a given row, so two stretches can be filled side by side.
class CsvReader {
 public:
  // Pass 1. Returns false once the end of the text (a NUL) has been seen.
  bool Measure(std::string_view piece);
  // Adds the measurements of the stretch that directly follows this one.
  void Merge(const CsvReader& next);
  // The shape; false when rows x cols would not fit in 32 bits.
  bool Shape(std::int32_t& rows, std::int32_t& cols) const;
  // Length of the measured text up to its end (its first NUL), in bytes.
  std::uint64_t TextLength() const { return length; }
  std::uint64_t LineFeeds() const { return lineFeeds; }
  // Offset of the first line feed within the measured stretch; false when
  // it holds none.
  bool FirstLineFeed(std::uint64_t& offset) const;
  bool Ended() const { return ended; }

  // Pass 2 over the same text, starting at row `first` and stopping at row
  // `end`; required before the first Fill.
  void Range(std::int32_t first, std::int32_t end);
  // Stores every token lying wholly inside `piece` and returns the bytes
  // consumed; the caller hands the rest again at the front of the next
  // piece. With `final` the whole piece is consumed (the text ends there).
  std::size_t Fill(Matrix& matrix, std::string_view piece, bool final);
  // Whether every cell of the range has been filled.
  bool Full() const { return row >= endRow; }
  // Whether Fill met a token after the range was full.
  bool TokensLeftOver() const { return leftOver; }
  std::int32_t Row() const { return row; }
  std::int32_t Col() const { return col; }

 private:
  std::uint64_t lineFeeds = 0;
  std::uint64_t commasOnFirstLine = 0;
  std::uint64_t firstLineFeedAt = 0;
  std::uint64_t length = 0;
  bool firstLineDone = false;
  bool ended = false;
  char lastChar = '\0';

  std::int32_t row = 0;
  std::int32_t col = 0;
  std::int32_t endRow = 0;
  bool leftOver = false;
};
