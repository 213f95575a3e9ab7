#include <gtest/gtest.h>

#include <vector>

#include "data/LeaveOneOut.h"
#include "support/NetworkBuilders.h"

namespace {

// A two-class Linear classifier whose outputs are its two inputs.
void MakeSelector(LayerNet1& net) {
  ASSERT_TRUE(net.Create(MakeSetup(2, 0, 0, 2, 0, 0, 2, kClassifier), true));
  Vector w(6);
  w[0] = 1.0;
  w[4] = 1.0;
  net.SetWeights(w);
  net.SetMse(0.01);
}

Matrix FourRows() { return MakeMatrix({{1, -1, 1}, {-1, 1, 2}, {2, -2, 2}, {-1, -1, 0}}); }

TEST(LeaveOneOut, EveryRowIsLeftOutOnceInOrderAndTheSetComesBack) {
  LayerNet1 net;
  MakeSelector(net);
  Matrix set = FourRows();
  LeaveOneOut loocv;
  ASSERT_TRUE(loocv.Begin(set));
  int runs = 0;
  for (;;) {
    ++runs;
    const Matrix full = FourRows();
    ASSERT_EQ(set.Rows(), 3);
    for (int r = 0, out = 0; r < 4; ++r) {
      if (r == loocv.Row()) continue;
      for (int c = 0; c < 3; ++c) EXPECT_EQ(set[out][c], full[r][c]) << "fold " << loocv.Row();
      ++out;
    }
    if (loocv.Advance(net, set) == LeaveOneOut::Next::Finished) break;
  }
  EXPECT_EQ(runs, 4);
  EXPECT_FALSE(loocv.MemoryFailed());
  // Row 2 (class 2, recognised as 1) is the only error; the rejected class-0
  // row counts as right.
  EXPECT_EQ(loocv.Errors(), 1);
  EXPECT_EQ(loocv.ResultText(), u"Errors = 1 (25 %)");
  loocv.Finish(set);
  const Matrix full = FourRows();
  ASSERT_EQ(set.Rows(), 4);
  for (int r = 0; r < 4; ++r)
    for (int c = 0; c < 3; ++c) EXPECT_EQ(set[r][c], full[r][c]);
}

TEST(LeaveOneOut, AnUntrainedNetworkEndsTheSequenceCountingOverAllRows) {
  LayerNet1 net;
  MakeSelector(net);
  net.SetMse(1e100);
  Matrix set = FourRows();
  LeaveOneOut loocv;
  ASSERT_TRUE(loocv.Begin(set));
  EXPECT_EQ(loocv.Advance(net, set), LeaveOneOut::Next::Finished);
  EXPECT_EQ(loocv.Row(), 1);
  EXPECT_EQ(loocv.ResultText(), u"Errors = 0 (0 %)");
}

TEST(LeaveOneOut, CancelStopsAfterThePresentRun) {
  LayerNet1 net;
  MakeSelector(net);
  Matrix set = FourRows();
  LeaveOneOut loocv;
  ASSERT_TRUE(loocv.Begin(set));
  EXPECT_EQ(loocv.Advance(net, set), LeaveOneOut::Next::Train);
  loocv.Cancel();
  EXPECT_EQ(loocv.Advance(net, set), LeaveOneOut::Next::Finished);
  EXPECT_DOUBLE_EQ(loocv.Progress(), 50.0);
}

TEST(LeaveOneOut, RefusesWhatItCannotCrossValidate) {
  LayerNet1 generic;
  ASSERT_TRUE(generic.Create(MakeSetup(2, 0, 0, 1, 0, 0, 2), true));
  EXPECT_EQ(std::u16string(LeaveOneOut::Refusal(generic)),
            u"This type of network is not compatible with leave-one-out cross-validation");
  LayerNet2 complex;
  ASSERT_TRUE(complex.Create(MakeSetup(1, 1, 0, 2, 0, 0, 0, kClassifier, true), true));
  EXPECT_EQ(std::u16string(LeaveOneOut::Refusal(complex)),
            u"This version of Tessarion does not support leave-one-out cross-validation for "
            u"complex-domain neural networks.");
  LayerNet1 classifier;
  MakeSelector(classifier);
  EXPECT_EQ(LeaveOneOut::Refusal(classifier), nullptr);
}

}  // namespace
