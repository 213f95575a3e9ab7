#pragma once
#include <filesystem>
#include <string>

// A fresh folder under the system's temporary folder, removed with its
// contents when the object goes.
class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  const std::filesystem::path& Path() const { return path; }
  std::filesystem::path File(const std::string& name) const { return path / name; }
  // Writes bytes to a file in the folder and returns its path.
  std::filesystem::path Write(const std::string& name, const std::string& bytes) const;
  // The whole content of a file.
  static std::string Read(const std::filesystem::path& file);

 private:
  std::filesystem::path path;
};
