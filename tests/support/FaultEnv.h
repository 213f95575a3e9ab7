#pragma once
#include <cstdint>
#include <limits>
#include <memory>
#include <mutex>
#include <string>

#include "platform/Env.h"

// An Env over the real one that injects faults: failed opens and creates
// with a chosen message, and reads or writes that stop after a byte budget
// (shared by every file opened while installed). Install it for the length
// of a test with the Scoped helper.
class FaultEnv final : public platform::Env {
 public:
  static constexpr std::uint64_t kUnlimited = std::numeric_limits<std::uint64_t>::max();

  std::u16string failOpenWith;    // non-empty: every Read/ReadWrite open fails
  std::u16string failCreateWith;  // non-empty: every Create fails
  std::uint64_t readBudget = kUnlimited;
  std::uint64_t writeBudget = kUnlimited;
  platform::MemoryStatus memory;  // used when reportMemory is set
  bool reportMemory = false;
  // Guards the budgets: the loader may read one file on two threads.
  std::mutex budgetLock;

  std::unique_ptr<platform::File> Open(const std::filesystem::path& path, platform::OpenMode mode,
                                       platform::Share share, std::u16string& error) override;
  std::uint64_t Ticks() override { return platform::Env::System().Ticks(); }
  platform::MemoryStatus Memory() override {
    return reportMemory ? memory : platform::Env::System().Memory();
  }

  // Installs the env for the enclosing scope.
  class Scoped {
   public:
    explicit Scoped(FaultEnv& env) { platform::Env::Install(&env); }
    ~Scoped() { platform::Env::Install(nullptr); }
  };
};
