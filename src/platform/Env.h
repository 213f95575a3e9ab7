#pragma once
#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>

#include "platform/File.h"

namespace platform {

// What other openers may do with a file while we hold it open. POSIX has no
// such modes; there every value behaves as Read.
enum class Share { None, Read, ReadWrite };

enum class OpenMode {
  Read,       // existing file, read only
  ReadWrite,  // existing file, read and write
  Create,     // create or truncate, write only
};

// Figures for the memory report, in bytes (load in percent).
struct MemoryStatus {
  std::uint32_t loadPercent = 0;
  std::uint64_t totalPhysical = 0;
  std::uint64_t availablePhysical = 0;
  std::uint64_t totalPageFile = 0;
  std::uint64_t availablePageFile = 0;
  std::uint64_t totalVirtual = 0;
  std::uint64_t availableVirtual = 0;
};

// The operating-system facade: everything in the core that touches the OS
// goes through the current Env, so tests can swap in one that injects faults.
class Env {
 public:
  virtual ~Env() = default;

  // Opens or creates a file. On failure returns null and puts the system's
  // own message for the error into `error`.
  virtual std::unique_ptr<File> Open(const std::filesystem::path& path, OpenMode mode, Share share,
                                     std::u16string& error) = 0;
  // Milliseconds from an arbitrary start, monotonic.
  virtual std::uint64_t Ticks() = 0;
  virtual MemoryStatus Memory() = 0;

  // The process-wide Env; the operating system's own unless replaced.
  static Env& Current();
  // Replaces the process-wide Env (null restores the system's). Not owned.
  static void Install(Env* env);
  static Env& System();
};

// Whether an allocation of `bytes` can be satisfied without exhausting the
// machine. Asked before sizing anything from a count found in a file, so a
// hostile count fails cleanly instead of thrashing or being killed.
bool MemoryCanHold(std::uint64_t bytes);

}  // namespace platform
