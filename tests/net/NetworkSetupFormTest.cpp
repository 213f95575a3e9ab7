#include <gtest/gtest.h>

#include "net/KohonenSetup.h"
#include "net/NetworkDescription.h"
#include "net/NetworkSetupForm.h"
#include "net/ScalingRange.h"
#include "support/NetworkBuilders.h"

namespace {

TEST(NetworkSetupForm, FieldsFollowOneAnother) {
  NetworkSetupForm form(MakeSetup(3, 0, 4, 1, 0, 0, 0));
  form.fields.style = kOutputEqualsInput;
  form.Follow();
  EXPECT_EQ(form.fields.outputs, 3);
  EXPECT_FALSE(form.OutputsEnabled());
  form.fields.complex = 1;
  form.Follow();
  EXPECT_EQ(form.fields.hidden1, 1);
  EXPECT_EQ(form.fields.hidden2, 0);
  EXPECT_FALSE(form.Hidden2Enabled());
  EXPECT_EQ(form.Caption(), u"Layer Network 3:1S:3S - Complex  (Minimum no. of train. cases: 24)");
}

TEST(NetworkSetupForm, AcceptChecksInOrder) {
  struct Case {
    networkSetup fields;
    int field;
    std::u16string title, text;
  } cases[] = {
      {MakeSetup(0, 0, 0, 0, 0, 0, 0), NetworkSetupForm::kInputs, u"Layer network",
       u"The number of input must be greater than zero"},
      {MakeSetup(2, 0, 0, 0, 0, 0, 0), NetworkSetupForm::kOutputs, u"Layer network",
       u"The number of outputs must be greater than zero"},
      {MakeSetup(2, 0, 0, 1, 0, 0, 0, kGeneric, true), NetworkSetupForm::kHidden1, u"Complex layer network",
       u"There must be one hidden layer for complex neural networks"},
  };
  for (const Case& c : cases) {
    NetworkSetupForm form(MakeSetup(1, 0, 0, 1, 0, 0, 0));
    form.fields = c.fields;
    networkSetup stored = MakeSetup(9, 0, 0, 9, 0, 0, 0);
    const auto balloon = form.Accept(stored);
    ASSERT_TRUE(balloon.has_value());
    EXPECT_EQ(balloon->field, c.field);
    EXPECT_EQ(std::u16string(balloon->title), c.title);
    EXPECT_EQ(std::u16string(balloon->text), c.text);
    EXPECT_EQ(stored.inputs, 9);
  }
  NetworkSetupForm form(MakeSetup(2, 0, 5, 1, 0, 0, 0));
  networkSetup stored;
  EXPECT_FALSE(form.Accept(stored).has_value());
  EXPECT_EQ(stored.hidden2, 0);
}

TEST(NetworkDescription, ShortAndLongForms) {
  EXPECT_EQ(NetworkDescription::Short(1, MakeSetup(4, 0, 0, 2, 0, 0, 1)), u"4 : 2T");
  EXPECT_EQ(NetworkDescription::Short(2, MakeSetup(2, 3, 0, 1, 1, 0, 2)), u"2 : 3T : 1L");
  EXPECT_EQ(NetworkDescription::Short(3, MakeSetup(2, 3, 4, 1, 0, 1, 7)), u"2 : 3S : 4T : 1E");
  EXPECT_EQ(NetworkDescription::Short(4, MakeSetup(2, 3, 4, 1, 0, 1, 2)), u"0:0");
  EXPECT_EQ(NetworkDescription::Short(-1, MakeSetup(2, 3, 4, 1, 0, 1, 2)), u"");
  EXPECT_EQ(NetworkDescription::Long(MakeSetup(2, 0, 0, 1, 0, 0, 2)),
            u"Layer Network 2:1L - Real  (Minimum no. of train. cases: 9)");
  EXPECT_EQ(NetworkDescription::Long(MakeSetup(2, 3, 0, 1, 1, 0, 2, kGeneric, true)),
            u"Layer Network 2:3T:1L - Complex  (Minimum no. of train. cases: 54)");
  EXPECT_EQ(NetworkDescription::Long(MakeSetup(20, 60, 5, 1, 1, 0, 2)),
            u"Layer Network 20:60T:5S:1L  (Minimum no. of train. cases: 4,695)");
}

TEST(DialogChecks, KohonenAndScalingRange) {
  KohonenSetup kohonen;
  auto balloon = kohonen.Accept(3, 0);
  ASSERT_TRUE(balloon.has_value());
  EXPECT_EQ(balloon->field, KohonenSetup::kOutputs);
  EXPECT_EQ(std::u16string(balloon->title), u"Kohonen network");
  EXPECT_EQ(std::u16string(balloon->text), u"The number of outputs must be greater than zero");
  EXPECT_EQ(std::u16string(kohonen.Accept(0, 0)->text), u"The number of input must be greater than zero");
  EXPECT_EQ(kohonen.outputs, 0);
  EXPECT_FALSE(kohonen.Accept(3, 2).has_value());
  EXPECT_EQ(kohonen.outputs, 2);

  Scaler scaler;
  scaler.SetSize(3);
  balloon = ScalingRange::Accept(scaler, {0, 2}, 1, 5, 5);
  ASSERT_TRUE(balloon.has_value());
  EXPECT_EQ(balloon->field, ScalingRange::kMaximum);
  EXPECT_EQ(std::u16string(balloon->title), u"Tessarion");
  EXPECT_EQ(std::u16string(balloon->text), u"The maximum value must be greater than the minimum value");
  EXPECT_FALSE(ScalingRange::Accept(scaler, {0, 2}, 2, -1, 2.5).has_value());
  EXPECT_EQ(ScalingRange::TextsOf(scaler, 2).range, u"[-1      2.5]");
  EXPECT_EQ(ScalingRange::TextsOf(scaler, 1).method, u"No scaling");
  EXPECT_FALSE(ScalingRange::Accept(scaler, {2}, 0, 9, 1).has_value());
  EXPECT_EQ(scaler.GetEntry(2).max, 0.0);
}

}  // namespace
