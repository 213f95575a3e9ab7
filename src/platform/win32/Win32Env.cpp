#include <windows.h>

#include <algorithm>

#include "platform/Env.h"

namespace platform {

namespace {

// The system's message for an error code, in the default language, as the
// user would see it in a message box (it ends in "\r\n").
std::u16string SystemMessage(DWORD code) {
  wchar_t* text = nullptr;
  DWORD n = FormatMessageW(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
      nullptr, code, MAKELANGID(LANG_NEUTRAL, SUBLANG_DEFAULT), reinterpret_cast<LPWSTR>(&text), 0,
      nullptr);
  std::u16string message;
  if (n > 0 && text) message.assign(reinterpret_cast<const char16_t*>(text), n);
  if (text) LocalFree(text);
  return message;
}

class Win32File final : public File {
 public:
  explicit Win32File(HANDLE h) : h_(h) {}
  ~Win32File() override { CloseHandle(h_); }

  std::size_t Read(void* buffer, std::size_t bytes) override {
    auto* out = static_cast<char*>(buffer);
    std::size_t done = 0;
    while (done < bytes) {
      DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes - done, 1u << 30));
      DWORD got = 0;
      if (!ReadFile(h_, out + done, chunk, &got, nullptr) || got == 0) break;
      done += got;
    }
    return done;
  }

  std::size_t Write(const void* buffer, std::size_t bytes) override {
    const auto* in = static_cast<const char*>(buffer);
    std::size_t done = 0;
    while (done < bytes) {
      DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes - done, 1u << 30));
      DWORD put = 0;
      if (!WriteFile(h_, in + done, chunk, &put, nullptr) || put == 0) break;
      done += put;
    }
    return done;
  }

  std::int64_t Size() override {
    LARGE_INTEGER size;
    return GetFileSizeEx(h_, &size) ? size.QuadPart : -1;
  }

  bool Seek(std::int64_t offset) override {
    LARGE_INTEGER to;
    to.QuadPart = offset;
    return SetFilePointerEx(h_, to, nullptr, FILE_BEGIN) != 0;
  }

  std::int64_t Position() override {
    LARGE_INTEGER zero{}, pos;
    return SetFilePointerEx(h_, zero, &pos, FILE_CURRENT) ? pos.QuadPart : -1;
  }

 private:
  HANDLE h_;
};

DWORD ShareFlags(Share share) {
  switch (share) {
    case Share::None: return 0;
    case Share::Read: return FILE_SHARE_READ;
    case Share::ReadWrite: return FILE_SHARE_READ | FILE_SHARE_WRITE;
  }
  return 0;
}

class Win32Env final : public Env {
 public:
  std::unique_ptr<File> Open(const std::filesystem::path& path, OpenMode mode, Share share,
                             std::u16string& error) override {
    DWORD access = GENERIC_READ, disposition = OPEN_EXISTING;
    if (mode == OpenMode::ReadWrite) access = GENERIC_READ | GENERIC_WRITE;
    if (mode == OpenMode::Create) {
      access = GENERIC_WRITE;
      disposition = CREATE_ALWAYS;
    }
    HANDLE h = CreateFileW(path.c_str(), access, ShareFlags(share), nullptr, disposition,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) {
      error = SystemMessage(GetLastError());
      return nullptr;
    }
    return std::make_unique<Win32File>(h);
  }

  std::uint64_t Ticks() override { return GetTickCount64(); }

  MemoryStatus Memory() override {
    MEMORYSTATUSEX m{};
    m.dwLength = sizeof m;
    MemoryStatus status;
    if (!GlobalMemoryStatusEx(&m)) return status;
    status.loadPercent = m.dwMemoryLoad;
    status.totalPhysical = m.ullTotalPhys;
    status.availablePhysical = m.ullAvailPhys;
    status.totalPageFile = m.ullTotalPageFile;
    status.availablePageFile = m.ullAvailPageFile;
    status.totalVirtual = m.ullTotalVirtual;
    status.availableVirtual = m.ullAvailVirtual;
    return status;
  }
};

}  // namespace

Env& Env::System() {
  static Win32Env env;
  return env;
}

}  // namespace platform
