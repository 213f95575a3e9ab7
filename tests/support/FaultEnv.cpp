#include "support/FaultEnv.h"

#include <algorithm>

namespace {

class BudgetFile final : public platform::File {
 public:
  BudgetFile(std::unique_ptr<platform::File> inner, FaultEnv& env) : inner(std::move(inner)), env(env) {}

  std::size_t Read(void* buffer, std::size_t bytes) override {
    std::lock_guard<std::mutex> hold(env.budgetLock);
    const std::size_t allowed = static_cast<std::size_t>(std::min<std::uint64_t>(bytes, env.readBudget));
    const std::size_t n = inner->Read(buffer, allowed);
    if (env.readBudget != FaultEnv::kUnlimited) env.readBudget -= n;
    return n;
  }
  std::size_t Write(const void* buffer, std::size_t bytes) override {
    std::lock_guard<std::mutex> hold(env.budgetLock);
    const std::size_t allowed = static_cast<std::size_t>(std::min<std::uint64_t>(bytes, env.writeBudget));
    const std::size_t n = inner->Write(buffer, allowed);
    if (env.writeBudget != FaultEnv::kUnlimited) env.writeBudget -= n;
    return n;
  }
  bool Seek(std::int64_t offset) override { return inner->Seek(offset); }
  std::int64_t Size() override { return inner->Size(); }
  std::int64_t Position() override { return inner->Position(); }

 private:
  std::unique_ptr<platform::File> inner;
  FaultEnv& env;
};

}  // namespace

std::unique_ptr<platform::File> FaultEnv::Open(const std::filesystem::path& path, platform::OpenMode mode,
                                               platform::Share share, std::u16string& error) {
  const bool creating = mode == platform::OpenMode::Create;
  const std::u16string& injected = creating ? failCreateWith : failOpenWith;
  if (!injected.empty()) {
    error = injected;
    return nullptr;
  }
  auto file = platform::Env::System().Open(path, mode, share, error);
  if (!file) return nullptr;
  return std::make_unique<BudgetFile>(std::move(file), *this);
}
