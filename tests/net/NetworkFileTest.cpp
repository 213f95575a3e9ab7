#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "net/LayerNet3.h"
#include "net/NetworkFile.h"
#include "support/FaultEnv.h"
#include "support/NetworkBuilders.h"
#include "support/TempDir.h"

namespace {

std::u16string Text(Message m) { return m ? std::u16string(m) : u"(none)"; }

std::int32_t Int32At(const std::string& bytes, std::size_t offset) {
  std::int32_t v;
  std::memcpy(&v, bytes.data() + offset, 4);
  return v;
}

void PutInt32(std::string& bytes, std::size_t offset, std::int32_t v) { std::memcpy(&bytes[offset], &v, 4); }

// A saved 4:5T:2S Generic network with distinct weights and scalers.
std::string SavedGeneric(const TempDir& dir, LayerNet2& net) {
  EXPECT_TRUE(net.Create(MakeSetup(4, 5, 0, 2, 1, 0, 0), true));
  FillWeights(net);
  net.InputScaler().Set(1, -2, 2, 2);
  net.OutputScaler().Set(0, 0, 100, 1);
  EXPECT_EQ(net.Save(dir.File("net.tsn")), nullptr);
  return TempDir::Read(dir.File("net.tsn"));
}

TEST(NetworkFile, GenericFileHasTheExactLayout) {
  TempDir dir;
  LayerNet2 net;
  const std::string bytes = SavedGeneric(dir, net);
  ASSERT_EQ(bytes.size(), 116u + (8 + 5 * 5 * 8) + (8 + 2 * 6 * 8) + (4 + 96) + (4 + 48));
  const std::int32_t header[] = {116, 3, 1};
  for (int i = 0; i < 3; ++i) EXPECT_EQ(Int32At(bytes, 4 * i), header[i]);
  const std::u16string magic = u"Tessarion File";
  EXPECT_EQ(std::memcmp(bytes.data() + 12, magic.data(), 28), 0);
  EXPECT_EQ(bytes.substr(40, 36), std::string(36, '\0'));
  const std::int32_t fields[] = {1, 4, 2, 5, 0, 1, 0, 0, 0};
  for (int i = 0; i < 9; ++i) EXPECT_EQ(Int32At(bytes, 76 + 4 * i), fields[i]) << i;
  EXPECT_EQ(bytes.substr(112, 4), std::string(4, '\0'));
  EXPECT_EQ(Int32At(bytes, 116), 5);
  EXPECT_EQ(Int32At(bytes, 120), 5);
  double first;
  std::memcpy(&first, bytes.data() + 124, 8);
  EXPECT_EQ(first, net.Hidden1()->Weights()[0][0]);
  EXPECT_FALSE(std::filesystem::exists(dir.File("net.tsn.part")));
}

TEST(NetworkFile, ClassifierFileEndsInAZeroCount) {
  TempDir dir;
  LayerNet1 net;
  ASSERT_TRUE(net.Create(MakeSetup(3, 0, 0, 2, 0, 0, 0, kClassifier), true));
  ASSERT_EQ(net.Save(dir.File("c.tsn")), nullptr);
  const std::string bytes = TempDir::Read(dir.File("c.tsn"));
  EXPECT_EQ(bytes.size(), 116u + 8 + 2 * 4 * 8 + 4 + 3 * 24 + 4);
  EXPECT_EQ(bytes.substr(bytes.size() - 4), std::string(4, '\0'));
}

TEST(NetworkFile, LoadReadsBackWhatSaveWrote) {
  TempDir dir;
  for (const networkSetup& setup :
       {MakeSetup(3, 4, 2, 2, 0, 1, 2, kGeneric), MakeSetup(2, 3, 0, 1, 1, 0, 0, kClassifier, true),
        MakeSetup(3, 0, 0, 3, 0, 0, 1, kOutputEqualsInput)}) {
    LayerNet3 three;
    LayerNet2 two;
    LayerNet1 one;
    LayerNet1* nets[] = {&one, &two, &three};
    LayerNet1& net = *nets[NetworkFile::LayerCount(setup) - 1];
    ASSERT_TRUE(net.Create(setup, true));
    FillWeights(net);
    net.InputScaler().Set(0, 1, 5, 3);
    ASSERT_EQ(net.Save(dir.File("n.tsn")), nullptr);

    LayerNet3 three2;
    LayerNet2 two2;
    LayerNet1 one2;
    LayerNet1* loaded[] = {&one2, &two2, &three2};
    LayerNet1& back = *loaded[NetworkFile::LayerCount(setup) - 1];
    ASSERT_EQ(Text(back.Load(dir.File("n.tsn"))), u"(none)");
    Vector a, b;
    net.GetWeights(a);
    back.GetWeights(b);
    ASSERT_EQ(a.Length(), b.Length());
    for (int i = 0; i < a.Length(); ++i) EXPECT_EQ(a[i], b[i]);
    EXPECT_FALSE(back.InputScaler().Differs(net.InputScaler()));
    EXPECT_FALSE(back.OutputScaler().Differs(net.OutputScaler()));
    EXPECT_EQ(back.Mse(), 1e100);
    networkSetup x, y;
    net.GetSetup(x);
    back.GetSetup(y);
    unsigned char bx[116], by[116];
    x.Encode(bx);
    y.Encode(by);
    EXPECT_EQ(std::memcmp(bx, by, 116), 0);
    ASSERT_EQ(back.Save(dir.File("again.tsn")), nullptr);
    EXPECT_EQ(TempDir::Read(dir.File("again.tsn")), TempDir::Read(dir.File("n.tsn")));
  }
}

TEST(NetworkFile, BadFilesAreRefusedWithTheirMessages) {
  TempDir dir;
  LayerNet2 source;
  const std::string good = SavedGeneric(dir, source);
  auto patched = [&](std::size_t offset, std::int32_t value) {
    std::string bytes = good;
    PutInt32(bytes, offset, value);
    return bytes;
  };
  std::string wrongMagic = good;
  wrongMagic[12] = 'X';
  std::string longMagic = good;
  for (int i = 0; i < 32; ++i) longMagic[12 + 2 * i] = 'T';
  const std::size_t outputScalerAt = good.size() - 52;
  struct Case {
    std::string bytes;
    std::u16string message;
  } cases[] = {
      {good.substr(0, 100), u"Unable to read header file"},
      {patched(8, 0), u"This file is not compatible with this version of Tessarion."},
      {patched(4, 4), u"This file is not compatible with this version of Tessarion."},
      {wrongMagic, u"The file is not a Tessarion file"},
      {longMagic, u"The file is not a Tessarion file"},
      {good.substr(0, outputScalerAt + 10), u"Unable to load output scaler"},
      {good.substr(0, outputScalerAt - 20), u"Unable to load input scaler"},
      {good.substr(0, 200), u"Unable to read data from file"},
      {patched(76, 2), u"The file does not hold a layer network"},
      {patched(80, 0), u"The network sizes in the file are not valid"},
      {patched(88, -5), u"The network sizes in the file are not valid"},
      {patched(80, 0x7fffffff), u"The network sizes in the file are not valid"},
      {patched(88, 100000000), u"Unable to read data from file"},
      {patched(96, 2), u"The activation functions in the file are not valid"},
      {patched(104, 3), u"The activation functions in the file are not valid"},
      {patched(108, 5), u"The network style in the file is not valid"},
      {patched(92, 3), u"The file holds a network with another number of layers"},
      {patched(116, 4), u"The weight matrices in the file do not match the network"},
      {patched(116, 0), u"Matrix has no rows"},
  };
  for (const Case& c : cases) {
    LayerNet2 net;
    ASSERT_TRUE(net.Create(MakeSetup(1, 1, 0, 1, 0, 0, 0), true));
    FillWeights(net);
    Vector before;
    net.GetWeights(before);
    EXPECT_EQ(Text(net.Load(dir.Write("bad.tsn", c.bytes))), c.message);
    ASSERT_TRUE(net.HasNetwork()) << "a refused file must leave the loaded network";
    Vector after;
    net.GetWeights(after);
    EXPECT_EQ(after.Length(), before.Length());
    EXPECT_EQ(after[0], before[0]);
  }
  std::string complexWithoutHidden = patched(88, 0);
  complexWithoutHidden[112] = 1;
  LayerNet1 one;
  EXPECT_EQ(Text(one.Load(dir.Write("c.tsn", complexWithoutHidden))),
            u"There must be one hidden layer for complex neural networks");
  EXPECT_EQ(Text(one.Load(dir.File("missing.tsn"))), u"The file couln't be read");
}

TEST(NetworkFile, FailedSavesReportTheStepAndKeepTheOldFile) {
  TempDir dir;
  LayerNet2 net;
  const std::string good = SavedGeneric(dir, net);
  net.InputScaler().Set(0, 7, 8, 1);
  struct Case {
    std::uint64_t budget;
    std::u16string message;
  } cases[] = {
      {50, u"Unable to write file header"},
      {118, u"Unable to write the number of rows"},
      {122, u"Unable to write the number of cols"},
      {130, u"Unable to write data to file"},
      {116 + 208 + 104 + 2, u"Unable to write input scaler"},
      {116 + 208 + 104 + 100 + 1, u"Unable to write output scaler"},
  };
  for (const Case& c : cases) {
    FaultEnv env;
    env.writeBudget = c.budget;
    FaultEnv::Scoped scoped(env);
    EXPECT_EQ(Text(net.Save(dir.File("net.tsn"))), c.message);
    EXPECT_EQ(TempDir::Read(dir.File("net.tsn")), good);
    EXPECT_FALSE(std::filesystem::exists(dir.File("net.tsn.part")));
  }
  FaultEnv env;
  env.failCreateWith = u"Access is denied.";
  FaultEnv::Scoped scoped(env);
  EXPECT_EQ(Text(net.Save(dir.File("net.tsn"))), u"The file couldn't be written");
  EXPECT_EQ(TempDir::Read(dir.File("net.tsn")), good);
}

}  // namespace
