#include "app/FileProbes.h"

#include <cstdint>
#include <memory>

#include "builder/BuilderDocument.h"
#include "net/NetworkSetup.h"
#include "platform/Env.h"
#include "platform/Text.h"

namespace FileProbes {

namespace {

constexpr std::size_t kMessageLimit = 255;

std::unique_ptr<platform::File> OpenForProbe(const std::filesystem::path& path, platform::Share share,
                                             std::u16string& error) {
  return platform::Env::Current().Open(path, platform::OpenMode::Read, share, error);
}

// The three leading 32-bit fields and the magic text, read one at a time.
struct Leading {
  std::int32_t fields[3] = {};
  networkSetup magicHolder;
};

// Empty on success, else the reason.
std::u16string ReadLeading(platform::File& file, Leading& leading) {
  static const char* const kFieldErrors[] = {"Unable to read header size", "Unable to read mayor version",
                                             "Unable to read minor version"};
  for (int i = 0; i < 3; ++i) {
    unsigned char bytes[4];
    if (file.Read(bytes, 4) != 4) return platform::Utf8ToUtf16(kFieldErrors[i]);
    leading.fields[i] = static_cast<std::int32_t>(bytes[0] | bytes[1] << 8 | bytes[2] << 16 |
                                                  static_cast<std::uint32_t>(bytes[3]) << 24);
  }
  if (leading.fields[1] != networkSetup::kMajor || leading.fields[2] != networkSetup::kMinor)
    return platform::Format("Tessarion %d.%d does not open version %d.%d files", networkSetup::kMajor,
                            networkSetup::kMinor, leading.fields[1], leading.fields[2]);
  unsigned char magic[2 * networkSetup::kMagicUnits];
  if (file.Read(magic, sizeof magic) != sizeof magic) return u"Unable to header info";
  for (int i = 0; i < networkSetup::kMagicUnits; ++i)
    leading.magicHolder.magic[i] = static_cast<char16_t>(magic[2 * i] | magic[2 * i + 1] << 8);
  return {};
}

int Fail(std::u16string& message, std::u16string text) {
  message = text.substr(0, kMessageLimit);
  return -1;
}

}  // namespace

int ProbeBuilderDocument(const std::filesystem::path& path, char16_t* buffer, std::size_t size) {
  return BuilderDocument::Probe(path, buffer, size);
}

int ProbeNetworkKind(const std::filesystem::path& path, std::u16string& message) {
  message.clear();
  std::u16string error;
  {
    auto file = OpenForProbe(path, platform::Share::Read, error);
    if (!file) return Fail(message, error);
    Leading leading;
    error = ReadLeading(*file, leading);
    if (!error.empty()) return Fail(message, error);
    if (!leading.magicHolder.MagicIs(kNetworkMagic)) return Fail(message, u"This is not a Tessarion File");
  }
  auto file = OpenForProbe(path, platform::Share::Read, error);
  if (!file) return Fail(message, error);
  unsigned char bytes[networkSetup::kBytes];
  if (file->Read(bytes, sizeof bytes) != sizeof bytes) return Fail(message, u"Error reading header file");
  networkSetup header;
  header.Decode(bytes);
  if (header.majorVersion != networkSetup::kMajor || header.minorVersion != networkSetup::kMinor ||
      !header.MagicIs(kNetworkMagic))
    return Fail(message, platform::Format("This is not a Tessarion %d.%d file.", networkSetup::kMajor,
                                          networkSetup::kMinor));
  if (header.family == networkSetup::kKohonenFamily) return 4;
  if (header.family != networkSetup::kLayerFamily) return -1;
  if (header.hidden1 == 0) return 1;
  return header.hidden2 != 0 ? 3 : 2;
}

}  // namespace FileProbes
