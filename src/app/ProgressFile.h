#pragma once
#include <filesystem>
#include <memory>
#include <string>

#include "platform/File.h"

// The training-progress file: open for the length of a run, one line per
// monitor tick, UTF-16 little-endian without a byte-order mark.
class ProgressFile {
 public:
  // Creates (or empties) the file, not shared. False when it cannot be
  // created.
  bool Create(const std::filesystem::path& path);
  // Appends a line's code units; a failed write is ignored, the run goes on.
  void Append(const std::u16string& line);
  void Close() { file.reset(); }
  bool IsOpen() const { return file != nullptr; }

 private:
  std::unique_ptr<platform::File> file;
};
