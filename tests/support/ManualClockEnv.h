#pragma once
#include <cstdint>

#include "platform/Env.h"

// The system's Env with a clock the test moves by hand.
class ManualClockEnv final : public platform::Env {
 public:
  explicit ManualClockEnv(std::uint64_t start = 0) : now(start) {}

  std::uint64_t now;

  std::unique_ptr<platform::File> Open(const std::filesystem::path& path, platform::OpenMode mode,
                                       platform::Share share, std::u16string& error) override {
    return platform::Env::System().Open(path, mode, share, error);
  }
  std::uint64_t Ticks() override { return now; }
  platform::MemoryStatus Memory() override { return platform::Env::System().Memory(); }

  class Scoped {
   public:
    explicit Scoped(ManualClockEnv& env) { platform::Env::Install(&env); }
    ~Scoped() { platform::Env::Install(nullptr); }
  };
};
