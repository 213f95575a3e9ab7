#include <gtest/gtest.h>

#include "data/TrainingSetLoader.h"
#include "net/LayerNet2.h"
#include "support/NetworkBuilders.h"
#include "support/TempDir.h"

namespace {

std::u16string Text(Message m) { return m ? std::u16string(m) : u"(loaded)"; }

struct Outcome {
  std::u16string message;
  bool asked = false;
  bool featureSelection = false;
  Matrix set;
};

Outcome Load(const LayerNet1& net, const std::filesystem::path& file, bool answer, int digits = 0) {
  Outcome o;
  TrainingSetLoad options;
  options.inputs = net.Inputs();
  options.roundDigits = digits;
  options.isFeatureSelectionSet = [&] {
    o.asked = true;
    return answer;
  };
  o.message = Text(LoadTrainingSet(file, net, options, o.set, o.featureSelection));
  return o;
}

TEST(TrainingSetLoader, WidthDecidesBetweenScalingAskingAndRefusing) {
  TempDir dir;
  LayerNet1 net;
  ASSERT_TRUE(net.Create(MakeSetup(2, 0, 0, 1, 0, 0, 0), true));
  net.InputScaler().Set(0, 0, 10, 1);
  net.OutputScaler().Set(0, 0, 2, 2);

  Outcome exact = Load(net, dir.Write("3.csv", "5,7,2\n"), false);
  EXPECT_EQ(exact.message, u"(loaded)");
  EXPECT_FALSE(exact.asked);
  EXPECT_DOUBLE_EQ(exact.set[0][0], 0.5);
  EXPECT_EQ(exact.set[0][1], 7.0);
  EXPECT_DOUBLE_EQ(exact.set[0][2], 0.9);

  const auto wide = dir.Write("4.csv", "5,7,2,1\n");
  Outcome yes = Load(net, wide, true);
  EXPECT_TRUE(yes.asked);
  EXPECT_TRUE(yes.featureSelection);
  EXPECT_EQ(yes.set[0][0], 5.0);
  Outcome no = Load(net, wide, false);
  EXPECT_TRUE(no.asked);
  EXPECT_EQ(no.message, u"The number of columns in the training set is incorrect");
  EXPECT_EQ(no.set.Rows(), 0);

  Outcome narrow = Load(net, dir.Write("2.csv", "5,7\n"), true);
  EXPECT_FALSE(narrow.asked);
  EXPECT_EQ(narrow.message, u"The number of columns in the training set is incorrect");

  Outcome missing = Load(net, dir.File("none.csv"), true);
  EXPECT_NE(missing.message, u"(loaded)");
  EXPECT_EQ(missing.set.Rows(), 0);
}

TEST(TrainingSetLoader, ComplexSetsAreNeverAskedAndRoundingFollowsScaling) {
  TempDir dir;
  LayerNet2 complexClassifier;
  ASSERT_TRUE(complexClassifier.Create(MakeSetup(3, 2, 0, 2, 0, 0, 0, kClassifier, true), true));
  Outcome wide = Load(complexClassifier, dir.Write("8.csv", "1,2,3,4,5,6,7,8\n"), true);
  EXPECT_FALSE(wide.asked);
  EXPECT_EQ(wide.message, u"The number of columns in the training set is incorrect");

  LayerNet1 net;
  ASSERT_TRUE(net.Create(MakeSetup(1, 0, 0, 1, 0, 0, 2), true));
  net.InputScaler().Set(0, 0, 3, 1);
  Outcome rounded = Load(net, dir.Write("r.csv", "1,-1.26\n"), false, 1);
  EXPECT_EQ(rounded.set[0][0], 0.4);  // 0.8 / 3 + 0.1 = 0.3666..., rounded up
  EXPECT_EQ(rounded.set[0][1], -1.2);
}

}  // namespace
