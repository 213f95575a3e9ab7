#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numeric>
#include <vector>

#include "numerics/Random.h"
#include "search/MatingPool.h"

namespace {

double Sum(const std::vector<double>& v) { return std::accumulate(v.begin(), v.end(), 0.0); }

TEST(MatingPool, FitnessScalingGivesExpectationsSummingToN) {
  struct Case {
    std::vector<double> errors;
    double best;   // expectation of the lowest error
    double worst;  // expectation of the highest error
  };
  const Case cases[] = {
      // Linear scaling: the best gets 3.1 times the mean (fitness 1 and
      // three of 0.1).
      {{0.0, 0.1151292546497023, 0.1151292546497023, 0.1151292546497023}, 3.1, -1},
      // The worst would go negative: it is scaled to 0 instead.
      {{0.01, 0.02, 0.03, 0.04, 0.05}, -1, 0.0},
      {{0.0, 0.005268025782891316, 0.005268025782891316, 0.1151292546497023}, -1, 0.0},
      // Equal errors: no spread, every expectation 1.
      {{0.3, 0.3, 0.3}, 1.0, 1.0},
      // Fitness all 0 (errors too large for exp(-20 e)) or not a number:
      // nothing to prefer, every expectation 1.
      {{1e100, 1e100}, 1.0, 1.0},
      {{NAN, 1e100}, 1.0, 1.0},
  };
  for (const Case& c : cases) {
    std::vector<double> values = c.errors;
    MatingPool::ScaleFitness(values.data(), static_cast<std::int32_t>(values.size()));
    EXPECT_NEAR(Sum(values), static_cast<double>(values.size()), 1e-12);
    for (double v : values) EXPECT_GE(v, 0.0);
    const auto best = std::min_element(c.errors.begin(), c.errors.end()) - c.errors.begin();
    const auto worst = std::max_element(c.errors.begin(), c.errors.end()) - c.errors.begin();
    if (c.best >= 0) {
      EXPECT_NEAR(values[best], c.best, 1e-12) << c.errors[0];
    }
    if (c.worst >= 0) {
      EXPECT_NEAR(values[worst], c.worst, 1e-12) << c.errors[0];
    }
  }
  std::vector<double> oneBad = {0.1, NAN, 0.1};
  MatingPool::ScaleFitness(oneBad.data(), 3);
  EXPECT_EQ(oneBad[1], 0.0);
  EXPECT_NEAR(oneBad[0], 1.5, 1e-12);
}

TEST(MatingPool, EqualExpectationsPutEveryIndividualInOnce) {
  MatingPool pool;
  ASSERT_TRUE(pool.Resize(6));
  std::vector<double> expectations(6, 0.7);
  MatingPool::ScaleFitness(expectations.data(), 6);
  pool.Fill(expectations.data());
  for (int i = 0; i < 6; ++i) EXPECT_EQ(pool[i], i);
}

TEST(MatingPool, RemainderSamplingTakesWholeCopiesFirst) {
  Random::Restart();
  for (int trial = 0; trial < 50; ++trial) {
    MatingPool pool;
    ASSERT_TRUE(pool.Resize(4));
    std::vector<double> expectations = {2.5, 0.5, 0.0, 1.0};
    pool.Fill(expectations.data());
    EXPECT_EQ(pool[0], 0);
    EXPECT_EQ(pool[1], 0);
    EXPECT_EQ(pool[2], 3);
    EXPECT_TRUE(pool[3] == 0 || pool[3] == 1) << pool[3];
  }
}

struct Child {
  bool crossed;
  std::int32_t p1, p2;
  bool even;
};

std::vector<Child> BreedRecorded(MatingPool& pool, double pc) {
  std::vector<Child> children(pool.Size(), Child{false, -1, -1, false});
  pool.Breed(
      pc,
      [&](std::int32_t k, std::int32_t p1, std::int32_t p2, bool even) {
        children[k] = {true, p1, p2, even};
      },
      [&](std::int32_t k, std::int32_t parent) {
        children[k] = {false, parent, -1, k % 2 == 0};
      });
  return children;
}

// A pool holding each of 0 .. n - 1 once.
MatingPool PoolOf(int n) {
  MatingPool pool;
  pool.Resize(n);
  std::vector<double> expectations(n, 1.0);
  pool.Fill(expectations.data());
  return pool;
}

TEST(MatingPool, BreedingDrawsEachPoolEntryOnceAndCrossesTheFirstChildren) {
  struct Case {
    int n;
    double pc;
    int crossed;
  };
  const Case cases[] = {{6, 0.0, 0}, {6, 1.0, 6}, {6, 0.5, 3}, {7, 1.0, 6}, {1, 1.0, 0}, {5, 0.85, 4}};
  Random::Restart();
  for (const Case& c : cases) {
    MatingPool pool = PoolOf(c.n);
    const std::vector<Child> children = BreedRecorded(pool, c.pc);
    std::vector<int> drawn;
    int crossed = 0;
    for (int k = 0; k < c.n; ++k) {
      const Child& child = children[k];
      if (child.crossed) {
        ++crossed;
        EXPECT_EQ(child.even, k % 2 == 0);
      }
      if (k % 2 == 0) {
        drawn.push_back(child.p1);
        if (k + 1 < c.n) {
          const Child& sibling = children[k + 1];
          const int p2 = sibling.crossed ? sibling.p2 : sibling.p1;
          drawn.push_back(p2);
          if (sibling.crossed) {
            EXPECT_EQ(sibling.p1, child.p1);
          }
          if (child.crossed) {
            EXPECT_EQ(child.p2, p2);
          }
        }
      }
    }
    EXPECT_EQ(crossed, c.crossed) << c.n << " " << c.pc;
    std::sort(drawn.begin(), drawn.end());
    for (int i = 0; i < c.n; ++i) EXPECT_EQ(drawn[i], i) << c.n;
    // With an odd population the last child copies the one parent left.
    if (c.n % 2 == 1) {
      EXPECT_FALSE(children[c.n - 1].crossed);
    }
  }
}

}  // namespace
