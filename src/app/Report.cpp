#include "app/Report.h"

#include <vector>

#include "platform/Env.h"
#include "platform/Text.h"

namespace Report {

namespace {

constexpr const char* kHead =
    "<html>\r\n<head>\r\n<title>Tessarion %d.%d Report</title>\r\n</head>\r\n \t\t<body>\r\n<H3>Tessarion "
    "%d.%d - %s</H3>\r\n<HR>\r\n<style type=\"text/css\">\r\n \t\t.main {font-family: \"Times New Roman\", "
    "Times, serif; font-size: 10pt;  vertical-align:top;}\r\n \t\t.dataTable {font-family: \"Times New "
    "Roman\", Times, serif; font-size: 9pt;  background-color:#c0c0c0;}\r\n \t\t.dataTr {font-family: "
    "\"Times "
    "New Roman\", Times, serif; font-size: 9pt;}\r\n \t\t.dataTd {font-family: \"Times New Roman\", Times, "
    "serif; font-size: 9pt; background-color:#f0f0ff;}\r\n \t\t\t</style>\r\n<body class='main'>\r\n ";
constexpr const char16_t* kOuterOpen =
    u"<table width=\"100%\" cellpadding=10 border=0><tr class='main'><td  width=\"30%\">\r\n";
constexpr const char16_t* kNextCell = u"</td><td width=\"30%\">\r\n";
constexpr const char16_t* kNextRowA = u"</td></tr><tr class='main'><td  width=\"30%\">";
constexpr const char16_t* kNextRowB = u"</td><tr class=\"main\"><td width=\"30%\">\r\n";
constexpr const char16_t* kTableOpen =
    u"<table cellpadding=4 cellspacing=2 class=\"dataTable\"  width=\"100%\">";
constexpr const char16_t* kRowOpen = u"<tr class=\"dataTr\">";
constexpr const char16_t* kCellOpen = u"<td class=\"dataTd\"  width=\"50%\">";
constexpr const char16_t* kCellClose = u"</td>\r\n";
constexpr const char16_t* kRowClose = u"</tr>\r\n";
constexpr const char16_t* kTableClose = u"</table>\r\n";
constexpr const char16_t* kSingleCellClose = u"</td></tr></table>\r\n";
constexpr const char16_t* kOuterClose = u"</td></tr></table><br/>\r\n";
constexpr const char16_t* kResultsTitle = u"<b>Feature Selection Results</b><br/>\r\n";
constexpr const char16_t* kLineBreak = u"<br/>\r\n";
constexpr const char16_t* kEnd = u"</body></html>";

constexpr std::size_t kHeadUnits = 2047;
constexpr std::size_t kCellUnits = 1023;
constexpr std::size_t kMseUnits = 255;
constexpr std::size_t kCaptionUnits = 2047;

void Title(std::u16string& page, const char16_t* title) {
  page += u"<b>";
  page += title;
  page += u"</b><br>";
}

void PanelTable(std::u16string& page, const Dashboard& dashboard, Panel panel) {
  page += kTableOpen;
  for (const Dashboard::Row& row : dashboard.Rows(panel)) {
    page += kRowOpen;
    for (const std::u16string* cell : {&row.label, &row.value}) {
      page += kCellOpen;
      if (cell->empty()) continue;
      page += cell->substr(0, kCellUnits);
      page += kCellClose;
    }
    page += kRowClose;
  }
  page += kTableClose;
}

void Section(std::u16string& page, const char16_t* joint, const char16_t* title, const Dashboard& dashboard,
             Panel panel) {
  page += joint;
  Title(page, title);
  PanelTable(page, dashboard, panel);
}

}  // namespace

std::u16string Text(const Dashboard& dashboard, const std::u16string& networkFileName) {
  const std::string name = platform::Utf16ToUtf8(networkFileName);
  std::u16string page = platform::Format(kHead, 3, 1, 3, 1, name.c_str()).substr(0, kHeadUnits);
  Section(page, kOuterOpen, u"Network", dashboard, Panel::kNetwork);
  Section(page, kNextCell, u"Initialization Setup", dashboard, Panel::kInitializationSetup);
  Section(page, kNextCell, u"Initialization Progress", dashboard, Panel::kInitializationProgress);
  Section(page, kNextRowA, u"Training Info", dashboard, Panel::kTrainingInfo);
  Section(page, kNextCell, u"Optimization Setup", dashboard, Panel::kOptimizationSetup);
  Section(page, kNextCell, u"Optimization Progress", dashboard, Panel::kOptimizationProgress);
  page += kNextRowB;
  Title(page, u"Mean-Squared Error");
  page += kTableOpen;
  page += kRowOpen;
  page += kCellOpen;
  page += dashboard.LabelText(Label::kMse).substr(0, kMseUnits);
  page += kSingleCellClose;
  Section(page, kNextCell, u"Feature Selection Setup", dashboard, Panel::kFeatureSelectionSetup);
  Section(page, kNextCell, u"Feature Selection Progress", dashboard, Panel::kFsLoocvProgress);
  page += kOuterClose;
  page += kTableClose;
  page += kResultsTitle;
  page += dashboard.CaptionText(Caption::kCurrentIndividual).substr(0, kCaptionUnits);
  page += kLineBreak;
  page += dashboard.CaptionText(Caption::kBestIndividual).substr(0, kCaptionUnits);
  page += kEnd;
  return page;
}

std::u16string Write(const std::filesystem::path& path, const Dashboard& dashboard,
                     const std::u16string& networkFileName) {
  std::u16string error;
  auto file = platform::Env::Current().Open(path, platform::OpenMode::Create, platform::Share::None, error);
  if (!file) return error;
  std::u16string page(1, u'\uFEFF');
  page += Text(dashboard, networkFileName);
  const std::string bytes = platform::Utf16LeBytes(page);
  if (file->Write(bytes.data(), bytes.size()) != bytes.size()) return u"Unable to write data to file";
  return {};
}

}  // namespace Report
