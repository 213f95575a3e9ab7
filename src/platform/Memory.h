#pragma once
#include <cstddef>

namespace platform {

// Zero-filled storage for large numeric tables. Big blocks come straight
// from the system, whose pages are already zero and, where the system
// offers it, backed by huge pages: filling a million-row table then costs a
// few hundred page faults instead of tens of thousands.
void* AllocateZeroed(std::size_t bytes);  // null when memory runs out
void FreeZeroed(void* block, std::size_t bytes);

}  // namespace platform
