#include <gtest/gtest.h>

#include <set>

#include "app/CommandStates.h"
#include "app/CommandTable.h"
#include "net/NetworkSetup.h"

namespace {

TEST(CommandTable, EveryToolbarButtonHasAnEntryWithATooltip) {
  std::set<std::int32_t> ids;
  for (const CommandEntry& entry : CommandTable::All()) EXPECT_TRUE(ids.insert(entry.id).second) << entry.id;
  EXPECT_EQ(CommandTable::Toolbar().size(), 31u);
  for (std::int32_t id : CommandTable::Toolbar()) {
    const CommandEntry* entry = CommandTable::Find(id);
    ASSERT_NE(entry, nullptr) << id;
    ASSERT_NE(entry->tooltip, nullptr) << id;
    EXPECT_LE(std::u16string(entry->tooltip).size(), 79u);
  }
  EXPECT_EQ(std::u16string(CommandTable::Find(kCmdLoadTrainingSet)->menuText), u"L&oad Trainins Set");
  EXPECT_EQ(std::u16string(CommandTable::Find(kCmdKohonenSetup)->tooltip), u"Kohonen Network Setup");
  EXPECT_EQ(CommandTable::Find(4711), nullptr);
}

// The state of the rule-governed commands, in this order.
const std::int32_t kRuled[] = {kCmdSaveNetwork,
                               kCmdLoadTrainingSet,
                               kCmdDeleteNetwork,
                               kCmdOutputWeights,
                               kCmdHidden1Weights,
                               kCmdHidden2Weights,
                               kCmdStart,
                               kCmdTrainingSetup,
                               kCmdValidate,
                               kCmdFileSimulation,
                               kCmdConfusionView,
                               kCmdFileClassification,
                               kCmdComputeConfusion,
                               kCmdLoocv,
                               kCmdInputScaling,
                               kCmdOutputScaling,
                               kCmdFeatureSelection,
                               kCmdShowTrainingSet,
                               kCmdDeleteTrainingSet};

std::string States(const CommandStates& states) {
  std::string text;
  for (std::int32_t id : kRuled) text += states.IsEnabled(id) ? '1' : '0';
  return text;
}

TEST(CommandStates, RulesByKindStyleAndRows) {
  struct Case {
    int kind;
    std::int32_t style;
    std::int32_t rows;
    const char* expected;
  } cases[] = {
      // save load del out h1 h2 start setup valid sim conf cls cconf loo in out fs show delset
      {-1, kGeneric, 0, "0000000000000000000"},   {-1, kGeneric, 5, "0000000100000000011"},
      {1, kGeneric, 0, "1111000011000011000"},    {1, kGeneric, 3, "1111001111000011111"},
      {2, kClassifier, 3, "1111101110111110111"}, {2, kClassifier, 0, "1111100010111010000"},
      {3, kClassifier, 3, "1111111111111110111"}, {3, kOutputEqualsInput, 3, "1111111111000010011"},
      {4, kGeneric, 0, "1111000000000000000"},    {4, kGeneric, 2, "1111001100000000011"},
  };
  for (const Case& c : cases) {
    CommandStates states;
    states.ApplyRules(c.kind, c.style, c.rows);
    EXPECT_EQ(States(states), c.expected) << "kind " << c.kind << " style " << c.style << " rows " << c.rows;
  }
}

TEST(CommandStates, BusyLeavesOnlyStopAndRulesWaitUntilTheRunEnds) {
  CommandStates states;
  EXPECT_FALSE(states.IsEnabled(kCmdStop));
  EXPECT_FALSE(states.IsEnabled(kCmdKohonenSetup));
  EXPECT_TRUE(states.IsEnabled(kCmdExit));
  states.ApplyRules(2, kGeneric, 10);
  states.EnterBusy();
  for (const CommandEntry& entry : CommandTable::All())
    EXPECT_EQ(states.IsEnabled(entry.id), entry.id == kCmdStop) << entry.id;
  states.ApplyRules(2, kGeneric, 10);
  EXPECT_FALSE(states.IsEnabled(kCmdStart));
  states.LeaveBusy();
  states.ApplyRules(2, kGeneric, 10);
  EXPECT_TRUE(states.IsEnabled(kCmdExit));
  EXPECT_TRUE(states.IsEnabled(kCmdStart));
  EXPECT_FALSE(states.IsEnabled(kCmdStop));
  EXPECT_FALSE(states.IsEnabled(kCmdKohonenSetup));
}

TEST(CommandStates, PublishReportsOnlyChanges) {
  CommandStates states;
  int reported = 0;
  states.Publish([&](std::int32_t, bool) { ++reported; });
  EXPECT_EQ(reported, static_cast<int>(CommandTable::All().size()));
  std::vector<std::int32_t> changed;
  states.ApplyRules(-1, kGeneric, 0);
  states.Publish([&](std::int32_t id, bool) { changed.push_back(id); });
  states.Publish([&](std::int32_t id, bool) { changed.push_back(id); });
  EXPECT_EQ(changed.size(), 19u);
}

}  // namespace
