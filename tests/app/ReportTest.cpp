#include <gtest/gtest.h>

#include "app/CommandTable.h"
#include "app/Report.h"
#include "app/Workspace.h"
#include "platform/Text.h"
#include "support/FaultEnv.h"
#include "support/ScriptedShell.h"
#include "support/TempDir.h"

namespace {

std::string Cell(const std::string& text) {
  return "<td class=\"dataTd\"  width=\"50%\">" + (text.empty() ? "" : text + "</td>\r\n");
}

std::string Table(const std::vector<std::pair<std::string, std::string>>& rows) {
  std::string table = "<table cellpadding=4 cellspacing=2 class=\"dataTable\"  width=\"100%\">";
  for (const auto& [label, value] : rows)
    table += "<tr class=\"dataTr\">" + Cell(label) + Cell(value) + "</tr>\r\n";
  return table + "</table>\r\n";
}

// The page of a fresh workbench, put together from the format's pieces.
std::string FreshPage(const std::string& fileName, const std::string& firstNetworkValue) {
  std::string page =
      "<html>\r\n<head>\r\n<title>Tessarion 3.1 Report</title>\r\n</head>\r\n \t\t<body>\r\n<H3>Tessarion "
      "3.1 - " +
      fileName +
      "</H3>\r\n<HR>\r\n<style type=\"text/css\">\r\n"
      " \t\t.main {font-family: \"Times New Roman\", Times, serif; font-size: 10pt;  vertical-align:top;}\r\n"
      " \t\t.dataTable {font-family: \"Times New Roman\", Times, serif; font-size: 9pt;  "
      "background-color:#c0c0c0;}\r\n"
      " \t\t.dataTr {font-family: \"Times New Roman\", Times, serif; font-size: 9pt;}\r\n"
      " \t\t.dataTd {font-family: \"Times New Roman\", Times, serif; font-size: 9pt; "
      "background-color:#f0f0ff;}\r\n"
      " \t\t\t</style>\r\n<body class='main'>\r\n ";
  page += "<table width=\"100%\" cellpadding=10 border=0><tr class='main'><td  width=\"30%\">\r\n";
  page += "<b>Network</b><br>" + Table({{"Structure:", firstNetworkValue},
                                        {"Type:", "-------"},
                                        {"Style:", "-------"},
                                        {"Hidden layers:", "-------"},
                                        {"Domain:", "-------"}});
  page += "</td><td width=\"30%\">\r\n<b>Initialization Setup</b><br>" + Table({{"Type:", "Anneal+Regress"},
                                                                                {"Cycles:", "10"},
                                                                                {"Init Temp:", "15"},
                                                                                {"End Temp:", "0.015"},
                                                                                {"Iterations:", "100"},
                                                                                {"No. Temps:", "25"}});
  page += "</td><td width=\"30%\">\r\n<b>Initialization Progress</b><br>" +
          Table({{"Temperature:", "0"}, {"Cycle:", "0"}, {"MSE:", "1.0000"}, {"Time Left:", "Unknown"}});
  page += "</td></tr><tr class='main'><td  width=\"30%\"><b>Training Info</b><br>" +
          Table({{"Training Set:", "0 x 0"}, {"Met Goal?", "-------"}, {"MSE:", "1e-05"}, {"Cycles:", "1"}});
  page += "</td><td width=\"30%\">\r\n<b>Optimization Setup</b><br>" +
          Table({{"Type:", "Conjugate Gradient"}, {"Epochs:", "8192"}});
  page += "</td><td width=\"30%\">\r\n<b>Optimization Progress</b><br>" +
          Table({{"Epoch:", "0"}, {"MSE:", "1.0000"}, {"Time Left:", "Unknown"}});
  page += "</td><tr class=\"main\"><td width=\"30%\">\r\n<b>Mean-Squared Error</b><br>";
  page +=
      "<table cellpadding=4 cellspacing=2 class=\"dataTable\"  width=\"100%\"><tr class=\"dataTr\">"
      "<td class=\"dataTd\"  width=\"50%\">mse: ------</td></tr></table>\r\n";
  page += "</td><td width=\"30%\">\r\n<b>Feature Selection Setup</b><br>" +
          Table({{"Population:", "0"}, {"Generations:", "20"}});
  page += "</td><td width=\"30%\">\r\n<b>Feature Selection Progress</b><br>" +
          Table({{"Individual:", "0"},
                 {"Generation:", "0"},
                 {"Best Ind. mse:", "1.0000"},
                 {"Time Left:", "Unknown"}});
  page += "</td></tr></table><br/>\r\n</table>\r\n<b>Feature Selection Results</b><br/>\r\n";
  page += "Feature Selection: CURRENT INDIVIDUAL<br/>\r\nFeature Selection: BEST INVIDIVIDUAL</body></html>";
  return page;
}

std::string Utf16LeFile(const std::string& ascii) {
  std::string bytes = "\xFF\xFE";
  for (char c : ascii) {
    bytes += c;
    bytes += '\0';
  }
  return bytes;
}

TEST(Report, FreshWorkbenchByteForByte) {
  ScriptedShell shell;
  Workspace workspace(shell, 10);
  workspace.OnWindowCreated();
  TempDir dir;
  shell.files.push_back(platform::Utf8ToUtf16(dir.File("r.htm").string()));
  ASSERT_TRUE(workspace.Execute(kCmdSaveReport));
  EXPECT_EQ(TempDir::Read(dir.File("r.htm")), Utf16LeFile(FreshPage("", "-------")));
  EXPECT_EQ(shell.Matching("save(")[0].substr(0, 43), "save(Save report | Web files (*.htm) | *.ht");
  EXPECT_EQ(shell.Matching("wait cursor").size(), 2u);
}

TEST(Report, EmptyCellsAndTheFileName) {
  ScriptedShell shell;
  Dashboard dashboard(shell);
  dashboard.SetValue(Panel::kTrainingInfo, 2, u"");
  dashboard.SetValue(Panel::kTrainingInfo, 3, u"");
  dashboard.SetValue(Panel::kFeatureSelectionSetup, 0, u"0");
  dashboard.SetValue(Panel::kFeatureSelectionSetup, 1, u"20");
  for (int row = 0; row < 6; ++row) dashboard.SetValue(Panel::kInitializationSetup, row, u"");
  const std::string page = U8(Report::Text(dashboard, u"net.tsn"));
  EXPECT_NE(page.find("<H3>Tessarion 3.1 - net.tsn</H3>"), std::string::npos);
  EXPECT_NE(page.find("<tr class=\"dataTr\"><td class=\"dataTd\"  width=\"50%\">MSE:</td>\r\n"
                      "<td class=\"dataTd\"  width=\"50%\"></tr>\r\n"),
            std::string::npos);
}

TEST(Report, FailuresLeaveWhatWasWritten) {
  ScriptedShell shell;
  Dashboard dashboard(shell);
  TempDir dir;
  FaultEnv env;
  {
    env.failCreateWith = u"Access is denied.";
    FaultEnv::Scoped scoped(env);
    EXPECT_EQ(Report::Write(dir.File("a.htm"), dashboard, u""), u"Access is denied.");
  }
  env.failCreateWith.clear();
  env.writeBudget = 100;
  FaultEnv::Scoped scoped(env);
  EXPECT_EQ(Report::Write(dir.File("b.htm"), dashboard, u""), u"Unable to write data to file");
  EXPECT_EQ(TempDir::Read(dir.File("b.htm")).size(), 100u);
}

TEST(Report, SaveReportShowsTheFailure) {
  ScriptedShell shell;
  Workspace workspace(shell, 10);
  workspace.OnWindowCreated();
  FaultEnv env;
  env.failCreateWith = u"The disk is full.";
  FaultEnv::Scoped scoped(env);
  shell.files.push_back(u"x.htm");
  workspace.Execute(kCmdSaveReport);
  EXPECT_EQ(shell.Matching("error(")[0], "error(Saving report Tessarion): The disk is full.");
}

}  // namespace
