#include <fcntl.h>
#include <sys/stat.h>
#include <sys/sysinfo.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstring>

#include "platform/Env.h"
#include "platform/Text.h"

namespace platform {

namespace {

class PosixFile final : public File {
 public:
  explicit PosixFile(int fd) : fd_(fd) {}
  ~PosixFile() override { ::close(fd_); }

  std::size_t Read(void* buffer, std::size_t bytes) override {
    auto* out = static_cast<char*>(buffer);
    std::size_t done = 0;
    while (done < bytes) {
      ssize_t n = ::read(fd_, out + done, bytes - done);
      if (n < 0 && errno == EINTR) continue;
      if (n <= 0) break;
      done += static_cast<std::size_t>(n);
    }
    return done;
  }

  std::size_t Write(const void* buffer, std::size_t bytes) override {
    const auto* in = static_cast<const char*>(buffer);
    std::size_t done = 0;
    while (done < bytes) {
      ssize_t n = ::write(fd_, in + done, bytes - done);
      if (n < 0 && errno == EINTR) continue;
      if (n <= 0) break;
      done += static_cast<std::size_t>(n);
    }
    return done;
  }

  std::int64_t Size() override {
    struct stat st;
    return ::fstat(fd_, &st) == 0 ? static_cast<std::int64_t>(st.st_size) : -1;
  }

  bool Seek(std::int64_t offset) override { return ::lseek(fd_, offset, SEEK_SET) == offset; }

  std::int64_t Position() override { return static_cast<std::int64_t>(::lseek(fd_, 0, SEEK_CUR)); }

 private:
  int fd_;
};

class PosixEnv final : public Env {
 public:
  std::unique_ptr<File> Open(const std::filesystem::path& path, OpenMode mode, Share,
                             std::u16string& error) override {
    int flags = O_CLOEXEC;
    switch (mode) {
      case OpenMode::Read: flags |= O_RDONLY; break;
      case OpenMode::ReadWrite: flags |= O_RDWR; break;
      case OpenMode::Create: flags |= O_WRONLY | O_CREAT | O_TRUNC; break;
    }
    int fd;
    do {
      fd = ::open(path.c_str(), flags, 0666);
    } while (fd < 0 && errno == EINTR);
    if (fd < 0) {
      error = Utf8ToUtf16(std::strerror(errno));
      return nullptr;
    }
    // A directory opens for reading on POSIX; refuse it like Windows does.
    struct stat st;
    if (::fstat(fd, &st) == 0 && S_ISDIR(st.st_mode)) {
      ::close(fd);
      error = Utf8ToUtf16(std::strerror(EISDIR));
      return nullptr;
    }
    return std::make_unique<PosixFile>(fd);
  }

  std::uint64_t Ticks() override {
    using namespace std::chrono;
    return static_cast<std::uint64_t>(
        duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
  }

  MemoryStatus Memory() override {
    MemoryStatus status;
    struct sysinfo info;
    if (::sysinfo(&info) != 0) return status;
    const std::uint64_t unit = info.mem_unit;
    status.totalPhysical = info.totalram * unit;
    status.availablePhysical = (info.freeram + info.bufferram) * unit;
    status.totalPageFile = (info.totalram + info.totalswap) * unit;
    status.availablePageFile = (info.freeram + info.bufferram + info.freeswap) * unit;
    status.totalVirtual = status.totalPageFile;
    status.availableVirtual = status.availablePageFile;
    if (status.totalPhysical > 0) {
      status.loadPercent = static_cast<std::uint32_t>(
          100 - (status.availablePhysical * 100) / status.totalPhysical);
    }
    return status;
  }
};

}  // namespace

Env& Env::System() {
  static PosixEnv env;
  return env;
}

}  // namespace platform
