#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "numerics/Matrix.h"
#include "platform/Env.h"
#include "support/FaultEnv.h"
#include "support/TempDir.h"

namespace {

std::string Int32(std::int32_t v) { return std::string(reinterpret_cast<const char*>(&v), 4); }
std::string Doubles(std::initializer_list<double> values) {
  std::string bytes;
  for (double v : values) bytes.append(reinterpret_cast<const char*>(&v), 8);
  return bytes;
}

std::unique_ptr<platform::File> OpenRead(const std::filesystem::path& path) {
  std::u16string error;
  return platform::Env::Current().Open(path, platform::OpenMode::Read, platform::Share::Read, error);
}

std::unique_ptr<platform::File> Create(const std::filesystem::path& path) {
  std::u16string error;
  return platform::Env::Current().Open(path, platform::OpenMode::Create, platform::Share::None, error);
}

TEST(MatrixBinary, BlocksFollowOneAnotherInTheStream) {
  TempDir dir;
  Matrix a(2, 3), b(1, 1);
  for (int r = 0; r < 2; ++r)
    for (int c = 0; c < 3; ++c) a[r][c] = r * 10 + c + 0.25;
  b[0][0] = -7;
  {
    auto file = Create(dir.File("s.bin"));
    ASSERT_EQ(a.WriteBinary(*file), nullptr);
    ASSERT_EQ(b.WriteBinary(*file), nullptr);
  }
  EXPECT_EQ(TempDir::Read(dir.File("s.bin")),
            Int32(2) + Int32(3) + Doubles({0.25, 1.25, 2.25, 10.25, 11.25, 12.25}) + Int32(1) + Int32(1) +
                Doubles({-7}));
  auto file = OpenRead(dir.File("s.bin"));
  Matrix x, y;
  ASSERT_EQ(x.ReadBinary(*file), nullptr);
  ASSERT_EQ(y.ReadBinary(*file), nullptr);
  EXPECT_EQ(x.Rows(), 2);
  EXPECT_EQ(x[1][2], 12.25);
  EXPECT_EQ(y[0][0], -7);
  EXPECT_EQ(file->Position(), file->Size());
}

TEST(MatrixBinary, BadStreamsGetTheirMessages) {
  TempDir dir;
  const struct {
    const char* name;
    std::string bytes;
    std::u16string message;
  } cases[] = {
      {"no row count", "ab", u"Unable to read the number of rows"},
      {"no column count", Int32(1) + "ab", u"Unable to read the number of cols"},
      {"zero rows", Int32(0) + Int32(5), u"Matrix has no rows"},
      {"zero columns", Int32(5) + Int32(0), u"Matrix has no columns"},
      {"short row", Int32(2) + Int32(1) + Doubles({1}) + "xyz", u"Unable to read data from file"},
      {"counts beyond the file", Int32(0x7fffffff) + Int32(0x7fffffff), u"Unable to read data from file"},
      {"negative count", Int32(-3) + Int32(2) + Doubles({1, 2}), u"Unable to read data from file"},
  };
  for (const auto& c : cases) {
    dir.Write("bad.bin", c.bytes);
    auto file = OpenRead(dir.File("bad.bin"));
    Matrix m;
    Message message = m.ReadBinary(*file);
    ASSERT_NE(message, nullptr) << c.name;
    EXPECT_EQ(std::u16string(message), c.message) << c.name;
  }
}

TEST(MatrixBinary, ShortWritesGetTheirMessages) {
  TempDir dir;
  Matrix m(2, 2);
  FaultEnv env;
  FaultEnv::Scoped scoped(env);
  const struct {
    std::uint64_t budget;
    std::u16string message;
  } cases[] = {
      {2, u"Unable to write the number of rows"},
      {6, u"Unable to write the number of cols"},
      {8 + 16 + 5, u"Unable to write data to file"},
  };
  for (const auto& c : cases) {
    env.writeBudget = c.budget;
    auto file = Create(dir.File("w.bin"));
    EXPECT_EQ(std::u16string(m.WriteBinary(*file)), c.message);
  }
}

TEST(MatrixRawDoubles, WholeRowsOnlyAndShortReads) {
  TempDir dir;
  std::string bytes;
  for (int i = 0; i < 12; ++i) bytes += Doubles({i * 1.5});
  bytes += "tail";  // 100 bytes: 4 rows of 3, 4 bytes ignored
  dir.Write("d.dat", bytes);
  Matrix m;
  ASSERT_EQ(m.LoadRawDoubles(dir.File("d.dat"), 3), nullptr);
  ASSERT_EQ(m.Rows(), 4);
  ASSERT_EQ(m.Cols(), 3);
  EXPECT_EQ(m[3][2], 16.5);

  FaultEnv env;
  FaultEnv::Scoped scoped(env);
  env.readBudget = 40;
  EXPECT_EQ(std::u16string(m.LoadRawDoubles(dir.File("d.dat"), 3)), u"Error reading file");
  env.readBudget = FaultEnv::kUnlimited;
  env.failOpenWith = u"The file is in use.\r\n";
  EXPECT_EQ(std::u16string(m.LoadRawDoubles(dir.File("d.dat"), 3)), u"The file is in use.\r\n");
}

TEST(MatrixRawDoubles, ManyRowsCrossBlockBoundaries) {
  TempDir dir;
  std::string bytes;
  const int rows = 50000, cols = 7;
  for (int i = 0; i < rows * cols; ++i) bytes += Doubles({static_cast<double>(i)});
  dir.Write("big.dat", bytes);
  Matrix m;
  ASSERT_EQ(m.LoadRawDoubles(dir.File("big.dat"), cols), nullptr);
  ASSERT_EQ(m.Rows(), rows);
  for (int r = 0; r < rows; r += 997) EXPECT_EQ(m[r][cols - 1], r * cols + cols - 1.0);
}

TEST(MatrixContainer, ResizeCopyAndAllocationState) {
  Matrix m;
  EXPECT_FALSE(m.IsAllocated());
  ASSERT_TRUE(m.Resize(2, 3));
  EXPECT_TRUE(m.IsAllocated());
  m[1][2] = 5;
  ASSERT_TRUE(m.Resize(2, 3));
  EXPECT_EQ(m[1][2], 0.0) << "a same-shape resize clears";
  m[0][0] = 4;
  Matrix copy = m;
  copy[0][0] = 9;
  EXPECT_EQ(m[0][0], 4.0) << "copies never share rows";
  Matrix empty;
  copy = empty;
  EXPECT_FALSE(copy.IsAllocated());
  EXPECT_FALSE(m.Resize(-1, 2));
  EXPECT_EQ(m.Rows(), 0);
}

}  // namespace
