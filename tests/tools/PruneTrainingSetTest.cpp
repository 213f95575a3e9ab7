#include <gtest/gtest.h>

#include "support/FaultEnv.h"
#include "support/TempDir.h"
#include "tools/PruneTrainingSet.h"

namespace {

TEST(PruneTrainingSet, InitialTicksFollowTheSelection) {
  EXPECT_EQ(PruneTrainingSet::InitialTicks(3, nullptr, 1), (std::vector<bool>{true, true, true}));
  const std::vector<bool> selection = {true, false, true, false};
  EXPECT_EQ(PruneTrainingSet::InitialTicks(5, &selection, 1),
            (std::vector<bool>{true, false, true, false, true}));
  const std::vector<bool> shortSelection = {false, true};
  EXPECT_EQ(PruneTrainingSet::InitialTicks(4, &shortSelection, 2),
            (std::vector<bool>{false, true, true, true}));
  EXPECT_TRUE(PruneTrainingSet::InitialTicks(0, &selection, 1).empty());
}

TEST(PruneTrainingSet, KeepsTickedColumnsInOrder) {
  TempDir dir;
  const auto source = dir.Write("in.csv", "1,2,3,4\r\n5,6,7,8\r\n");
  ASSERT_EQ(PruneTrainingSet::Prune(source, {true, false, true, true}, dir.File("out.csv")), u"");
  EXPECT_EQ(TempDir::Read(dir.File("out.csv")),
            "1.00000000000000, 3.00000000000000, 4.00000000000000\r\n"
            "5.00000000000000, 7.00000000000000, 8.00000000000000\r\n");
  ASSERT_EQ(PruneTrainingSet::Prune(source, {true, true, true, true}, dir.File("all.csv")), u"");
  Matrix all;
  ASSERT_EQ(all.LoadCsv(dir.File("all.csv")), nullptr);
  EXPECT_EQ(all.Cols(), 4);
  EXPECT_EQ(all[1][3], 8);
}

TEST(PruneTrainingSet, FailuresReportTheirMessages) {
  TempDir dir;
  const auto source = dir.Write("in.csv", "1,2\r\n");
  FaultEnv env;
  FaultEnv::Scoped scoped(env);
  env.failCreateWith = u"Access is denied.\r\n";
  EXPECT_EQ(PruneTrainingSet::Prune(source, {true, true}, dir.File("out.csv")), u"Access is denied.\r\n");
  env.failOpenWith = u"Path not found.\r\n";
  EXPECT_EQ(PruneTrainingSet::Prune(source, {true, true}, dir.File("out.csv")), u"Path not found.\r\n");
}

TEST(PruneTrainingSet, ColumnListAndPruneButton) {
  EXPECT_EQ(PruneTrainingSet::ColumnItems(3),
            (std::vector<std::u16string>{u"column 1", u"column 2", u"column 3"}));
  EXPECT_TRUE(PruneTrainingSet::ColumnItems(0).empty());
  EXPECT_TRUE(PruneTrainingSet::PruneEnabled(u"a.csv", 1));
  EXPECT_FALSE(PruneTrainingSet::PruneEnabled(u"a.cs", 1));
  EXPECT_FALSE(PruneTrainingSet::PruneEnabled(u"a.csv", 0));
}

}  // namespace
