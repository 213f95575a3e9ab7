#pragma once
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>

#include "numerics/Matrix.h"

// Loads the comma-separated text form from a file into a matrix, in two
// passes through a reused buffer (the shape, then the values). Large files
// are split in two halves read side by side on two threads; the halves are
// joined exactly as one sequential read would fill the cells, and a file
// whose lines do not line up with the split is filled again sequentially.
struct CsvFileTuning {
  std::size_t chunk = 1 << 22;         // bytes read at a time
  std::uint64_t splitFrom = 16 << 20;  // smallest file read on two threads
};

class CsvFile {
 public:
  using Tuning = CsvFileTuning;

  // On failure returns the message; a failed open puts the system's text in
  // `systemError` and returns a pointer to it.
  //
  // With `rowsReady` the file is read front to back on the calling thread
  // and told how far the values are final: 0 once the matrix has its shape,
  // then the count of complete rows as they fill, last Rows(). Rows below the
  // count it was given are no longer written, so a consumer on another
  // thread may use them while the rest is read.
  static Message Load(const std::filesystem::path& path, Matrix& matrix, std::u16string& systemError,
                      const Tuning& tuning = Tuning(),
                      const std::function<void(std::int32_t)>& rowsReady = nullptr);
};
