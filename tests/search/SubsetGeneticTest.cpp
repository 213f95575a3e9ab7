#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "numerics/Random.h"
#include "search/SubsetGenetic.h"

namespace {

int Ones(const SubsetGenetic& engine, const SubsetGenetic::Individual& x) {
  int ones = 0;
  for (int i = 0; i < engine.FeatureCount(); ++i) ones += x.Bit(i);
  return ones;
}

std::vector<std::uint8_t> BytesOf(const SubsetGenetic& engine, const SubsetGenetic::Individual& x) {
  return std::vector<std::uint8_t>(x.bits, x.bits + engine.BytesPerIndividual());
}

// Every individual has exactly K ones and nothing beyond bit F - 1.
void ExpectWellFormed(const SubsetGenetic& engine) {
  const int f = engine.FeatureCount();
  for (int i = 0; i < engine.PopulationSize(); ++i) {
    const SubsetGenetic::Individual& x = engine.At(i);
    EXPECT_EQ(Ones(engine, x), engine.ChosenCount()) << i;
    EXPECT_EQ(x.bits[f / 8] >> (f % 8), 0) << i;
  }
}

TEST(SubsetGenetic, InitialisesDistinctSubsetsOfKOnes) {
  struct Case {
    int n, f, k;
  };
  const Case cases[] = {{10, 12, 4}, {6, 4, 2}, {3, 8, 1}, {20, 17, 9}, {1, 5, 5}, {1, 7, 0}};
  Random::Restart();
  for (const Case& c : cases) {
    SubsetGenetic engine;
    ASSERT_TRUE(engine.Initialise(c.n, c.f, c.k)) << c.n << " " << c.f << " " << c.k;
    EXPECT_EQ(engine.BytesPerIndividual(), c.f / 8 + 1);
    ExpectWellFormed(engine);
    for (int i = 0; i < c.n; ++i)
      for (int j = 0; j < i; ++j) EXPECT_NE(BytesOf(engine, engine.At(i)), BytesOf(engine, engine.At(j)));
    EXPECT_EQ(engine.Best().error, 1e30);
  }
}

TEST(SubsetGenetic, InitialiseFailsWhenTheSubsetsCannotAllDiffer) {
  struct Case {
    int n, f, k;
  };
  // C(4, 2) = 6 subsets; K = F has one; K > F or K < 0 has none.
  const Case cases[] = {{7, 4, 2}, {2, 5, 5}, {2, 6, 0}, {1, 3, 4}, {1, 3, -1}, {0, 3, 1}, {1, 0, 0}};
  for (const Case& c : cases) {
    SubsetGenetic engine;
    EXPECT_FALSE(engine.Initialise(c.n, c.f, c.k)) << c.n << " " << c.f << " " << c.k;
    EXPECT_EQ(engine.PopulationSize(), 0);
  }
}

TEST(SubsetGenetic, ReportKeepsTheBestAndAdvances) {
  Random::Restart();
  SubsetGenetic engine;
  ASSERT_TRUE(engine.Initialise(4, 10, 3));
  const double errors[] = {0.5, 0.2, 0.2, 0.7, 0.0};
  const std::vector<std::uint8_t> second = BytesOf(engine, engine.At(1));
  for (double e : errors) engine.Report(e);
  EXPECT_EQ(engine.Cursor(), 4);
  EXPECT_EQ(engine.Best().error, 0.2);
  EXPECT_EQ(BytesOf(engine, engine.Best()), second);
  EXPECT_EQ(engine.At(3).error, 0.7);
}

TEST(SubsetGenetic, StepKeepsKOnesAndRestartsTheCursor) {
  struct Case {
    int n, f, k;
    double pc, pm;
  };
  const Case cases[] = {
      {10, 12, 4, 0.85, 0.0001}, {8, 9, 3, 1.0, 0.5}, {5, 20, 1, 1.0, 1.0}, {7, 7, 5, 0.5, 0.2}};
  Random::Restart();
  for (const Case& c : cases) {
    SubsetGenetic engine;
    ASSERT_TRUE(engine.Initialise(c.n, c.f, c.k));
    for (int g = 1; g <= 5; ++g) {
      for (int i = 0; i < c.n; ++i) engine.Report(0.01 * ((i * 7) % c.n));
      EXPECT_EQ(engine.Step(c.pc, c.pm), g);
      EXPECT_EQ(engine.Cursor(), 0);
      ExpectWellFormed(engine);
      EXPECT_EQ(engine.At(0).error, 1e30);
    }
  }
}

TEST(SubsetGenetic, WithoutCrossoverChildrenAreUnmutatedCopies) {
  Random::Restart();
  SubsetGenetic engine;
  ASSERT_TRUE(engine.Initialise(9, 11, 4));
  std::vector<std::vector<std::uint8_t>> parents;
  for (int i = 0; i < 9; ++i) {
    parents.push_back(BytesOf(engine, engine.At(i)));
    engine.Report(0.1 * i);
  }
  engine.Step(0.0, 1.0);
  for (int i = 0; i < 9; ++i) {
    bool found = false;
    for (const auto& p : parents) found = found || p == BytesOf(engine, engine.At(i));
    EXPECT_TRUE(found) << i;
  }
}

TEST(SubsetGenetic, AllFeaturesChosenStayAllOnes) {
  Random::Restart();
  SubsetGenetic engine;
  ASSERT_TRUE(engine.Initialise(1, 13, 13));
  for (int g = 0; g < 3; ++g) {
    engine.Report(0.3);
    engine.Step(1.0, 0.5);
    EXPECT_EQ(Ones(engine, engine.At(0)), 13);
  }
}

TEST(SubsetGenetic, DescribeListsOneBasedNumbersCutToCapacity) {
  SubsetGenetic engine;
  ASSERT_TRUE(engine.Initialise(1, 12, 0));
  std::uint8_t bits[2] = {0x25, 0x08};  // bits 0, 2, 5 and 11
  SubsetGenetic::Individual x;
  x.bits = bits;
  struct Case {
    int capacity;
    std::u16string text;
  };
  const Case cases[] = {{64, u"1,3,6,12"}, {9, u"1,3,6,12"}, {8, u"1,3,6,1"}, {4, u"1,3"}, {1, u""}};
  for (const Case& c : cases) {
    char16_t text[64];
    std::fill_n(text, 64, u'#');
    engine.Describe(x, text, c.capacity);
    EXPECT_EQ(std::u16string(text), c.text) << c.capacity;
  }
  bits[0] = bits[1] = 0;
  char16_t text[8];
  engine.Describe(x, text, 8);
  EXPECT_EQ(std::u16string(text), u"");
  bits[0] = 0x25;
  bits[1] = 0;
  engine.Describe(x, text, 8);
  EXPECT_EQ(std::u16string(text), u"1,3,6");
}

}  // namespace
