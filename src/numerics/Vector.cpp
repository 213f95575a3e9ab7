#include "numerics/Vector.h"

#include <algorithm>
#include <cstdio>
#include <new>
#include <string>

#include "numerics/NumberText.h"
#include "platform/Env.h"
#include "platform/Text.h"

namespace {

// Longest token that is converted; longer ones leave their element at 0.
constexpr std::size_t kMaxTokenLength = 31;

double TokenValue(std::u16string_view token) {
  std::string narrow(token.size(), '\0');
  for (std::size_t i = 0; i < token.size(); ++i)
    narrow[i] = token[i] < 0x80 ? static_cast<char>(token[i]) : '\x7f';
  const char* stop;
  return numbertext::ParseLeading(narrow.data(), narrow.data() + narrow.size(), &stop);
}

}  // namespace

Vector::Vector() = default;

Vector::Vector(std::int32_t n) { Resize(n); }

Vector::Vector(const Vector& other) { CopyFrom(other); }

Vector& Vector::operator=(const Vector& other) {
  if (this != &other) CopyFrom(other);
  return *this;
}

Vector::Vector(Vector&& other) noexcept {
  std::swap(data, other.data);
  std::swap(length, other.length);
}

Vector& Vector::operator=(Vector&& other) noexcept {
  if (this != &other) {
    Free();
    std::swap(data, other.data);
    std::swap(length, other.length);
  }
  return *this;
}

Vector::~Vector() { Free(); }

bool Vector::Resize(std::int32_t n) {
  if (n < 1) {
    Free();
    return false;
  }
  if (n != length || !data) {
    Free();
    if (!platform::MemoryCanHold(static_cast<std::uint64_t>(n) * sizeof(double))) return false;
    data = new (std::nothrow) double[n];
    if (!data) return false;
    length = n;
  }
  Zero();
  return true;
}

void Vector::Free() {
  delete[] data;
  data = nullptr;
  length = 0;
}

void Vector::Zero() {
  if (data) std::fill_n(data, length, 0.0);
}

Vector& Vector::CopyFrom(const Vector& other) {
  if (!other.data) {
    Free();
    return *this;
  }
  if (length != other.length && !Resize(other.length)) return *this;
  std::copy_n(other.data, length, data);
  return *this;
}

double Vector::Maximum() const {
  if (length < 1) return 0.0;
  double best = data[0];
  for (std::int32_t i = 1; i < length; ++i)
    if (data[i] > best) best = data[i];
  return best;
}

double Vector::Minimum() const {
  if (length < 1) return 0.0;
  double best = data[0];
  for (std::int32_t i = 1; i < length; ++i)
    if (data[i] < best) best = data[i];
  return best;
}

bool Vector::Truncate(std::int32_t first, std::int32_t last) {
  if (first < 0 || first >= last || last >= length) return false;
  const std::int32_t n = last - first + 1;
  double* block = new (std::nothrow) double[n];
  if (!block) return false;
  std::copy_n(data + first, n, block);
  delete[] data;
  data = block;
  length = n;
  return true;
}

Message Vector::SystemError(const std::u16string& text) const {
  return platform::CopyTruncated(lastError, std::size(lastError), text);
}

bool Vector::SaveBinary(const std::filesystem::path& path) const {
  std::u16string error;
  auto file = platform::Env::Current().Open(path, platform::OpenMode::Create, platform::Share::None, error);
  if (!file) return false;
  if (file->Write(&length, 4) != 4) return false;
  const std::size_t bytes = sizeof(double) * static_cast<std::size_t>(length);
  return length == 0 || file->Write(data, bytes) == bytes;
}

bool Vector::LoadBinary(const std::filesystem::path& path) {
  Free();
  std::u16string error;
  auto file = platform::Env::Current().Open(path, platform::OpenMode::Read, platform::Share::Read, error);
  if (!file) return false;
  std::int32_t n = 0;
  if (file->Read(&n, 4) != 4) return false;
  if (n < 0) return false;
  if (n == 0) return true;
  // Refuse a count the file cannot hold before allocating for it.
  const std::int64_t size = file->Size();
  if (size >= 0 && static_cast<std::uint64_t>(n) * sizeof(double) > static_cast<std::uint64_t>(size - 4))
    return false;
  if (!Resize(n)) return false;
  return file->Read(data, sizeof(double) * n) == sizeof(double) * n;
}

Message Vector::SaveText(const std::filesystem::path& path, const char* format,
                         std::u16string_view separator) const {
  std::u16string error;
  auto file = platform::Env::Current().Open(path, platform::OpenMode::Create, platform::Share::None, error);
  if (!file) return SystemError(error);
  const std::string sep = platform::Utf16ToUtf8(separator);
  std::string text;
  char number[255];
  for (std::int32_t i = 0; i < length; ++i) {
    if (i > 0) text += sep;
    int n = std::snprintf(number, sizeof number, format, data[i]);
    if (n > 0) text.append(number, std::min<std::size_t>(n, sizeof number - 1));
  }
  if (file->Write(text.data(), text.size()) != text.size()) return u"Error writting file";
  return nullptr;
}

Message Vector::LoadText(const std::filesystem::path& path, std::u16string_view separator) {
  std::u16string error;
  auto file = platform::Env::Current().Open(path, platform::OpenMode::Read, platform::Share::Read, error);
  if (!file) return SystemError(error);
  // Only the first line counts; read in pieces until its end.
  std::string line;
  char chunk[4096];
  for (;;) {
    const std::size_t got = file->Read(chunk, sizeof chunk);
    const char* end = std::find_if(chunk, chunk + got, [](char c) { return c == '\r' || c == '\n'; });
    line.append(chunk, static_cast<std::size_t>(end - chunk));
    if (end != chunk + got || got < sizeof chunk) break;
  }
  ParseText(platform::SystemCodePageToUtf16(line), separator);
  return nullptr;
}

void Vector::ParseText(std::u16string_view text, std::u16string_view separator) {
  // An empty separator never occurs in the text: the whole text is one value.
  std::int32_t count = 0;
  if (!separator.empty()) {
    for (std::size_t at = text.find(separator); at != std::u16string_view::npos;
         at = text.find(separator, at + separator.size()))
      ++count;
  }
  if (!Resize(count + 1)) return;
  std::size_t start = 0;
  for (std::int32_t i = 0; i < count; ++i) {
    const std::size_t at = text.find(separator, start);
    const std::u16string_view token = text.substr(start, at - start);
    if (token.size() <= kMaxTokenLength) data[i] = TokenValue(token);
    start = at + separator.size();
  }
  data[count] = TokenValue(text.substr(start));
}
