#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <vector>

#include "numerics/Random.h"
#include "search/WeightGenetic.h"

namespace {

std::vector<std::int16_t> GenesOf(const WeightGenetic::Individual& x) {
  return std::vector<std::int16_t>(x.genes, x.genes + x.geneCount);
}

TEST(WeightGenetic, RandomGenesCoverTheSixteenBitRangeButTwoValues) {
  Random::Restart();
  const double u = Random::Uniform();
  Random::Restart();
  EXPECT_EQ(WeightGenetic::RandomGene(), static_cast<std::int16_t>(static_cast<int>(u * 65534.0 - 0.5)));
  int low = 32767, high = -32768;
  for (int i = 0; i < 200000; ++i) {
    const std::int16_t g = WeightGenetic::RandomGene();
    ASSERT_TRUE(g != -1 && g != -2) << g;
    low = std::min<int>(low, g);
    high = std::max<int>(high, g);
  }
  EXPECT_LT(low, -32700);
  EXPECT_GT(high, 32700);
}

TEST(WeightGenetic, InitialiseRefusesEmptyShapes) {
  WeightGenetic engine;
  EXPECT_FALSE(engine.Initialise(0, 5));
  EXPECT_FALSE(engine.Initialise(4, 0));
  EXPECT_EQ(engine.Current(), nullptr);
  ASSERT_TRUE(engine.Initialise(3, 5));
  EXPECT_EQ(engine.PopulationSize(), 3);
  EXPECT_EQ(engine.Current()[2].geneCount, 5);
  EXPECT_EQ(engine.Current()[0].error, 1e100);
}

TEST(WeightGenetic, WithoutCrossoverOrMutationChildrenAreCopies) {
  Random::Restart();
  WeightGenetic engine;
  ASSERT_TRUE(engine.Initialise(8, 6));
  std::set<std::vector<std::int16_t>> parents;
  for (int i = 0; i < 8; ++i) {
    engine.Current()[i].error = 0.01 * i;
    parents.insert(GenesOf(engine.Current()[i]));
  }
  EXPECT_EQ(engine.Step(0.0, 0.0), 1);
  for (int i = 0; i < 8; ++i) EXPECT_EQ(parents.count(GenesOf(engine.Current()[i])), 1u) << i;
}

// Two parents of constant genes 1000 and -1000: a blend with alpha in
// [0.55, 0.95] gives a child of one constant between 100 and 900 in size,
// and its sibling (same alpha, roles exchanged) the mirror value.
TEST(WeightGenetic, SiblingsAreMirrorBlendsWithOneAlphaPerPair) {
  Random::Restart();
  for (int trial = 0; trial < 20; ++trial) {
    WeightGenetic engine;
    ASSERT_TRUE(engine.Initialise(2, 9));
    for (int i = 0; i < 2; ++i) {
      std::fill_n(engine.Current()[i].genes, 9, i == 0 ? 1000 : -1000);
      engine.Current()[i].error = 0.2;
    }
    engine.Step(1.0, 0.0);
    const std::vector<std::int16_t> even = GenesOf(engine.Current()[0]);
    const std::vector<std::int16_t> odd = GenesOf(engine.Current()[1]);
    for (int g = 1; g < 9; ++g) {
      EXPECT_EQ(even[g], even[0]);
      EXPECT_EQ(odd[g], odd[0]);
    }
    EXPECT_GE(std::abs(even[0]), 100);
    EXPECT_LE(std::abs(even[0]), 900);
    // trunc(x + 0.5) of x and -x differ from mirrors by at most one.
    EXPECT_LE(std::abs(even[0] + odd[0]), 1);
  }
}

TEST(WeightGenetic, FullCrossoverOfAnEvenPopulationBlendsEveryChild) {
  Random::Restart();
  WeightGenetic engine;
  ASSERT_TRUE(engine.Initialise(6, 40));
  std::set<std::vector<std::int16_t>> parents;
  for (int i = 0; i < 6; ++i) {
    engine.Current()[i].error = 0.05;
    parents.insert(GenesOf(engine.Current()[i]));
  }
  engine.Step(1.0, 0.0);
  for (int i = 0; i < 6; ++i) EXPECT_EQ(parents.count(GenesOf(engine.Current()[i])), 0u) << i;
}

TEST(WeightGenetic, OddPopulationCopiesTheLastChild) {
  Random::Restart();
  WeightGenetic engine;
  ASSERT_TRUE(engine.Initialise(5, 30));
  std::set<std::vector<std::int16_t>> parents;
  for (int i = 0; i < 5; ++i) {
    engine.Current()[i].error = 0.05;
    parents.insert(GenesOf(engine.Current()[i]));
  }
  engine.Step(1.0, 0.0);
  for (int i = 0; i < 4; ++i) EXPECT_EQ(parents.count(GenesOf(engine.Current()[i])), 0u) << i;
  EXPECT_EQ(parents.count(GenesOf(engine.Current()[4])), 1u);
}

TEST(WeightGenetic, MutationRedrawsGenesWithItsProbability) {
  struct Case {
    double pm;
    int minChanged, maxChanged;
  };
  const Case cases[] = {{0.0, 0, 0}, {1.0, 3900, 4000}, {0.1, 300, 500}};
  Random::Restart();
  for (const Case& c : cases) {
    WeightGenetic engine;
    ASSERT_TRUE(engine.Initialise(10, 400));
    for (int i = 0; i < 10; ++i) {
      std::fill_n(engine.Current()[i].genes, 400, 12345);
      engine.Current()[i].error = 0.1;
    }
    engine.Step(0.0, c.pm);
    int changed = 0;
    for (int i = 0; i < 10; ++i)
      changed += 400 - std::count(engine.Current()[i].genes, engine.Current()[i].genes + 400, 12345);
    EXPECT_GE(changed, c.minChanged) << c.pm;
    EXPECT_LE(changed, c.maxChanged) << c.pm;
  }
}

TEST(WeightGenetic, SelectionFavoursTheBest) {
  Random::Restart();
  WeightGenetic engine;
  ASSERT_TRUE(engine.Initialise(10, 3));
  for (int i = 0; i < 10; ++i) engine.Current()[i].error = i == 7 ? 0.0 : 0.5;
  const std::vector<std::int16_t> best = GenesOf(engine.Current()[7]);
  engine.Step(0.0, 0.0);
  int copies = 0;
  for (int i = 0; i < 10; ++i) copies += GenesOf(engine.Current()[i]) == best;
  // Expectation 3.1: three whole copies, and a fourth only by chance.
  EXPECT_GE(copies, 3);
  EXPECT_LE(copies, 4);
  EXPECT_EQ(engine.Generation(), 1);
}

}  // namespace
