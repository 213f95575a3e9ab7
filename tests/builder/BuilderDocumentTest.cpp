#include <gtest/gtest.h>

#include <cstring>

#include "builder/BuilderCopy.h"
#include "builder/BuilderDocument.h"
#include "builder/BuilderPrintout.h"
#include "builder/EquationText.h"
#include "numerics/Random.h"
#include "support/FaultEnv.h"
#include "support/TempDir.h"

namespace {

Equation Make(std::int32_t kind, std::int32_t a, std::int32_t op1, std::int32_t b, std::int32_t op2 = 0,
              std::int32_t c = 0, std::int32_t op3 = 0, std::int32_t d = 0) {
  Equation e;
  e.kind = kind;
  e.operandA = a;
  e.operator1 = op1;
  e.operandB = b;
  e.operator2 = op2;
  e.operandC = c;
  e.operator3 = op3;
  e.operandD = d;
  return e;
}

void SetVariable(BuilderDocument& doc, int row, Equation e) {
  const std::u16string name(doc.Names().Variable(row).name);
  e.SetName(name.c_str());
  doc.Names().Variable(row) = e;
}

void SetColumn(BuilderDocument& doc, int index, Equation e) {
  const std::u16string name(doc.DataSet()[index].name);
  e.SetName(name.c_str());
  doc.DataSet()[index] = e;
}

std::u16string Text(const BuilderDocument& doc, const Equation& e) {
  return FormatEquation(doc.Names(), e, false);
}

std::string Bytes(const std::u16string& text) {
  std::string out;
  for (char16_t c : text) {
    out += static_cast<char>(c & 0xFF);
    out += static_cast<char>(c >> 8);
  }
  return out;
}

std::string Header(std::int32_t major, std::int32_t minor, const std::u16string& magic, std::int32_t rows,
                   std::int32_t cols, std::int32_t count, std::int32_t type) {
  auto i32 = [](std::int32_t v) {
    std::string s(4, '\0');
    for (int i = 0; i < 4; ++i) s[i] = static_cast<char>(static_cast<std::uint32_t>(v) >> (8 * i));
    return s;
  };
  std::string magicBytes = Bytes(magic);
  magicBytes.resize(64, '\0');
  return i32(92) + i32(major) + i32(minor) + magicBytes + i32(rows) + i32(cols) + i32(count) + i32(type);
}

TEST(BuilderDocument, NewDocumentHasItsDefaults) {
  BuilderDocument doc;
  EXPECT_EQ(doc.Rows(), 32);
  EXPECT_EQ(doc.Cols(), 2);
  EXPECT_EQ(doc.GetBuildType(), BuilderDocument::kByColumn);
  ASSERT_EQ(doc.DataSet().size(), 2u);
  EXPECT_EQ(Text(doc, doc.DataSet()[1]), u"col2 = 0;");
  EXPECT_EQ(doc.DataSet()[0].operandA, 29);
  EXPECT_EQ(Text(doc, doc.Names().Variable(89)), u"x90 = 0;");
  EXPECT_EQ(doc.Names()[NameTable::kRows].value, 32);
  EXPECT_EQ(doc.Names()[NameTable::kColsMinus1].value, 1);
  EXPECT_EQ(doc.DisplayFileName(), u"Untitled.Tsn");
  EXPECT_EQ(doc.Reset(2, 3, 3), u"Unknown build type");
  EXPECT_EQ(doc.Reset(BuilderDocument::kByCell, 5, 7), u"");
  ASSERT_EQ(doc.DataSet().size(), 1u);
  EXPECT_EQ(std::u16string(doc.DataSet()[0].name), u"cell");
  EXPECT_EQ(doc.DataSet()[0].operandD, 29);
  EXPECT_EQ(doc.DataSet()[0].operandA, 0);
}

TEST(BuilderDocument, SavedNewDocumentIs7452BytesAndReadsBackEqual) {
  TempDir dir;
  BuilderDocument doc;
  SetVariable(doc, 4, Make(kPairOfPairs, 23, 2, 0, 0, 24, 5, 5));
  doc.Names().Variable(4).value = -2.5;
  ASSERT_EQ(doc.Save(dir.File("a.tsn")), u"");
  const std::string bytes = TempDir::Read(dir.File("a.tsn"));
  ASSERT_EQ(bytes.size(), 7452u);
  EXPECT_EQ(bytes.substr(0, 12), std::string("\x5c\0\0\0\3\0\0\0\1\0\0\0", 12));
  EXPECT_EQ(bytes.substr(12, 64), Header(3, 1, BuilderDocument::kMagic, 0, 0, 0, 0).substr(12, 64));
  EXPECT_EQ(bytes.substr(76, 16), std::string("\x20\0\0\0\2\0\0\0\x5a\0\0\0\0\0\0\0", 16));
  // The first variable record: kind 0, "x01", value 0, operands 3.
  EXPECT_EQ(bytes.substr(92, 10), std::string("\0\0\0\0x\0\x30\0\x31\0", 10));
  EXPECT_EQ(bytes.substr(92 + 52, 16), std::string("\3\0\0\0\3\0\0\0\3\0\0\0\3\0\0\0", 16));

  BuilderDocument back;
  back.Reset(BuilderDocument::kByCell, 1, 1);
  ASSERT_EQ(back.Load(dir.File("a.tsn")), u"");
  EXPECT_EQ(back.Rows(), 32);
  EXPECT_EQ(back.Cols(), 2);
  for (std::int32_t i = 0; i < NameTable::kSize; ++i) EXPECT_EQ(back.Names()[i], doc.Names()[i]) << i;
  EXPECT_EQ(back.DataSet(), doc.DataSet());

  BuilderDocument cell;
  cell.Reset(BuilderDocument::kByCell, 10, 300);
  ASSERT_EQ(cell.Save(dir.File("c.tsn")), u"");
  EXPECT_EQ(TempDir::Read(dir.File("c.tsn")).size(), 92u + 90 * 80 + 80);
}

TEST(BuilderDocument, LoadRefusesBadFilesAndKeepsTheDocument) {
  TempDir dir;
  BuilderDocument good;
  good.Reset(BuilderDocument::kByColumn, 7, 3);
  ASSERT_EQ(good.Save(dir.File("good.tsn")), u"");
  const std::string body = TempDir::Read(dir.File("good.tsn")).substr(92);
  const std::u16string magic = BuilderDocument::kMagic;
  struct Case {
    std::string bytes;
    std::u16string message;
  } cases[] = {
      {"short", u"Unable to read file header"},
      {Header(3, 0, magic, 7, 3, 90, 0) + body, u"Tessarion 3.1 does not open version 3.0 files"},
      {Header(2, 7, magic, 7, 3, 90, 0) + body, u"Tessarion 3.1 does not open version 2.7 files"},
      {Header(3, 1, u"Tessarion File", 7, 3, 90, 0) + body, u"This is not a Tessarion file"},
      {Header(3, 1, u"traning Set Builder File", 7, 3, 90, 0) + body, u"This is not a Tessarion file"},
      {Header(3, 1, magic, 7, 3, 90, 2) + body, u"Unknown build type"},
      {Header(3, 1, magic, 7, 3, 91, 0) + body,
       u"The file holds 91 variable equations; a builder document holds 0 to 90"},
      {Header(3, 1, magic, 7, 3, -1, 0) + body,
       u"The file holds -1 variable equations; a builder document holds 0 to 90"},
      {Header(3, 1, magic, 0, 3, 90, 0) + body, u"The number of rows and columns must be at least 1"},
      {Header(3, 1, magic, 7, 3, 90, 0) + body.substr(0, 7199), u"Unable to read variable equations"},
      {Header(3, 1, magic, 7, 3, 90, 0) + body.substr(0, 7200 + 239), u"Unable to read data set equations"},
      {Header(3, 1, magic, 7, 2147483647, 90, 0) + body, u"Unable to read data set equations"},
  };
  for (const Case& c : cases) {
    const auto path = dir.Write("bad.tsn", c.bytes);
    BuilderDocument doc;
    SetVariable(doc, 0, Make(kAssignment, 2, 0, 0));
    const Equation before = doc.Names().Variable(0);
    EXPECT_EQ(doc.Load(path), c.message);
    EXPECT_EQ(doc.Names().Variable(0), before) << "document changed";
    EXPECT_EQ(doc.Rows(), 32);
  }
  // Fewer than 90 variables: the rest stay fresh.
  BuilderDocument doc;
  ASSERT_EQ(doc.Load(dir.Write("few.tsn",
                               Header(3, 1, magic, 7, 3, 2, 0) + body.substr(0, 160) + body.substr(7200))),
            u"");
  EXPECT_EQ(doc.Cols(), 3);
  EXPECT_EQ(std::u16string(doc.Names().Variable(2).name), u"x03");
}

TEST(BuilderDocument, SaveAndLoadReportFileFailures) {
  TempDir dir;
  BuilderDocument doc;
  FaultEnv env;
  {
    FaultEnv::Scoped scoped(env);
    env.failCreateWith = u"Access is denied.";
    EXPECT_EQ(doc.Save(dir.File("x.tsn")), u"Access is denied.");
    env.failCreateWith.clear();
    const std::pair<std::uint64_t, std::u16string> writes[] = {
        {91, u"Unable to write file header"},
        {92 + 7199, u"Unable to write variable equations"},
        {7452 - 1, u"Unable to write data set equations"},
    };
    for (const auto& [budget, message] : writes) {
      env.writeBudget = budget;
      EXPECT_EQ(doc.Save(dir.File("x.tsn")), message);
    }
    env.writeBudget = FaultEnv::kUnlimited;
    env.failOpenWith = u"The system cannot find the file specified.";
    EXPECT_EQ(doc.Load(dir.File("x.tsn")), u"The system cannot find the file specified.");
  }
  EXPECT_EQ(doc.Load(dir.File("missing.tsn")).empty(), false);
}

TEST(BuilderDocument, ProbeTellsBuilderDocumentsFromOtherFiles) {
  TempDir dir;
  BuilderDocument doc;
  ASSERT_EQ(doc.Save(dir.File("b.tsn")), u"");
  char16_t buffer[64];
  EXPECT_EQ(BuilderDocument::Probe(dir.File("b.tsn"), buffer, 64), 1);
  EXPECT_EQ(
      BuilderDocument::Probe(dir.Write("n.tsn", Header(3, 1, u"Tessarion File", 1, 1, 1, 1)), buffer, 64), 2);
  struct Case {
    std::string bytes;
    std::u16string message;
  } cases[] = {
      {"ab", u"Unable to read header size"},
      {std::string(6, '\0'), u"Unable to read mayor version"},
      {std::string("\0\0\0\0\3\0\0\0\1\0", 10), u"Unable to read minor version"},
      {Header(3, 0, u"x", 0, 0, 0, 0), u"Tessarion 3.1 does not open version 3.0 files"},
      {Header(3, 1, u"x", 0, 0, 0, 0).substr(0, 70), u"Unable to header info"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(BuilderDocument::Probe(dir.Write("p.tsn", c.bytes), buffer, 64), 0);
    EXPECT_EQ(std::u16string(buffer), c.message);
  }
  char16_t small[8];
  EXPECT_EQ(BuilderDocument::Probe(dir.Write("p.tsn", "ab"), small, 8), 0);
  EXPECT_EQ(std::u16string(small), u"Unable ");
}

TEST(BuilderDocument, BuildVisitsCellsRowByRowLeftToRight) {
  BuilderDocument doc;
  ASSERT_EQ(doc.Reset(BuilderDocument::kByColumn, 3, 2), u"");
  SetVariable(doc, 0, Make(kPair, 29, 0, 4));                     // x01 = ( x01 + 1 )
  SetVariable(doc, 1, Make(kPairThenOperand, 23, 2, 13, 0, 24));  // x02 = ( row × 10 ) + col
  SetColumn(doc, 0, Make(kAssignment, 29, 0, 0));
  SetColumn(doc, 1, Make(kPair, 30, 2, 13));  // ( x02 × 10 ), a distinct trace
  Matrix set(3, 2);
  ASSERT_TRUE(doc.Build(set));
  // x01 counts evaluations of the variable section: one per cell, in order.
  EXPECT_EQ(set[0][0], 1);
  EXPECT_EQ(set[1][0], 3);
  EXPECT_EQ(set[2][0], 5);
  const double cells[3][2] = {{1, 10}, {3, 110}, {5, 210}};
  for (int r = 0; r < 3; ++r)
    for (int c = 0; c < 2; ++c) EXPECT_EQ(set[r][c], cells[r][c]) << r << "," << c;
  EXPECT_EQ(doc.Names().Variable(0).value, 6);  // values persist into the document
  EXPECT_EQ(doc.Names()[NameTable::kRow].value, 2);
  EXPECT_EQ(doc.Names()[NameTable::kCol].value, 1);

  Matrix wrong(2, 2);
  EXPECT_FALSE(doc.Build(wrong));
}

TEST(BuilderDocument, RowBoundRandomKeepsOneValuePerRow) {
  BuilderDocument doc;
  ASSERT_EQ(doc.Reset(BuilderDocument::kByColumn, 4, 3), u"");
  Equation randr;
  randr.kind = kFunction;
  randr.function = EquationMath::kRandr;
  randr.operandB = 4;
  SetVariable(doc, 0, randr);
  for (int c = 0; c < 3; ++c) SetColumn(doc, c, Make(kAssignment, 29, 0, 0));
  Matrix set(4, 3);
  ASSERT_TRUE(doc.Build(set));
  for (int r = 0; r < 4; ++r) {
    EXPECT_EQ(set[r][1], set[r][0]);
    EXPECT_EQ(set[r][2], set[r][0]);
    if (r > 0) {
      EXPECT_NE(set[r][0], set[r - 1][0]);
    }
  }
}

// The flat build must give exactly what evaluating the records one by one gives.
TEST(BuilderDocument, BuildMatchesTheStraightforwardEvaluation) {
  BuilderDocument doc;
  ASSERT_EQ(doc.Reset(BuilderDocument::kByColumn, 12, 5), u"");
  for (int row = 0; row < 90; ++row) {
    Equation e;
    e.kind = 1 + row % 6;
    e.function = row % 35;  // every function and one unknown code
    e.operator1 = row % 19;
    e.operator2 = (row * 7) % 18;
    e.operator3 = (row * 5) % 18;
    e.operandA = 23 + row % 7;
    e.operandB = row % 2 ? 23 : 29 + row / 2;
    e.operandC = 29 + (row * 3) % 90;
    e.operandD = row == 17 ? 5000 : 24;
    SetVariable(doc, row, e);
  }
  for (int c = 0; c < 5; ++c)
    SetColumn(doc, c, Make(kPairOfPairs, 29 + c * 17, c, 30 + c, 2, 118 - c, 1, 24));
  BuilderDocument reference = doc;
  Random::Restart();
  Matrix fast(12, 5);
  ASSERT_TRUE(doc.Build(fast));
  Random::Restart();
  reference.Names().SetShape(12, 5);
  for (int r = 0; r < 12; ++r)
    for (int c = 0; c < 5; ++c) {
      reference.EnterCell(r, c);
      reference.EvaluateVariables();
      const double expected = reference.EvaluateDataSetEquation(c);
      ASSERT_TRUE(std::memcmp(&expected, &fast[r][c], 8) == 0) << r << "," << c;
    }
  for (std::int32_t i = 0; i < NameTable::kSize; ++i) EXPECT_EQ(doc.Names()[i], reference.Names()[i]) << i;
}

// Every operator pair of the two bracketed forms, on zeros, negatives,
// fractions and the growing values of "row" and "col".
TEST(BuilderDocument, EveryOperatorPairBuildsAsEvaluated) {
  for (int start = 0; start < 18 * 18; start += 90) {
    BuilderDocument doc;
    ASSERT_EQ(doc.Reset(BuilderDocument::kByColumn, 4, 3), u"");
    for (int row = 0; row < 90; ++row) {
      const int pair = (start + row) % (18 * 18);
      Equation e = Make(row % 2 ? kPairThenOperand : kPairOfPairs, 23 + row % 6, pair / 18,
                        row ? 28 + row : 14, pair % 18, 3 + row % 20, (pair * 5) % 18, 24);
      SetVariable(doc, row, e);
    }
    for (int c = 0; c < 3; ++c) SetColumn(doc, c, Make(kPair, 118 - c, c, 60 + c));
    BuilderDocument reference = doc;
    Matrix fast(4, 3);
    ASSERT_TRUE(doc.Build(fast));
    reference.Names().SetShape(4, 3);
    for (int r = 0; r < 4; ++r)
      for (int c = 0; c < 3; ++c) {
        reference.EnterCell(r, c);
        reference.EvaluateVariables();
        const double expected = reference.EvaluateDataSetEquation(c);
        ASSERT_EQ(std::memcmp(&expected, &fast[r][c], 8), 0) << start << " " << r << "," << c;
      }
    for (std::int32_t i = 0; i < NameTable::kSize; ++i)
      ASSERT_EQ(doc.Names()[i], reference.Names()[i]) << start << " " << i;
  }
}

TEST(BuilderDocument, ColumnCountAndBuildTypeChanges) {
  BuilderDocument doc;
  SetColumn(doc, 1, Make(kAssignment, 2, 0, 0));
  ASSERT_EQ(doc.ChangeColumnCount(4), u"");
  ASSERT_EQ(doc.DataSet().size(), 4u);
  EXPECT_EQ(Text(doc, doc.DataSet()[1]), u"col2 = e;");
  EXPECT_EQ(std::u16string(doc.DataSet()[3].name), u"col4");
  EXPECT_EQ(doc.DataSet()[3].operandC, 29);
  ASSERT_EQ(doc.ChangeColumnCount(2), u"");
  EXPECT_EQ(doc.DataSet().size(), 2u);
  EXPECT_EQ(Text(doc, doc.DataSet()[1]), u"col2 = e;");
  EXPECT_EQ(doc.ChangeColumnCount(0), u"The number of rows and columns must be at least 1");
  EXPECT_EQ(doc.Cols(), 2);
  EXPECT_EQ(doc.ChangeBuildType(5, 32, 2), u"Unknown build type");
  ASSERT_EQ(doc.ChangeBuildType(BuilderDocument::kByCell, 32, 6), u"");
  EXPECT_EQ(doc.DataSet().size(), 1u);
  EXPECT_EQ(doc.ChangeColumnCount(3), u"This build type does not allow modifying the number of columns");
}

TEST(BuilderDocument, DeleteRowThreeKeepsReferencesOnTheirVariables) {
  BuilderDocument doc;
  SetVariable(doc, 4, Make(kPair, 23, 0, 4));      // x05 = ( row + 1 )
  SetVariable(doc, 5, Make(kPair, 33, 2, 32));     // x06 = ( x05 × x04 )
  SetColumn(doc, 0, Make(kAssignment, 34, 0, 0));  // col1 = x06
  doc.DeleteEquation(3);
  EXPECT_EQ(Text(doc, doc.Names().Variable(3)), u"x05 = ( row + 1 );");
  // The reference to the deleted x04 now names the entry above it, x03.
  EXPECT_EQ(Text(doc, doc.Names().Variable(4)), u"x06 = ( x05 × x03 );");
  EXPECT_EQ(Text(doc, doc.DataSet()[0]), u"col1 = x06;");
  const std::u16string fresh = doc.Names().Variable(89).name;
  EXPECT_EQ(fresh.size(), 3u);
  EXPECT_EQ(fresh[0], u'X');
}

TEST(BuilderDocument, InsertsAndClearKeepReferences) {
  BuilderDocument doc;
  SetVariable(doc, 2, Make(kPair, 30, 0, 118));      // x03 = ( x02 + x90 )
  SetVariable(doc, 88, Make(kAssignment, 2, 0, 0));  // x89 = e
  SetColumn(doc, 0, Make(kPair, 31, 0, 117));        // col1 = ( x03 + x89 )
  doc.InsertEquationBefore(1);
  EXPECT_EQ(std::u16string(doc.Names().Variable(1).name).substr(0, 1), u"X");
  EXPECT_EQ(Text(doc, doc.Names().Variable(3)), u"x03 = ( x02 + 0 );");  // x90 was discarded
  EXPECT_EQ(Text(doc, doc.DataSet()[0]), u"col1 = ( x03 + x89 );");      // x89 now in the last slot
  doc.InsertEquationAfter(0);
  EXPECT_EQ(Text(doc, doc.Names().Variable(4)), u"x03 = ( x02 + 0 );");
  EXPECT_EQ(Text(doc, doc.DataSet()[0]), u"col1 = ( x03 + 0 );");
  doc.ClearEquation(4);
  EXPECT_EQ(doc.DataSet()[0].operandA, 33);
  EXPECT_EQ(doc.Names().Variable(4).kind, kConstant);
  // On the last row but one the last variable is replaced by a fresh one.
  SetVariable(doc, 89, Make(kAssignment, 1, 0, 0));
  doc.InsertEquationAfter(88);
  EXPECT_EQ(doc.Names().Variable(89).kind, kConstant);
  EXPECT_EQ(doc.Names().Variable(89).operandA, 3);
  EXPECT_EQ(std::u16string(doc.Names().Variable(89).name).substr(0, 1), u"X");
}

TEST(BuilderDocument, WrittenFormsAndCopies) {
  BuilderDocument doc;
  Equation f = Make(kFunction, 0, 0, 23);
  f.function = EquationMath::kSawtooth;
  SetVariable(doc, 0, f);
  SetVariable(doc, 1, Make(kPairThenOperand, 23, 17, 4, 2, 29));
  SetVariable(doc, 2, Make(kConditional, 0, 0, 30, 0, 29, 0, 0));
  SetVariable(doc, 3, Make(kPairOfPairs, 0, 1, 1, 3, 2, 11, 500));
  doc.Names().Variable(5).value = 0.25;
  SetColumn(doc, 0, Make(kAssignment, 31, 0, 0));
  SetColumn(doc, 1, Make(kPair, 32, 8, 25));
  const NameTable& n = doc.Names();
  EXPECT_EQ(Text(doc, n.Variable(0)), u"x01 = sawtooth(row);");
  EXPECT_EQ(Text(doc, n.Variable(1)), u"x02 = ( row BIT 1 ) × x01;");
  EXPECT_EQ(Text(doc, n.Variable(2)), u"IF ( x02 )   THEN   x03 = x01   ELSE   x03 = π;");
  EXPECT_EQ(Text(doc, n.Variable(3)), u"x04 = ( π – 2π ) ÷ ( e ≠ error );");
  EXPECT_EQ(Text(doc, n.Variable(5)), u"x06 = 0.25;");
  Equation odd;
  odd.kind = 9;
  EXPECT_EQ(Text(doc, odd), u"Error");
  EXPECT_EQ(TextCopy(doc),
            u"x01 = sawtooth(row);\r\nx02 = ( row BIT 1 ) × x01;\r\n"
            u"IF ( x02 )   THEN   x03 = x01   ELSE   x03 = π;\r\nx04 = ( π – 2π ) ÷ ( e ≠ error );\r\n"
            u"_______________________\r\ncol1 = x03;\r\ncol2 = ( x04 ≥ (rows-1) );\r\n");
  const std::u16string html = HtmlCopy(doc);
  EXPECT_EQ(html.find(u"<table cellpadding=\"4\" "
                      u"style=\"font-family:Arial;font-size:10pt;background-color:#FFFFFF;font-weight:bold\">"
                      u"<tr bgcolor=\"#FFFFFF\"><td>x01 <span style=\"color:#B40000\">=</span> <span "
                      u"style=\"color:#F000F0\">sawtooth</span><span style=\"color:#B40000\">( </span>row "
                      u"<span style=\"color:#B40000\">);</span></td></tr>\r\n<tr bgcolor=\"#EBEBFF\"><td>"),
            0u);
  EXPECT_EQ(html.substr(html.size() - 8), u"</table>");
  EXPECT_EQ(FormatEquation(n, n.Variable(5), true),
            u"x06 <span style=\"color:#B40000\">=</span> 0.25<span style=\"color:#B40000\">;</span>");
  EXPECT_EQ(FormatEquation(n, n.Variable(2), true),
            u"<span style=\"color:#0000FF\">IF </span> <span style=\"color:#B40000\">( </span>x02 "
            u"<span style=\"color:#B40000\">) </span>&nbsp;&nbsp;&nbsp;<span style=\"color:#0000FF\">"
            u"THEN&nbsp;&nbsp;&nbsp;</span>x03 <span style=\"color:#B40000\">=</span> x01 "
            u"&nbsp;&nbsp;&nbsp;<span style=\"color:#0000FF\"> ELSE&nbsp;&nbsp;&nbsp;</span>  x03 "
            u"<span style=\"color:#B40000\">=</span> π<span style=\"color:#B40000\">;</span>");

  const std::vector<PrintItem> page = BuilderPrintout::Page(doc);
  ASSERT_EQ(page.size(), 3u + 4 + 1 + 2 + 1);
  EXPECT_EQ(page[0].text, u"Tessarion 3.1");
  EXPECT_EQ(page[0].fontHeight, 601);
  EXPECT_EQ(page[1].text, u"Data Set Builder - Untitled.Tsn");
  EXPECT_EQ(page[1].fontHeight, 300);
  EXPECT_TRUE(page[1].rightAligned);
  EXPECT_EQ(page[2].thickness, 20);
  EXPECT_EQ(page[7].type, PrintItem::kRule);
  EXPECT_EQ(page[9].text, u"col2 = ( x04 ≥ (rows-1) );");
}

TEST(BuilderDocument, ScreenPiecesCarryTheirColours) {
  BuilderDocument doc;
  SetVariable(doc, 0, Make(kConditional, 0, 0, 23, 0, 24, 0, 4));
  SetVariable(doc, 1, Make(kPairThenOperand, 23, 17, 4, 2, 29));
  using P = TextPiece;
  const std::vector<P> conditional = EquationPieces(doc.Names(), doc.Names().Variable(0));
  const std::vector<P> expected = {
      {u"IF", P::kBlue},           {u" ( ", P::kDarkRed}, {u"row", P::kBlack},   {u" )     ", P::kDarkRed},
      {u"THEN    ", P::kBlue},     {u"x01", P::kBlack},   {u" = ", P::kDarkRed}, {u"col", P::kBlack},
      {u"    ELSE    ", P::kBlue}, {u"x01", P::kBlack},   {u" = ", P::kDarkRed}, {u"1", P::kBlack},
      {u";", P::kDarkRed}};
  EXPECT_EQ(conditional, expected);
  const std::vector<P> then = EquationPieces(doc.Names(), doc.Names().Variable(1));
  ASSERT_EQ(then.size(), 9u);
  EXPECT_EQ(then[3], (P{u"BIT", P::kGreen, true}));
  EXPECT_EQ(then[6], (P{u"×", P::kGreen, true}));
  EXPECT_EQ(EquationPieces(doc.Names(), doc.Names().Variable(5))[1], (P{u" = 0;", P::kDarkRed}));
}

TEST(BuilderDocument, NameRulesInOrder) {
  BuilderDocument doc;
  const NameTable& n = doc.Names();
  struct Case {
    std::u16string name;
    std::int32_t own;
    const char16_t* message;
  } cases[] = {
      {u"", 29, u"The variable name length must be at least one"},
      {u"a-b", 29, u"A variable name must contain letters, numbers or \"_\""},
      {u"1a-", 29, u"A variable name must contain letters, numbers or \"_\""},
      {u"1abc", 29, u"A variable name must start with a letter or \"_\""},
      {u"row", 29, u"A variable with this name already exists"},
      {u"e", 29, u"A variable with this name already exists"},
      {u"π", 29, u"A variable name must contain letters, numbers or \"_\""},
      {u"x02", 29, u"A variable with this name already exists"},
      {u"x01", 29, nullptr},
      {u"_amp1", 40, nullptr},
      {u"row", -1, nullptr},
  };
  for (const Case& c : cases) {
    const char16_t* got = n.ValidateVariableName(c.name, c.own);
    if (c.message)
      EXPECT_EQ(std::u16string(got ? got : u"(none)"), c.message);
    else
      EXPECT_EQ(got, nullptr);
  }
}

TEST(BuilderDocument, WindowTitleNamesTheFile) {
  EXPECT_EQ(BuilderDocument::WindowTitle(u"C:\\data\\BuildTrainSet.tsn"),
            u"Training Set Builder - BuildTrainSet.tsn");
  EXPECT_EQ(BuilderDocument::WindowTitle(u"BuildTrainSet.tsn"), u"Training Set Builder - Tessarion");
  EXPECT_EQ(BuilderDocument::WindowTitle(u"C:\\a.TsN"), u"Training Set Builder - a.TsN");
  EXPECT_EQ(BuilderDocument::WindowTitle(u"C:\\a.csv"), u"Training Set Builder - Tessarion");
}

}  // namespace
