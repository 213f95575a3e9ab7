#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "net/Scaler.h"
#include "platform/Env.h"
#include "support/FaultEnv.h"
#include "support/TempDir.h"

namespace {

std::unique_ptr<platform::File> Open(const std::filesystem::path& path, platform::OpenMode mode) {
  std::u16string error;
  return platform::Env::Current().Open(path, mode, platform::Share::None, error);
}

TEST(Scaler, ScalesAndUnscalesByMethod) {
  Scaler s;
  ASSERT_TRUE(s.SetSize(4));
  s.Set(0, 0, 10, 1);
  s.Set(1, -1, 2.5, 2);
  s.Set(2, 4, 8, 3);
  EXPECT_DOUBLE_EQ(s.Scale(5, 0), 0.5);
  EXPECT_DOUBLE_EQ(s.Scale(10, 0), 0.9);
  EXPECT_DOUBLE_EQ(s.Unscale(0.9, 0), 10.0);
  EXPECT_DOUBLE_EQ(s.Scale(-1, 1), -0.9);
  EXPECT_DOUBLE_EQ(s.Scale(8, 2), 3.0);
  EXPECT_EQ(s.Scale(7.5, 3), 7.5);
  EXPECT_EQ(s.Unscale(7.5, 3), 7.5);
  for (int index : {0, 1, 2}) EXPECT_NEAR(s.Unscale(s.Scale(3.3, index), index), 3.3, 1e-12);
  EXPECT_EQ(s.Scale(5, -1), 0.0);
  EXPECT_EQ(s.Scale(5, 4), 0.0);
  EXPECT_EQ(s.Unscale(5, -1), 5.0);
  EXPECT_FALSE(s.Set(4, 0, 1, 1));
  EXPECT_EQ(s.GetEntry(9).max, 10.0);
}

TEST(Scaler, ErrorToRawAndTexts) {
  Scaler s;
  s.SetSize(5);
  s.Set(0, 0, 8, 1);
  s.Set(1, -1, 2.5, 2);
  s.Set(2, 0, 6, 3);
  s.Set(4, 0, 1, 9);
  EXPECT_DOUBLE_EQ(s.ErrorToRaw(0.01, 0), 1.0);
  EXPECT_DOUBLE_EQ(s.ErrorToRaw(0.04, 2), 0.2);
  EXPECT_DOUBLE_EQ(s.ErrorToRaw(0.25, 3), 0.5);
  EXPECT_EQ(s.ErrorToRaw(0.25, 7), 0.0);
  const char16_t* methods[] = {u"[0.1     0.9]", u"[-0.9    0.9]", u"[-3.0    3.0]", u"No scaling",
                               u"Scaling error"};
  for (int i = 0; i < 5; ++i) EXPECT_EQ(std::u16string(s.MethodText(i)), methods[i]);
  EXPECT_EQ(std::u16string(s.MethodText(-1)), u"Scaling error");
  EXPECT_EQ(std::u16string(s.RangeText(1)), u"[-1      2.5]");
  EXPECT_EQ(std::u16string(s.RangeText(3)), u"------");
  EXPECT_EQ(std::u16string(s.RangeText(5)), u"Scaling error");
}

TEST(Scaler, SizingCopiesAndComparison) {
  Scaler a;
  EXPECT_FALSE(a.SetSize(0));
  EXPECT_EQ(a.Count(), 0);
  Scaler empty;
  EXPECT_FALSE(a.Differs(empty));
  a.SetSize(2);
  a.Set(1, 1, 2, 3);
  Scaler b = a;
  EXPECT_FALSE(b.Differs(a));
  b.Set(1, 1, 2, 2);
  EXPECT_TRUE(b.Differs(a));
  EXPECT_EQ(a.GetEntry(1).method, 3u);
  b.SetSize(2);
  EXPECT_EQ(b.GetEntry(1).max, 0.0);
  EXPECT_TRUE(b.Differs(empty));
}

TEST(Scaler, FileFormRoundTripsByteForByte) {
  TempDir dir;
  Scaler s;
  s.SetSize(3);
  s.Set(0, -1, 1, 2);
  s.Set(2, 0.5, 9, 1);
  {
    auto file = Open(dir.File("s.bin"), platform::OpenMode::Create);
    ASSERT_TRUE(s.Write(*file));
    ASSERT_TRUE(Scaler().Write(*file));
  }
  const std::string bytes = TempDir::Read(dir.File("s.bin"));
  ASSERT_EQ(bytes.size(), 4u + 3 * 24 + 4);
  EXPECT_EQ(bytes.substr(0, 4), std::string("\x03\0\0\0", 4));
  double min;
  std::memcpy(&min, bytes.data() + 4, 8);
  EXPECT_EQ(min, -1.0);
  EXPECT_EQ(bytes[4 + 16], 2);
  EXPECT_EQ(bytes.substr(bytes.size() - 4), std::string(4, '\0'));
  auto file = Open(dir.File("s.bin"), platform::OpenMode::Read);
  Scaler back, second;
  second.SetSize(5);
  ASSERT_TRUE(back.Read(*file));
  ASSERT_TRUE(second.Read(*file));
  EXPECT_FALSE(back.Differs(s));
  EXPECT_EQ(second.Count(), 0);
}

TEST(Scaler, ShortOrHostileFilesFail) {
  TempDir dir;
  const std::string huge("\xff\xff\xff\x7f", 4), negative("\x00\x00\x00\x80", 4);
  for (const std::string& bytes :
       {std::string("\x02\0", 2), std::string("\x01\0\0\0", 4) + std::string(10, 'a'),
        huge + std::string(48, '\0'), negative}) {
    const auto path = dir.Write("bad.bin", bytes);
    auto file = Open(path, platform::OpenMode::Read);
    Scaler s;
    s.SetSize(2);
    EXPECT_FALSE(s.Read(*file));
    EXPECT_EQ(s.Count(), 0);
  }
  FaultEnv env;
  env.writeBudget = 10;
  FaultEnv::Scoped scoped(env);
  Scaler s;
  s.SetSize(1);
  auto file = Open(dir.File("short.bin"), platform::OpenMode::Create);
  EXPECT_FALSE(s.Write(*file));
}

}  // namespace
