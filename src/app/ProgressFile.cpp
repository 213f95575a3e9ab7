#include "app/ProgressFile.h"

#include "platform/Env.h"
#include "platform/Text.h"

bool ProgressFile::Create(const std::filesystem::path& path) {
  std::u16string error;
  file = platform::Env::Current().Open(path, platform::OpenMode::Create, platform::Share::None, error);
  return file != nullptr;
}

void ProgressFile::Append(const std::u16string& line) {
  if (!file) return;
  const std::string bytes = platform::Utf16LeBytes(line);
  file->Write(bytes.data(), bytes.size());
}
