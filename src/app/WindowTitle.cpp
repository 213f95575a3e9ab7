#include "app/WindowTitle.h"

#include "platform/Text.h"

namespace {

constexpr std::size_t kWalkBack = 256;
constexpr std::size_t kNameLimit = 255;

std::u16string UpperAscii(std::u16string text) {
  for (char16_t& c : text)
    if (c >= u'a' && c <= u'z') c = static_cast<char16_t>(c - u'a' + u'A');
  return text;
}

}  // namespace

std::u16string WindowTitle::Update(const std::optional<std::u16string>& path) {
  if (path && path->size() >= 5) {
    const std::size_t extension = UpperAscii(*path).find(u".TSN");
    if (extension != std::u16string::npos) {
      for (std::size_t back = 1; back <= kWalkBack && back <= extension; ++back) {
        if ((*path)[extension - back] == u'\\') {
          networkFileName = path->substr(extension - back + 1, kNameLimit);
          break;
        }
      }
    }
  }
  if (networkFileName.size() < 3) return u"Tessarion";
  return u"Tessarion - " + networkFileName;
}
