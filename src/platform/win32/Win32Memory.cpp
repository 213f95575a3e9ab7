#include <windows.h>

#include <cstdlib>

#include "platform/Memory.h"

namespace platform {

namespace {
constexpr std::size_t kMapFrom = 1 << 20;
}

void* AllocateZeroed(std::size_t bytes) {
  if (bytes < kMapFrom) return std::calloc(bytes ? bytes : 1, 1);
  return VirtualAlloc(nullptr, bytes, MEM_RESERVE | MEM_COMMIT, PAGE_READWRITE);
}

void FreeZeroed(void* block, std::size_t bytes) {
  if (!block) return;
  if (bytes < kMapFrom) {
    std::free(block);
  } else {
    VirtualFree(block, 0, MEM_RELEASE);
  }
}

}  // namespace platform
