#include "net/Scaler.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <new>

#include "platform/Env.h"
#include "platform/Text.h"

namespace {

void PutU32(unsigned char* out, std::uint32_t value) {
  for (int i = 0; i < 4; ++i) out[i] = static_cast<unsigned char>(value >> (8 * i));
}

std::uint32_t GetU32(const unsigned char* in) {
  std::uint32_t value = 0;
  for (int i = 0; i < 4; ++i) value |= static_cast<std::uint32_t>(in[i]) << (8 * i);
  return value;
}

void PutDouble(unsigned char* out, double value) {
  std::uint64_t bits;
  std::memcpy(&bits, &value, 8);
  for (int i = 0; i < 8; ++i) out[i] = static_cast<unsigned char>(bits >> (8 * i));
}

double GetDouble(const unsigned char* in) {
  std::uint64_t bits = 0;
  for (int i = 0; i < 8; ++i) bits |= static_cast<std::uint64_t>(in[i]) << (8 * i);
  double value;
  std::memcpy(&value, &bits, 8);
  return value;
}

}  // namespace

Scaler::Scaler(const Scaler& other) { *this = other; }

Scaler& Scaler::operator=(const Scaler& other) {
  if (this == &other) return *this;
  Clear();
  if (other.count > 0) {
    entries.reset(new (std::nothrow) Entry[other.count]);
    if (!entries) return *this;
    count = other.count;
    std::copy_n(other.entries.get(), count, entries.get());
  }
  return *this;
}

bool Scaler::SetSize(std::int32_t n) {
  if (n <= 0) {
    Clear();
    return false;
  }
  if (n != count || !entries) {
    Clear();
    entries.reset(new (std::nothrow) Entry[n]);
    if (!entries) return false;
    count = n;
  }
  std::fill_n(entries.get(), count, Entry{});
  return true;
}

void Scaler::Clear() {
  entries.reset();
  count = 0;
}

bool Scaler::Set(std::int32_t index, double min, double max, std::uint32_t method) {
  if (!Holds(index)) return false;
  Entry& entry = entries[index];
  entry.min = min;
  entry.max = max;
  entry.method = method;
  return true;
}

Scaler::Entry Scaler::GetEntry(std::int32_t index) const {
  if (Holds(index)) return entries[index];
  return count > 0 ? entries[0] : Entry{};
}

double Scaler::Scale(double value, std::int32_t index) const {
  if (!Holds(index)) return 0.0;
  const Entry& e = entries[index];
  const double width = e.max - e.min;
  switch (e.method) {
    case 1: return 0.8 / width * (value - e.min) + 0.1;
    case 2: return 1.8 / width * (value - e.min) - 0.9;
    case 3: return 6.0 / width * (value - e.min) - 3.0;
    default: return value;
  }
}

double Scaler::Unscale(double value, std::int32_t index) const {
  if (!Holds(index)) return value;
  const Entry& e = entries[index];
  const double width = e.max - e.min;
  switch (e.method) {
    case 1: return (value - 0.1) / (0.8 / width) + e.min;
    case 2: return (value + 0.9) / (1.8 / width) + e.min;
    case 3: return (value + 3.0) / (6.0 / width) + e.min;
    default: return value;
  }
}

double Scaler::ErrorToRaw(double mse, std::int32_t index) const {
  if (!Holds(index)) return 0.0;
  const Entry& e = entries[index];
  double factor = 1.0;
  switch (e.method) {
    case 1: factor = 1.25 * (e.max - e.min); break;
    case 2: factor = 0.5555555555555556 * (e.max - e.min); break;
    case 3: factor = 0.16666666666666666 * (e.max - e.min); break;
    default: break;
  }
  return std::sqrt(mse) * factor;
}

const char16_t* Scaler::MethodText(std::int32_t index) const {
  if (!Holds(index)) return u"Scaling error";
  switch (entries[index].method) {
    case 0: return u"No scaling";
    case 1: return u"[0.1     0.9]";
    case 2: return u"[-0.9    0.9]";
    case 3: return u"[-3.0    3.0]";
    default: return u"Scaling error";
  }
}

const char16_t* Scaler::RangeText(std::int32_t index) {
  if (!Holds(index)) return u"Scaling error";
  const Entry& e = entries[index];
  if (e.method == 0) return u"------";
  return platform::CopyTruncated(text, std::size(text), platform::Format("[%g      %g]", e.min, e.max));
}

bool Scaler::Differs(const Scaler& other) const {
  if (count != other.count) return true;
  for (std::int32_t i = 0; i < count; ++i) {
    const Entry& a = entries[i];
    const Entry& b = other.entries[i];
    if (a.min != b.min || a.max != b.max || a.method != b.method) return true;
  }
  return false;
}

bool Scaler::Write(platform::File& file) const {
  unsigned char head[4];
  PutU32(head, static_cast<std::uint32_t>(count));
  if (file.Write(head, 4) != 4) return false;
  for (std::int32_t i = 0; i < count; ++i) {
    unsigned char bytes[kEntryBytes];
    PutDouble(bytes, entries[i].min);
    PutDouble(bytes + 8, entries[i].max);
    PutU32(bytes + 16, entries[i].method);
    PutU32(bytes + 20, entries[i].reserved);
    if (file.Write(bytes, kEntryBytes) != kEntryBytes) return false;
  }
  return true;
}

bool Scaler::Read(platform::File& file) {
  Clear();
  unsigned char head[4];
  if (file.Read(head, 4) != 4) return false;
  const std::int32_t n = static_cast<std::int32_t>(GetU32(head));
  if (n == 0) return true;
  if (n < 0) return false;
  // A count the rest of the file cannot hold is refused before allocating.
  const std::int64_t size = file.Size(), position = file.Position();
  if (size >= 0 && position >= 0 && n * kEntryBytes > size - position) return false;
  if (!SetSize(n)) return false;
  for (std::int32_t i = 0; i < n; ++i) {
    unsigned char bytes[kEntryBytes];
    if (file.Read(bytes, kEntryBytes) != kEntryBytes) {
      Clear();
      return false;
    }
    entries[i] = {GetDouble(bytes), GetDouble(bytes + 8), GetU32(bytes + 16), GetU32(bytes + 20)};
  }
  return true;
}
