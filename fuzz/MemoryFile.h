#pragma once
// A read-only file over a fuzzer's bytes.
#include <algorithm>
#include <cstring>

#include "platform/File.h"

class MemoryFile final : public platform::File {
 public:
  MemoryFile(const unsigned char* data, std::size_t size) : data(data), size(size) {}
  std::size_t Read(void* buffer, std::size_t bytes) override {
    const std::size_t n = std::min(bytes, size - position);
    std::memcpy(buffer, data + position, n);
    position += n;
    return n;
  }
  std::size_t Write(const void*, std::size_t) override { return 0; }
  bool Seek(std::int64_t offset) override {
    if (offset < 0 || static_cast<std::size_t>(offset) > size) return false;
    position = static_cast<std::size_t>(offset);
    return true;
  }
  std::int64_t Size() override { return static_cast<std::int64_t>(size); }
  std::int64_t Position() override { return static_cast<std::int64_t>(position); }

 private:
  const unsigned char* data;
  std::size_t size;
  std::size_t position = 0;
};
