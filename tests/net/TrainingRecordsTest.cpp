#include <gtest/gtest.h>

#include <thread>

#include "net/TrainingProgress.h"
#include "net/TrainingSetup.h"

TEST(TrainingRecords, MessageIsTakenOnceAndReplacedWhenUnread) {
  trainingProgress progress;
  EXPECT_TRUE(progress.SetMessage(u"first"));
  EXPECT_TRUE(progress.SetMessage(u"second"));
  EXPECT_EQ(progress.TakeMessage(), u"second");
  EXPECT_EQ(progress.TakeMessage(), u"");
}

TEST(TrainingRecords, ResetRestoresTheStartingValues) {
  trainingProgress progress;
  progress.initializationCycle.Set(4);
  progress.trainingCycle.Set(2);
  progress.mse.Set(0.25);
  progress.phase.Set(kPhaseOptimisation);
  progress.initializationMse.Set(0.5);
  progress.epoch.Set(77);
  progress.optimizationMse.Set(0.125);
  progress.SetMessage(u"left over");
  progress.AppendHistory(0.5);
  progress.Reset(15.0);
  EXPECT_EQ(progress.initializationCycle.Get(), 0);
  EXPECT_EQ(progress.trainingCycle.Get(), 0);
  EXPECT_EQ(progress.mse.Get(), 1.0);
  EXPECT_EQ(progress.phase.Get(), kPhaseIdle);
  EXPECT_EQ(progress.initializationValue.Get(), 15.0);
  EXPECT_EQ(progress.initializationMse.Get(), 1.0);
  EXPECT_EQ(progress.epoch.Get(), 0);
  EXPECT_EQ(progress.optimizationMse.Get(), 1.0);
  EXPECT_EQ(progress.TakeMessage(), u"");
  EXPECT_TRUE(progress.History().empty());
}

TEST(TrainingRecords, ConcurrentWritersAndReadersSeeWholeValues) {
  trainingProgress progress;
  std::thread writer([&] {
    for (int i = 0; i < 20000; ++i) {
      progress.epoch.Set(i);
      progress.AppendHistory(i);
    }
  });
  int last = 0;
  for (int i = 0; i < 20000; ++i) {
    int seen = progress.epoch.Get();
    EXPECT_GE(seen, last);
    last = seen;
  }
  writer.join();
  EXPECT_EQ(progress.History().size(), 20000u);
}

TEST(TrainingRecords, SetupDefaultsAndWholeCopy) {
  trainingSetup setup;
  EXPECT_EQ(setup.initializationMethod, kAnnealRegress);
  EXPECT_EQ(setup.goal, 1e-5);
  EXPECT_EQ(setup.epochs, 8192);
  EXPECT_EQ(setup.initializationAttempts, 10);
  EXPECT_EQ(setup.cycles, 1);
  EXPECT_EQ(setup.annealing.temperatures, 25);
  EXPECT_EQ(setup.annealing.endTemperature, 0.015);
  EXPECT_EQ(setup.genetic.mutation, 1e-4);
  EXPECT_EQ(setup.optimizationMethod, kConjugateGradient);
  setup.spareValue = 7.0;
  setup.genetic.spare4 = 3.0;
  trainingSetup copy = setup;
  EXPECT_EQ(copy.spareValue, 7.0);
  EXPECT_EQ(copy.genetic.spare4, 3.0);
}
