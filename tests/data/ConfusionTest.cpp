#include <gtest/gtest.h>

#include "data/Confusion.h"
#include "data/ConfusionView.h"
#include "platform/Text.h"
#include "support/FaultEnv.h"
#include "support/NetworkBuilders.h"
#include "support/TempDir.h"

namespace {

// A two-class Linear classifier whose outputs are the row's two inputs, so
// each row picks its own outputs.
void MakeSelector(LayerNet1& net) {
  ASSERT_TRUE(net.Create(MakeSetup(2, 0, 0, 2, 0, 0, 2, kClassifier), true));
  Vector w(6);
  w[0] = 1.0;  // output 1 = input 1
  w[4] = 1.0;  // output 2 = input 2
  net.SetWeights(w);
}

TEST(Confusion, CountsEachCaseInItsCell) {
  LayerNet1 net;
  MakeSelector(net);
  const Matrix set = MakeMatrix({
      {1.0, -1.0, 1},   // class 1 recognised as 1
      {-1.0, 1.0, 2},   // class 2 recognised as 2
      {0.5, 0.5, 2},    // tie: the lower class wins, an error
      {-1.0, -2.0, 1},  // nothing above the threshold 0: rejected, an error
      {-1.0, -1.0, 0},  // class 0 rejected: (N, N), not an error
      {-1.0, 1.0, 0},   // class 0 recognised as class 2: an error
      {1.0, 0.0, 3},    // class outside 0..N: skipped
  });
  ASSERT_TRUE(ComputeConfusion(net, set));
  const Matrix& c = net.Confusion();
  const double expected[3][3] = {{1, 0, 1}, {1, 1, 0}, {0, 1, 1}};
  for (int a = 0; a < 3; ++a)
    for (int p = 0; p < 3; ++p) EXPECT_EQ(c[a][p], expected[a][p]) << a << "," << p;
  EXPECT_EQ(ConfusionErrors(c), 3);

  const ConfusionView view(c);
  EXPECT_EQ(view.Title(), u"Confusion matrix (No. errors = 3)");
  EXPECT_EQ(view.Header(0), u"class 1");
  EXPECT_EQ(view.Header(2), u"reject");
  EXPECT_EQ(view.CellText(0, 0), u"1");
  EXPECT_EQ(view.CellText(0, 2), u"1*");
  EXPECT_TRUE(view.CellIsError(2, 1));
  EXPECT_FALSE(view.CellIsError(2, 2));
  EXPECT_EQ(view.CellText(0, 1), u"0");
}

TEST(Confusion, RefusesWithoutTouchingTheMatrix) {
  LayerNet1 net;
  MakeSelector(net);
  ASSERT_TRUE(ComputeConfusion(net, MakeMatrix({{1.0, -1.0, 1}})));
  EXPECT_FALSE(ComputeConfusion(net, Matrix()));
  EXPECT_EQ(net.Confusion()[0][0], 1.0);

  LayerNet1 generic;
  ASSERT_TRUE(generic.Create(MakeSetup(2, 0, 0, 1, 0, 0, 2), true));
  EXPECT_FALSE(ComputeConfusion(generic, MakeMatrix({{1.0, 1.0, 1.0}})));
}

TEST(Confusion, ClassifyCaseUsesTheMeanOfAComplexOutput) {
  LayerNet2 net;
  ASSERT_TRUE(net.Create(MakeSetup(1, 1, 0, 1, 0, 0, 0, kClassifier, true), true));
  // Zero weights give (0.5, 0.5) for the only output: not below 0.5.
  EXPECT_EQ(ClassifyCase(net, MakeMatrix({{0.0, 0.0, 1.0}}), 0), 0);
}

Matrix PageMatrix() { return MakeMatrix({{5, 1, 0}, {0, 4, 2}, {3, 1, 7}}); }

std::string Utf16Le(const std::string& ascii) { return platform::Utf16LeBytes(platform::Utf8ToUtf16(ascii)); }

TEST(Confusion, PageIsWrittenByteForByte) {
  TempDir dir;
  const ConfusionPageResult saved = SaveConfusionPage(dir.File("c.htm"), PageMatrix(), u"4 : 2S");
  ASSERT_TRUE(saved.written);
  EXPECT_EQ(saved.message, nullptr);
  const std::string head = "<td style=\"background-color:#66CCFF;text-align:center\">";
  const std::string white = "<td style=\" background-color:white;text-align:center\">";
  const std::string red = "<td style=\" background-color:white;text-align:center;color:red\">";
  const std::string expected =
      "<!DOCTYPE html PUBLIC \"-//W3C//DTD XHTML 1.0 Transitional//EN\" "
      "\"http://www.w3.org/TR/xhtml1/DTD/xhtml1-transitional.dtd\">\r\n"
      "<html xmlns=\"http://www.w3.org/1999/xhtml\">\r\n"
      "<head>\r\n<meta http-equiv=\"Content-Type\" content=\"text/html; charset=utf-8\" />\r\n"
      "<title>4 : 2S</title>\r\n</head>\r\n<body style=\"padding:10px;font-size:10pt\">"
      "<h3>Tessarion 3.1 - Confusion Matrix</h3>"
      "<table style=\"background-color:gray\" cellpadding=\"3\" cellspacing=\"1\">"
      "<tr>" +
      head + "</td>\r\n" + head + "class 1</td>\r\n" + head + "class 2</td>\r\n" + head +
      "Reject</td></tr>\r\n"
      "<tr>" +
      head + "class 1</td>\r\n" + white + "5</td>\r\n" + red + "1*</td>\r\n" + white +
      "0</td>\r\n</tr>\r\n"
      "<tr>" +
      head + "class 2</td>\r\n" + white + "0</td>\r\n" + white + "4</td>\r\n" + red +
      "2*</td>\r\n</tr>\r\n"
      "</table>\r\n<br>Number of errors: 3</body>\r\n</html>";
  EXPECT_EQ(TempDir::Read(dir.File("c.htm")), Utf16Le(expected));
}

TEST(Confusion, PageReportsTheFirstPieceThatFailed) {
  TempDir dir;
  const char16_t* messages[] = {u"Error writting file header", u"Error writting file title",
                                u"Error writting file body", u"Error writting table end",
                                u"Error writting file end"};
  // A write budget that ends one byte into each piece of a good page.
  ASSERT_TRUE(SaveConfusionPage(dir.File("ok.htm"), PageMatrix(), u"4 : 2S").written);
  const std::string page = TempDir::Read(dir.File("ok.htm"));
  const auto offset = [&](const std::string& ascii) { return page.find(Utf16Le(ascii)); };
  const std::uint64_t starts[] = {0, offset("4 : 2S"), offset("</title>"), offset("</table>"),
                                  offset("<br>")};
  for (int i = 0; i < 5; ++i) {
    FaultEnv env;
    env.writeBudget = starts[i] + 1;
    FaultEnv::Scoped scoped(env);
    const ConfusionPageResult saved = SaveConfusionPage(dir.File("bad.htm"), PageMatrix(), u"4 : 2S");
    EXPECT_FALSE(saved.written);
    EXPECT_EQ(std::u16string(saved.message), messages[i]);
  }
  FaultEnv env;
  env.failCreateWith = u"denied";
  FaultEnv::Scoped scoped(env);
  const ConfusionPageResult saved = SaveConfusionPage(dir.File("no.htm"), PageMatrix(), u"x");
  EXPECT_FALSE(saved.written);
  EXPECT_EQ(saved.message, nullptr);
}

}  // namespace
