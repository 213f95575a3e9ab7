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
class CsvReader {
 public:
  // Pass 1. Returns false once the end of the text (a NUL) has been seen.
  bool Measure(std::string_view piece);
  // The shape; false when rows x cols would not fit in 32 bits.
  bool Shape(std::int32_t& rows, std::int32_t& cols) const;
  // Length of the text up to its end (its first NUL), in bytes.
  std::uint64_t TextLength() const { return length; }

  // Pass 2 over the same text: every token lying wholly inside `piece` is
  // stored; the returned count of bytes were consumed, and the caller hands
  // the rest again at the front of the next piece. With `final` the whole
  // piece is consumed (the text ends there).
  std::size_t Fill(Matrix& matrix, std::string_view piece, bool final);
  // Whether every cell has been filled (further text is ignored).
  bool Full(const Matrix& matrix) const;
  // Rows whose every cell has been stored by Fill so far.
  std::int32_t RowsFilled() const { return row; }

 private:
  std::uint64_t lineFeeds = 0;
  std::uint64_t commasOnFirstLine = 0;
  std::uint64_t length = 0;
  bool firstLineDone = false;
  bool ended = false;
  char lastChar = '\0';

  std::int32_t row = 0;
  std::int32_t col = 0;
};
