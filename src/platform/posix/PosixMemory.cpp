#include <sys/mman.h>

#include <cstdlib>

#include "platform/Memory.h"

namespace platform {

namespace {
constexpr std::size_t kMapFrom = 1 << 20;
}

void* AllocateZeroed(std::size_t bytes) {
  if (bytes < kMapFrom) return std::calloc(bytes ? bytes : 1, 1);
  void* block = mmap(nullptr, bytes, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
  if (block == MAP_FAILED) return nullptr;
#ifdef MADV_HUGEPAGE
  madvise(block, bytes, MADV_HUGEPAGE);
#endif
  return block;
}

void FreeZeroed(void* block, std::size_t bytes) {
  if (!block) return;
  if (bytes < kMapFrom) {
    std::free(block);
  } else {
    munmap(block, bytes);
  }
}

}  // namespace platform
