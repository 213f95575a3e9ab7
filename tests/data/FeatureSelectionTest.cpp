#include <gtest/gtest.h>

#include "data/FeatureSelectionForm.h"
#include "data/FeatureSelectionResults.h"
#include "data/ReducedSet.h"
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
