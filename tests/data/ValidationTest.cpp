#include <gtest/gtest.h>

#include "data/Validation.h"
#include "data/ValidationView.h"
#include "net/LayerNet2.h"
#include "support/NetworkBuilders.h"
#include "support/TempDir.h"

namespace {

// A one-input, one-output Linear network computing 2x + 1.
void MakeLine(LayerNet1& net) {
  ASSERT_TRUE(net.Create(MakeSetup(1, 0, 0, 1, 0, 0, 2), true));
  Vector w(2);
  w[0] = 2.0;
  w[1] = 1.0;
  net.SetWeights(w);
}

TEST(Validation, ExactNetworkGivesZeroErrorsEverywhere) {
  LayerNet1 net;
  MakeLine(net);
  const Matrix set = MakeMatrix({{0, 1}, {1, 3}, {-2, -3}});
  ValidationResult result;
  ASSERT_TRUE(Validate(net, set, result));
  EXPECT_EQ(result.mse, 0.0);
  ASSERT_EQ(result.caseError.Length(), 3);
  ASSERT_EQ(result.outputError.Length(), 1);
  for (int r = 0; r < 3; ++r) EXPECT_EQ(result.caseError[r], 0.0);
  EXPECT_EQ(result.outputError[0], 0.0);
  EXPECT_EQ(result.domainError[0], 0.0);
}

TEST(Validation, TanhOutputQuartersTheErrorsButNotTheDomainError) {
  LayerNet1 net;
  ASSERT_TRUE(net.Create(MakeSetup(1, 0, 0, 1, 0, 0, 1), true));
  ASSERT_TRUE(net.OutputScaler().Set(0, 0.0, 1.8, 2));  // error factor 1.8 / 1.8 = 1
  const Matrix set = MakeMatrix({{0.3, 0.2}});          // zero weights: output tanh(0) = 0
  ValidationResult result;
  ASSERT_TRUE(Validate(net, set, result));
  EXPECT_DOUBLE_EQ(result.mse, 0.01);
  EXPECT_DOUBLE_EQ(result.caseError[0], 0.01);
  EXPECT_DOUBLE_EQ(result.outputError[0], 0.01);
  EXPECT_DOUBLE_EQ(result.domainError[0], 0.2);
}

TEST(Validation, ClassifierTargetsFollowTheClassColumn) {
  LayerNet1 net;
  ASSERT_TRUE(net.Create(MakeSetup(1, 0, 0, 2, 0, 0, 0, kClassifier), true));
  // Zero weights: both Logsig outputs are 0.5.
  const Matrix set = MakeMatrix({{1.0, 0.0}, {1.0, 2.0}});
  ValidationResult result;
  ASSERT_TRUE(Validate(net, set, result));
  // Class 0 expects "off" (0.1) everywhere; class 2 expects (0.1, 0.9).
  EXPECT_DOUBLE_EQ(result.caseError[0], 0.16);
  EXPECT_DOUBLE_EQ(result.caseError[1], 0.16);
  EXPECT_DOUBLE_EQ(result.outputError[0], 0.16);
  EXPECT_DOUBLE_EQ(result.outputError[1], 0.16);
  EXPECT_DOUBLE_EQ(result.mse, 0.16);
}

TEST(Validation, ComplexClassifierAddsBothPartsAndCountsThemAsOutputValues) {
  LayerNet2 net;
  ASSERT_TRUE(net.Create(MakeSetup(1, 1, 0, 1, 0, 0, 0, kClassifier, true), true));
  const Matrix set = MakeMatrix({{0.0, 0.0, 1.0}});  // outputs (0.5, 0.5), target 0.9
  ValidationResult result;
  ASSERT_TRUE(Validate(net, set, result));
  ASSERT_EQ(result.outputError.Length(), 2);
  EXPECT_DOUBLE_EQ(result.outputError[0], 0.32);
  EXPECT_EQ(result.outputError[1], 0.0);
  EXPECT_DOUBLE_EQ(result.mse, 0.16);
}

TEST(Validation, LoadChecksWidthAndScalesByExtension) {
  TempDir dir;
  LayerNet1 net;
  MakeLine(net);
  ASSERT_TRUE(net.InputScaler().Set(0, 0.0, 10.0, 1));
  Matrix set;
  EXPECT_EQ(LoadValidationSet(dir.Write("v.CSV", "5,11\n10,21\n"), net, set), u"");
  ASSERT_EQ(set.Rows(), 2);
  EXPECT_DOUBLE_EQ(set[0][0], 0.5);
  EXPECT_EQ(set[0][1], 11.0);

  const double raw[4] = {5.0, 11.0, 0.0, 1.0};
  EXPECT_EQ(
      LoadValidationSet(dir.Write("v.dat", std::string(reinterpret_cast<const char*>(raw), 32)), net, set),
      u"");
  EXPECT_EQ(set.Rows(), 2);

  for (const auto& [name, text] : {std::pair{"wide.csv", "1,2,3\n"}, std::pair{"v.txt", "1,2\n"}}) {
    EXPECT_EQ(LoadValidationSet(dir.Write(name, text), net, set),
              u"The number of columns in the data set is invalid")
        << name;
    EXPECT_EQ(set.Rows(), 0);
  }
  EXPECT_NE(LoadValidationSet(dir.File("missing.csv"), net, set), u"");
}

TEST(Validation, WindowTexts) {
  ValidationResult result;
  result.mse = 0.0125;
  result.domainError.Resize(2);
  result.domainError[0] = 0.5;
  result.domainError[1] = 2.0;
  const ValidationView view(result);
  EXPECT_EQ(view.Title(), u"Validate Set - mse = 0.0125");
  EXPECT_EQ(std::u16string(view.Plot(0).tab), u"Training Case - mse");
  EXPECT_EQ(view.Plot(1).series, &result.outputError);
  EXPECT_EQ(std::u16string(view.Plot(2).heading), u"Output Data Domain Error (includes output scaling)");
  EXPECT_DOUBLE_EQ(view.DomainMinimum(), 0.1);
  EXPECT_DOUBLE_EQ(view.DomainMaximum(), 2.4);
  EXPECT_EQ(ValidationView::ActivationTitle(1), u"Validate Set - training case = 1");
}

}  // namespace
