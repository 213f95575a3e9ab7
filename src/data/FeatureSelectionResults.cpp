#include "data/FeatureSelectionResults.h"

#include "platform/Env.h"
#include "platform/Text.h"

FeatureSelectionResults::FeatureSelectionResults(const std::uint8_t* bits, std::int32_t features,
                                                 double error)
    : error(error) {
  for (std::int32_t i = 0; i < features; ++i)
    if ((bits[i / 8] >> (i % 8)) & 1) columns.push_back(i + 1);
}

std::u16string FeatureSelectionResults::Title() const {
  return platform::Format("Feature Selection Results (MSE = %.14f)", error);
}

std::vector<std::u16string> FeatureSelectionResults::Items() const {
  std::vector<std::u16string> items;
  for (std::int32_t column : columns) items.push_back(platform::Format("%d", column));
  return items;
}

std::u16string FeatureSelectionResults::Save(const std::filesystem::path& path) const {
  std::u16string error;
  auto file = platform::Env::Current().Open(path, platform::OpenMode::Create, platform::Share::None, error);
  if (!file) return error;
  std::u16string text;
  for (const std::u16string& item : Items()) text += item + u"\r\n";
  const std::string bytes = platform::Utf16LeBytes(text);
  if (file->Write(bytes.data(), bytes.size()) != bytes.size()) return u"Error writting file";
  return {};
}
