#pragma once
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

#include "numerics/Matrix.h"

// A dense array of doubles; complex signals alternate real and imaginary
// parts. Empty means no storage and length 0.
class Vector {
 public:
  Vector();
  explicit Vector(std::int32_t n);
  Vector(const Vector& other);
  Vector& operator=(const Vector& other);
  Vector(Vector&& other) noexcept;
  Vector& operator=(Vector&& other) noexcept;
  virtual ~Vector();

  // n < 1 empties the vector; otherwise reallocates when the length changes.
  // Always ends with every element 0. Returns whether storage exists.
  bool Resize(std::int32_t n);
  void Free();
  void Zero();
  Vector& CopyFrom(const Vector& other);
  // The first largest (smallest) element; 0 when empty.
  double Maximum() const;
  double Minimum() const;
  // Keeps elements first..last. Requires: 0 <= first < last < length.
  bool Truncate(std::int32_t first, std::int32_t last);

  // Binary form: int32 count, then the doubles.
  bool SaveBinary(const std::filesystem::path& path) const;
  bool LoadBinary(const std::filesystem::path& path);
  // One line of numbers separated by `separator`, each written with `format`.
  Message SaveText(const std::filesystem::path& path, const char* format = "%.4f",
                   std::u16string_view separator = u",") const;
  Message LoadText(const std::filesystem::path& path, std::u16string_view separator = u",");
  void ParseText(std::u16string_view text, std::u16string_view separator);

  std::int32_t Length() const { return length; }
  double* Data() { return data; }
  const double* Data() const { return data; }
  double& operator[](std::int32_t i) { return data[i]; }
  double operator[](std::int32_t i) const { return data[i]; }

 private:
  Message SystemError(const std::u16string& text) const;

  double* data = nullptr;
  std::int32_t length = 0;
  mutable char16_t lastError[256] = {};
};
