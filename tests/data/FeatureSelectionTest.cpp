#include <gtest/gtest.h>

#include <algorithm>

#include "data/FeatureSelection.h"
#include "data/FeatureSelectionForm.h"
#include "data/FeatureSelectionResults.h"
#include "data/ReducedSet.h"
#include "numerics/Random.h"
#include "platform/Text.h"
#include "support/FaultEnv.h"
#include "support/NetworkBuilders.h"
#include "support/TempDir.h"

namespace {

TEST(FeatureSelection, FormProposesAPopulationFromTheSubsetCount) {
  const struct {
    int features, chosen, max, proposal;
  } cases[] = {{10, 3, 120, 12}, {20, 10, 4096, 409}, {4, 2, 6, 4}, {5, 4, 5, 4}};
  for (const auto& c : cases) {
    FeatureSelectionForm form(FeatureSelectionSettings{}, c.features, c.chosen);
    EXPECT_EQ(form.MaxPopulation(), c.max) << c.features << "/" << c.chosen;
    EXPECT_EQ(form.fields.population, c.proposal) << c.features << "/" << c.chosen;
  }
  FeatureSelectionSettings chosenBefore;
  chosenBefore.population = 30;
  EXPECT_EQ(FeatureSelectionForm(chosenBefore, 10, 3).fields.population, 30);
}

TEST(FeatureSelection, FormChecksInOrderAndStoresOnlyWhenAllPass) {
  FeatureSelectionSettings stored;
  FeatureSelectionForm form(stored, 10, 3);
  form.fields.crossover = 1.5;
  form.fields.mutation = -1.0;
  form.fields.generations = 0;
  form.fields.population = 121;
  const char16_t* expected[] = {u"The probability of crossover must be between 0 and 1",
                                u"The probability of mutation must be between 0 and 1",
                                u"The number of generations must be greater than 0",
                                u"The population size must be less than 120 and bigger than 0"};
  for (int step = 0; step < 4; ++step) {
    const auto balloon = form.Accept(stored);
    ASSERT_TRUE(balloon.has_value());
    EXPECT_EQ(std::u16string(balloon->text), expected[step]);
    EXPECT_EQ(std::u16string(balloon->title), step == 3 ? u"Feature Selection" : u"Tessarion");
    if (step == 0) form.fields.crossover = 0.5;
    if (step == 1) form.fields.mutation = 0.0;
    if (step == 2) form.fields.generations = 5;
    if (step == 3) form.fields.population = 120;
  }
  EXPECT_EQ(stored.population, 0);
  EXPECT_FALSE(form.Accept(stored).has_value());
  EXPECT_EQ(stored.population, 120);
  EXPECT_EQ(stored.generations, 5);
  EXPECT_EQ(stored.crossover, 0.5);
}

TEST(FeatureSelection, ReducedSetKeepsChosenColumnsInOrderThenTheTargets) {
  const Matrix wide = MakeMatrix(
      {{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 100, 101}, {10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 200, 201}});
  std::uint8_t bits[2] = {};
  for (int i : {9, 2, 5}) bits[i / 8] |= static_cast<std::uint8_t>(1 << (i % 8));
  Matrix set(2, 5);
  ASSERT_TRUE(BuildReducedSet(bits, wide, 10, 2, set));
  const double expected[2][5] = {{2, 5, 9, 100, 101}, {12, 15, 19, 200, 201}};
  for (int r = 0; r < 2; ++r)
    for (int c = 0; c < 5; ++c) EXPECT_EQ(set[r][c], expected[r][c]);
  Matrix wrongRows(1, 5);
  EXPECT_FALSE(BuildReducedSet(bits, wide, 10, 2, wrongRows));
}

TEST(FeatureSelection, ResultsTitleItemsAndFile) {
  std::uint8_t bits[2] = {0x21, 0x02};  // columns 0, 5 and 9
  const FeatureSelectionResults results(bits, 10, 0.0625);
  EXPECT_EQ(results.Title(), u"Feature Selection Results (MSE = 0.06250000000000)");
  ASSERT_EQ(results.Items().size(), 3u);
  EXPECT_EQ(results.Items()[2], u"10");
  TempDir dir;
  EXPECT_EQ(results.Save(dir.File("r.csv")), u"");
  EXPECT_EQ(TempDir::Read(dir.File("r.csv")), platform::Utf16LeBytes(u"1\r\n6\r\n10\r\n"));
  FaultEnv env;
  env.failCreateWith = u"Access is denied.";
  FaultEnv::Scoped scoped(env);
  EXPECT_EQ(results.Save(dir.File("r.csv")), u"Access is denied.");
}

}  // namespace

namespace {

// A wide generic set of 10 candidate columns (row 0 holds the column
// numbers, so a reduced set names its own columns) and 1 target.
Matrix WideSet() {
  Matrix wide(4, 11);
  for (int r = 0; r < 4; ++r)
    for (int c = 0; c < 11; ++c) wide[r][c] = r == 0 ? c : r * 10 + c;
  return wide;
}

// The stand-in for a training run: the error grows with the chosen
// columns' numbers, so {1, 2, 3} is the best subset.
double RunError(const Matrix& reduced) { return (reduced[0][0] + reduced[0][1] + reduced[0][2] + 3) / 100.0; }

TEST(FeatureSelection, SearchMakesOneRunPerIndividualOfEveryGenerationAndRestoresTheSet) {
  Random::Restart();
  LayerNet1 net;
  ASSERT_TRUE(net.Create(MakeSetup(3, 0, 0, 1, 0, 0, 2), true));
  Matrix set = WideSet();
  EXPECT_EQ(FeatureSelection::Refusal(net, set), nullptr);
  EXPECT_EQ(FeatureSelection::CandidateCount(net, set), 10);
  FeatureSelectionSettings settings;
  settings.population = 12;
  settings.generations = 2;
  FeatureSelection search;
  ASSERT_TRUE(search.Begin(net, set, settings));
  double lowest = 1e30;
  int runs = 0;
  for (;;) {
    ++runs;
    ASSERT_EQ(set.Cols(), 4);
    EXPECT_LT(set[0][0], set[0][1]);
    EXPECT_LT(set[0][1], set[0][2]);
    EXPECT_EQ(set[1][3], 20.0);  // the target follows unchanged
    const double error = RunError(set);
    lowest = std::min(lowest, error);
    net.SetMse(error);
    if (search.Advance(net, set) == FeatureSelection::Next::Finished) break;
  }
  EXPECT_EQ(runs, 36);
  EXPECT_EQ(search.Failure(), nullptr);
  search.Finish(set);
  const Matrix wide = WideSet();
  ASSERT_EQ(set.Cols(), 11);
  for (int r = 0; r < 4; ++r)
    for (int c = 0; c < 11; ++c) EXPECT_EQ(set[r][c], wide[r][c]);
  EXPECT_EQ(search.BestError(), lowest);
  const FeatureSelectionResults results(search.BestBits().data(), 10, search.BestError());
  ASSERT_EQ(results.Columns().size(), 3u);
  double fromBits = 0;
  for (int column : results.Columns()) fromBits += column;
  EXPECT_DOUBLE_EQ(fromBits / 100.0, lowest);
}

TEST(FeatureSelection, AnUntrainedRunEndsTheSearchWithWhatWasEvaluated) {
  LayerNet1 net;
  ASSERT_TRUE(net.Create(MakeSetup(3, 0, 0, 1, 0, 0, 2), true));
  Matrix set = WideSet();
  FeatureSelectionSettings settings;
  settings.population = 4;
  FeatureSelection search;
  ASSERT_TRUE(search.Begin(net, set, settings));
  net.SetMse(0.5);
  ASSERT_EQ(search.Advance(net, set), FeatureSelection::Next::Train);
  net.SetMse(1e100);
  EXPECT_EQ(search.Advance(net, set), FeatureSelection::Next::Finished);
  search.Finish(set);
  EXPECT_EQ(search.BestError(), 0.5);
  EXPECT_EQ(set.Cols(), 11);
}

TEST(FeatureSelection, Refusals) {
  Matrix set = WideSet();
  LayerNet1 autoassociative;
  ASSERT_TRUE(autoassociative.Create(MakeSetup(3, 0, 0, 3, 0, 0, 2, kOutputEqualsInput), true));
  EXPECT_EQ(std::u16string(FeatureSelection::Refusal(autoassociative, set)),
            u"This type of network is not compatible with feature selection");
  LayerNet1 tooWide;
  ASSERT_TRUE(tooWide.Create(MakeSetup(10, 0, 0, 1, 0, 0, 2), true));
  EXPECT_EQ(
      std::u16string(FeatureSelection::Refusal(tooWide, set)),
      u"The number of inputs in the network must be less than the number of inputs in the training set.");
  LayerNet2 complex;
  ASSERT_TRUE(complex.Create(MakeSetup(3, 1, 0, 1, 0, 0, 0, kGeneric, true), true));
  EXPECT_EQ(
      std::u16string(FeatureSelection::Refusal(complex, set)),
      u"This version of Tessarion does not support feature selection for complex-domain neural networks.");
}

}  // namespace
