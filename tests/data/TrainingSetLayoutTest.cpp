#include <gtest/gtest.h>

#include "data/TrainingSetInfo.h"
#include "data/TrainingSetLayout.h"
#include "numerics/Random.h"
#include "support/NetworkBuilders.h"

namespace {

std::u16string Text(Message m) { return m ? std::u16string(m) : u"(fits)"; }

TEST(TrainingSetLayout, ExpectedColumnsByStyleAndDomain) {
  struct Case {
    int style;
    bool complex;
    int with, without;
  } cases[] = {{kGeneric, false, 5, 3},           {kGeneric, true, 10, 6},
               {kClassifier, false, 4, 3},        {kClassifier, true, 7, 6},
               {kOutputEqualsInput, false, 3, 3}, {kOutputEqualsInput, true, 6, 6}};
  for (const Case& c : cases) {
    const networkSetup n =
        MakeSetup(3, 2, 0, c.style == kOutputEqualsInput ? 3 : 2, 0, 0, 0, c.style, c.complex);
    EXPECT_EQ(ExpectedColumns(n, true), c.with);
    EXPECT_EQ(ExpectedColumns(n, false), c.without);
  }
}

TEST(TrainingSetLayout, MinimumRowsAndRounding) {
  EXPECT_EQ(MinimumRows(2, 0, 0, 1, false), 9);
  EXPECT_EQ(MinimumRows(2, 3, 0, 1, false), 27);
  EXPECT_EQ(MinimumRows(2, 3, 0, 1, true), 54);
  EXPECT_EQ(MinimumRows(2, 3, 2, 1, true), 102);
  EXPECT_EQ(RoundTo(0.123456, 3), 0.123);
  EXPECT_EQ(RoundTo(-1.26, 1), -1.2);
  EXPECT_EQ(RoundTo(2.5, 0), 3.0);
  EXPECT_EQ(RoundTo(-2.5, 0), -2.0);
  EXPECT_EQ(RoundTo(5e9, 0), 5e9);
}

TEST(TrainingSetLayout, CheckNetworkFitsSetMessages) {
  struct Case {
    networkSetup network;
    int cols;
    std::u16string message;
  } cases[] = {
      {MakeSetup(2, 0, 0, 1, 0, 0, 0), 3, u"(fits)"},
      {MakeSetup(2, 0, 0, 1, 0, 0, 0), 4,
       u"The size of the (generic) network is not appropriate for the currente training set"},
      {MakeSetup(2, 3, 0, 1, 0, 0, 0, kGeneric, true), 6, u"(fits)"},
      {MakeSetup(2, 3, 0, 1, 0, 0, 0, kGeneric, true), 5,
       u"The size of the (generic) complex domain network is not appropriate for the currente training set"},
      {MakeSetup(2, 0, 0, 3, 0, 0, 0, kClassifier), 3, u"(fits)"},
      {MakeSetup(2, 0, 0, 3, 0, 0, 0, kClassifier), 5,
       u"The size of the (classifier) network is not appropriate for the currente training set"},
      {MakeSetup(2, 3, 0, 3, 0, 0, 0, kClassifier, true), 5, u"(fits)"},
      {MakeSetup(2, 3, 0, 3, 0, 0, 0, kClassifier, true), 4,
       u"The size of the (classifier) complex domain network is not appropriate for the currente training "
       u"set"},
      {MakeSetup(2, 0, 0, 2, 0, 0, 0, kOutputEqualsInput), 2, u"(fits)"},
      {MakeSetup(2, 0, 0, 2, 0, 0, 0, kOutputEqualsInput), 3,
       u"The size of the (autoassociative) network is not appropriate for the currente training set"},
      {MakeSetup(2, 3, 0, 2, 0, 0, 0, kOutputEqualsInput, true), 4, u"(fits)"},
      {MakeSetup(2, 3, 0, 2, 0, 0, 0, kOutputEqualsInput, true), 2,
       u"The size of (autoassociative) complex domain network is not appropriate for the currente training "
       u"set"},
  };
  for (const Case& c : cases) EXPECT_EQ(Text(CheckNetworkFitsSet(c.network, Matrix(4, c.cols))), c.message);
}

TEST(TrainingSetInfo, CaptionsExamplesAndOk) {
  using namespace TrainingSetInfo;
  EXPECT_EQ(ColumnsCaption(kGeneric, false, 3, 2), u"Cols: 3 + 2");
  EXPECT_EQ(ColumnsCaption(kGeneric, true, 3, 2), u"Cols: 6 + 4");
  EXPECT_EQ(ColumnsCaption(kClassifier, true, 3, 2), u"Cols: 6 + 1");
  EXPECT_EQ(ColumnsCaption(kOutputEqualsInput, false, 3, 3), u"Cols: 3 + 0");
  EXPECT_EQ(RowsCaption(27), u"Min Rows: 27");
  const std::u16string generic = Example(kGeneric, false, 2);
  EXPECT_EQ(generic.size(), 19 * std::u16string(u"in1, in2, in3, in4, ........, out1, out2,...\r\n").size());
  EXPECT_EQ(generic.substr(0, 46), u"in1, in2, in3, in4, ........, out1, out2,...\r\n");
  EXPECT_EQ(Example(kOutputEqualsInput, true, 2).substr(0, 62),
            u"Re[in/out1], Im[in/out1], Re[in/out2], Im[in/out2], ........\r\n");

  Random::Restart();
  const std::u16string classes = Example(kClassifier, false, 2);
  Random::Restart();
  std::u16string expected = u"in1, in2, in3, ........, class\r\n";
  for (int i = 0; i < 18; ++i)
    expected += u"in1, in2, in3, ........, " + std::u16string(1, u'0' + Random::RandomInt(0, 2)) + u"\r\n";
  EXPECT_EQ(classes, expected);
  EXPECT_EQ(Example(kClassifier, true, 1).substr(0, 53),
            u"Re[in1], Im[in1], Re[in2], Im[in2], ........, class\r\n");

  EXPECT_TRUE(Accepts(kGeneric, 1, 5));
  EXPECT_FALSE(Accepts(kGeneric, 0, 5));
  EXPECT_FALSE(Accepts(kClassifier, 2, 0));
  EXPECT_FALSE(Accepts(kOutputEqualsInput, 2, 3));
  EXPECT_TRUE(Accepts(kOutputEqualsInput, 3, 3));
}

}  // namespace
