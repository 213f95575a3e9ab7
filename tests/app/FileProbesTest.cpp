#include <gtest/gtest.h>

#include <cstring>

#include "app/FileProbes.h"
#include "app/WindowTitle.h"
#include "net/LayerNet3.h"
#include "support/NetworkBuilders.h"
#include "support/TempDir.h"

namespace {

std::string Header(int major, int minor, const std::u16string& magic, int family = 1, int hidden1 = 0,
                   int hidden2 = 0) {
  std::string bytes(116, '\0');
  const int fields[] = {116, major, minor};
  std::memcpy(&bytes[0], fields, 12);
  std::memcpy(&bytes[12], magic.data(), 2 * std::min<std::size_t>(magic.size(), 32));
  std::memcpy(&bytes[76], &family, 4);
  std::memcpy(&bytes[88], &hidden1, 4);
  std::memcpy(&bytes[92], &hidden2, 4);
  return bytes;
}

TEST(FileProbes, BuilderProbe) {
  TempDir dir;
  struct Case {
    std::string bytes;
    int verdict;
    std::u16string message;
  } cases[] = {
      {Header(3, 1, u"Traning Set Builder File"), FileProbes::kBuilderDocument, u""},
      {Header(3, 1, u"Tessarion File"), FileProbes::kOtherTsn, u""},
      {Header(3, 0, u"Tessarion File"), FileProbes::kProbeFailed,
       u"Tessarion 3.1 does not open version 3.0 files"},
      {std::string(2, '\0'), FileProbes::kProbeFailed, u"Unable to read header size"},
      {std::string(6, '\0'), FileProbes::kProbeFailed, u"Unable to read mayor version"},
      {Header(3, 1, u"").substr(0, 10), FileProbes::kProbeFailed, u"Unable to read minor version"},
      {Header(3, 1, u"").substr(0, 40), FileProbes::kProbeFailed, u"Unable to header info"},
  };
  for (const Case& c : cases) {
    char16_t buffer[256] = u"untouched";
    EXPECT_EQ(FileProbes::ProbeBuilderDocument(dir.Write("f.tsn", c.bytes), buffer, 256), c.verdict);
    if (c.verdict == FileProbes::kProbeFailed) {
      EXPECT_EQ(std::u16string(buffer), c.message);
    }
  }
  char16_t small[8];
  FileProbes::ProbeBuilderDocument(dir.Write("f.tsn", std::string(2, '\0')), small, 8);
  EXPECT_EQ(std::u16string(small), u"Unable ");
}

TEST(FileProbes, NetworkKindProbe) {
  TempDir dir;
  struct Case {
    std::string bytes;
    int kind;
    std::u16string message;
  } cases[] = {
      {Header(3, 1, u"Tessarion File", 1, 0, 7), 1, u""},
      {Header(3, 1, u"Tessarion File", 1, 4, 0), 2, u""},
      {Header(3, 1, u"Tessarion File", 1, 4, 2), 3, u""},
      {Header(3, 1, u"Tessarion File", 2), 4, u""},
      {Header(3, 1, u"Tessarion File", 9), -1, u""},
      {Header(3, 1, u"Traning Set Builder File"), -1, u"This is not a Tessarion File"},
      {Header(4, 1, u"Tessarion File"), -1, u"Tessarion 3.1 does not open version 4.1 files"},
      {Header(3, 1, u"Tessarion File").substr(0, 100), -1, u"Error reading header file"},
      {std::string(3, '\0'), -1, u"Unable to read header size"},
  };
  for (const Case& c : cases) {
    std::u16string message = u"stale";
    EXPECT_EQ(FileProbes::ProbeNetworkKind(dir.Write("n.tsn", c.bytes), message), c.kind);
    EXPECT_EQ(message, c.message);
  }
  std::u16string message;
  EXPECT_EQ(FileProbes::ProbeNetworkKind(dir.File("missing.tsn"), message), -1);
  EXPECT_FALSE(message.empty());
  EXPECT_LE(message.size(), 255u);
}

TEST(WindowTitle, FollowsTheNetworkFileName) {
  WindowTitle title;
  EXPECT_EQ(title.Update(std::nullopt), u"Tessarion");
  EXPECT_EQ(title.Update(u"C:\\nets\\iris.tsn"), u"Tessarion - iris.tsn");
  EXPECT_EQ(title.NetworkFileName(), u"iris.tsn");
  EXPECT_EQ(title.Update(u"noslash.TSN"), u"Tessarion - iris.tsn");
  EXPECT_EQ(title.Update(u"C:\\" + std::u16string(300, u'a') + u".tsn"), u"Tessarion - iris.tsn");
  EXPECT_EQ(title.Update(u"D:\\x\\Ab.Tsn"), u"Tessarion - Ab.Tsn");
  EXPECT_EQ(title.Update(u"D:\\x\\.tsn"), u"Tessarion - .tsn");
  EXPECT_EQ(title.Update(u"D:\\x"), u"Tessarion - .tsn");
}

}  // namespace
