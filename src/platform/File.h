#pragma once
#include <cstddef>
#include <cstdint>

namespace platform {

// An open file. Transfers report how many bytes moved; a short count is the
// caller's failure signal, exactly as the formats' "Unable to ..." messages
// expect. Closing happens in the destructor.
class File {
 public:
  virtual ~File() = default;
  virtual std::size_t Read(void* buffer, std::size_t bytes) = 0;
  virtual std::size_t Write(const void* buffer, std::size_t bytes) = 0;
  // Total size in bytes, or -1 when the system cannot tell.
  virtual std::int64_t Size() = 0;
  // Moves to `offset` bytes from the start; false when that fails.
  virtual bool Seek(std::int64_t offset) = 0;
  // Current position from the start, or -1 when the system cannot tell.
  virtual std::int64_t Position() = 0;
};

}  // namespace platform
