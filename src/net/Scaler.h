#pragma once
#include <cstdint>
#include <memory>
#include <string>

#include "platform/File.h"

// The linear scaling of a network's inputs or outputs: one entry per column,
// mapping the raw range [min, max] onto the target range of a method
// (1: [0.1, 0.9], 2: [-0.9, 0.9], 3: [-3, 3]; 0 leaves values alone).
class Scaler {
 public:
  struct Entry {
    double min = 0.0;
    double max = 0.0;
    std::uint32_t method = 0;
    std::uint32_t reserved = 0;  // kept as read, written back as held
  };
  static constexpr std::int64_t kEntryBytes = 24;

  Scaler() = default;
  Scaler(const Scaler& other);
  Scaler& operator=(const Scaler& other);
  Scaler(Scaler&& other) noexcept = default;
  Scaler& operator=(Scaler&& other) noexcept = default;

  // n <= 0 empties the table and returns false; otherwise every entry
  // becomes min 0, max 0, method 0. False when memory fails.
  bool SetSize(std::int32_t n);
  void Clear();
  std::int32_t Count() const { return count; }
  bool Set(std::int32_t index, double min, double max, std::uint32_t method);
  // Index outside the table: entry 0 (an all-zero entry when empty).
  Entry GetEntry(std::int32_t index) const;

  // Index outside the table: Scale gives 0.0, Unscale the value unchanged,
  // ErrorToRaw 0.0.
  double Scale(double value, std::int32_t index) const;
  double Unscale(double value, std::int32_t index) const;
  // An rms error in scaled units, given as its square, in raw units.
  double ErrorToRaw(double mse, std::int32_t index) const;

  const char16_t* MethodText(std::int32_t index) const;
  // Formatted into the scaler's own buffer, valid until the next call.
  const char16_t* RangeText(std::int32_t index);

  bool Differs(const Scaler& other) const;
  // File form: int32 count, then per entry min, max (doubles), method and
  // the reserved word (32 bits each), little-endian.
  bool Write(platform::File& file) const;
  // Empties the table, then reads the file form; false on a short read or
  // when memory fails, and for a count the rest of the file cannot hold.
  bool Read(platform::File& file);

 private:
  bool Holds(std::int32_t index) const { return index >= 0 && index < count; }

  std::unique_ptr<Entry[]> entries;
  std::int32_t count = 0;
  char16_t text[256] = {};
};
