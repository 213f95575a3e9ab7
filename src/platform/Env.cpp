#include "platform/Env.h"

namespace platform {

namespace {
Env* installed = nullptr;
}

Env& Env::Current() { return installed ? *installed : System(); }

void Env::Install(Env* env) { installed = env; }

bool MemoryCanHold(std::uint64_t bytes) {
  // Small blocks are always tried; asking the system costs more than they do.
  constexpr std::uint64_t kAlwaysTry = 64ull << 20;
  if (bytes <= kAlwaysTry) return true;
  MemoryStatus status = Env::Current().Memory();
  return status.availablePageFile == 0 || bytes <= status.availablePageFile;
}

}  // namespace platform
