#include <gtest/gtest.h>
#include <windows.h>

#include <commctrl.h>

#include <string>

#include "FrameworkTestSupport.h"
#include "platform/Text.h"
#include "win/CheckBox.h"
#include "win/ComboBox.h"
#include "win/EditField.h"
#include "win/FileChooser.h"
#include "win/ListPanel.h"
#include "win/ProgressBar.h"
#include "win/RichEdit.h"
#include "win/Toolbar.h"
#include "win/Trackbar.h"
#include "win/UpDown.h"

namespace {

TEST(FrameworkEditField, ReadsIntegersTheWayDialogItemsDo) {
  wintest::HostWindow host;
  Win::EditField field;
  ASSERT_TRUE(field.Create(host.Handle(), 1001, 10, 10, 200, 22));
  struct Case {
    const char16_t* text;
    int value;
    bool translated;
  };
  for (Case c : {Case{u"  -12", -12, true}, Case{u"abc", 0, false}, Case{u"37", 37, true},
                 Case{u"", 0, false}, Case{u"-2147483647", -2147483647, true}}) {
    SCOPED_TRACE(platform::Utf16ToUtf8(c.text));
    field.SetText(c.text);
    bool translated = !c.translated;
    EXPECT_EQ(field.Int(&translated), c.value);
    EXPECT_EQ(translated, c.translated);
  }
  field.SetInt(-45);
  EXPECT_EQ(field.Text(), u"-45");
}

TEST(FrameworkEditField, NumbersReadFromTheFirst23CharactersAndWrittenWithG) {
  wintest::HostWindow host;
  Win::EditField field;
  ASSERT_TRUE(field.Create(host.Handle(), 1001, 10, 10, 200, 22));

  field.SetText(u"0.125000000000000000000000099");
  EXPECT_EQ(field.NumberText(), u"0.125000000000000000000");
  EXPECT_EQ(field.NumberText().size(), 23u);

  struct ReadCase {
    const char16_t* text;
    double value;
  };
  for (ReadCase c : {ReadCase{u"  2.5e3xyz", 2500.0}, ReadCase{u"abc", 0.0}, ReadCase{u"-0.75", -0.75},
                     // The 24th and later digits are not read.
                     ReadCase{u"1234567890123456789012345", 12345678901234567890123.0}}) {
    field.SetText(c.text);
    EXPECT_DOUBLE_EQ(field.Double(), c.value);
  }

  struct WriteCase {
    double value;
    const char16_t* text;
  };
  for (WriteCase c :
       {WriteCase{0.1, u"0.1"}, WriteCase{1e-7, u"1e-07"}, WriteCase{123456789.0, u"1.23457e+08"},
        WriteCase{-2.5, u"-2.5"}, WriteCase{100000.0, u"100000"}}) {
    field.SetDouble(c.value);
    EXPECT_EQ(field.Text(), c.text);
  }
}

std::vector<HWND> VisibleTooltips() {
  std::vector<HWND> tips;
  EnumThreadWindows(
      GetCurrentThreadId(),
      [](HWND window, LPARAM found) {
        wchar_t name[64] = {};
        GetClassNameW(window, name, 64);
        if (IsWindowVisible(window) && lstrcmpiW(name, TOOLTIPS_CLASSW) == 0) {
          reinterpret_cast<std::vector<HWND>*>(found)->push_back(window);
        }
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&tips));
  return tips;
}

TEST(FrameworkEditField, BalloonIsShownReplacedAndHidden) {
  wintest::HostWindow host;
  Win::EditField first, second;
  ASSERT_TRUE(first.Create(host.Handle(), 1001, 10, 10, 200, 22));
  ASSERT_TRUE(second.Create(host.Handle(), 1002, 10, 50, 200, 22));
  EXPECT_FALSE(Win::EditField::BalloonVisible(host.Handle(), nullptr, nullptr));

  first.ShowBalloon(u"Error", u"The value must be positive.");
  std::u16string title, text;
  ASSERT_TRUE(Win::EditField::BalloonVisible(host.Handle(), &title, &text));
  EXPECT_EQ(title, u"Error");
  EXPECT_EQ(text, u"The value must be positive.");

  second.ShowBalloon(u"Range", u"Between 1 and 10.");
  ASSERT_TRUE(Win::EditField::BalloonVisible(host.Handle(), &title, &text));
  EXPECT_EQ(title, u"Range");
  EXPECT_EQ(text, u"Between 1 and 10.");
  std::vector<HWND> tips = VisibleTooltips();
  ASSERT_EQ(tips.size(), 1u) << "a new balloon replaces the old one";

  // The title is drawn: the same text without one makes a lower balloon.
  RECT titled{}, plain{};
  GetWindowRect(tips[0], &titled);
  second.ShowBalloon(u"", u"Between 1 and 10.");
  tips = VisibleTooltips();
  ASSERT_EQ(tips.size(), 1u);
  GetWindowRect(tips[0], &plain);
  EXPECT_GT(titled.bottom - titled.top, plain.bottom - plain.top);

  Win::EditField::HideBalloon(host.Handle());
  EXPECT_FALSE(Win::EditField::BalloonVisible(host.Handle(), nullptr, nullptr));
}

TEST(FrameworkControls, ComboBoxSelectsByData) {
  wintest::HostWindow host;
  Win::ComboBox combo;
  ASSERT_TRUE(combo.Create(host.Handle(), 1003, 10, 10, 200, 200));
  EXPECT_EQ(combo.SelectedData(), -1);
  EXPECT_EQ(combo.Add(u"Logsig", 0), 0);
  EXPECT_EQ(combo.Add(u"Tanh", 1), 1);
  EXPECT_EQ(combo.Add(u"Linear", 2), 2);
  EXPECT_EQ(combo.Count(), 3);
  EXPECT_TRUE(combo.SelectData(2));
  EXPECT_EQ(combo.Selection(), 2);
  EXPECT_EQ(combo.SelectedData(), 2);
  EXPECT_EQ(combo.Text(), u"Linear");
  EXPECT_FALSE(combo.SelectData(9));
  EXPECT_EQ(combo.SelectedData(), -1);
  combo.Clear();
  EXPECT_EQ(combo.Count(), 0);
}

TEST(FrameworkControls, ListPanelHoldsCellsAndChecks) {
  wintest::HostWindow host;
  Win::ListPanel list;
  ASSERT_TRUE(list.Create(host.Handle(), 1004, 10, 10, 300, 200));
  EXPECT_EQ(list.AddColumn(u"Name", 100), 0);
  EXPECT_EQ(list.AddColumn(u"Value", 100), 1);
  EXPECT_EQ(list.ColumnCount(), 2);
  EXPECT_EQ(list.AddRow(u"mse"), 0);
  EXPECT_EQ(list.AddRow(u"cycles"), 1);
  list.SetCell(0, 1, u"0.0125");
  list.SetCell(1, 1, u"1,200");
  EXPECT_EQ(list.RowCount(), 2);
  EXPECT_EQ(list.Cell(0, 0), u"mse");
  EXPECT_EQ(list.Cell(0, 1), u"0.0125");
  EXPECT_EQ(list.Cell(1, 1), u"1,200");
  EXPECT_EQ(list.SelectedRow(), -1);

  list.EnableCheckBoxes();
  list.SetRowChecked(1, true);
  EXPECT_FALSE(list.IsRowChecked(0));
  EXPECT_TRUE(list.IsRowChecked(1));
  list.SetRowChecked(1, false);
  EXPECT_FALSE(list.IsRowChecked(1));
  list.Clear();
  EXPECT_EQ(list.RowCount(), 0);
}

TEST(FrameworkControls, BarsButtonsAndTextFields) {
  wintest::HostWindow host;
  Win::ProgressBar bar;
  ASSERT_TRUE(bar.Create(host.Handle(), 1005, 10, 10, 200, 16));
  bar.SetRange(0, 100000);  // beyond the 16-bit range
  bar.SetPosition(70000);
  EXPECT_EQ(bar.Position(), 70000);

  Win::EditField buddy;
  ASSERT_TRUE(buddy.Create(host.Handle(), 1006, 10, 40, 80, 22));
  HWND spin = CreateWindowExW(0, UPDOWN_CLASSW, L"", WS_CHILD | WS_VISIBLE | UDS_SETBUDDYINT, 90, 40, 16, 22,
                              host.Handle(), reinterpret_cast<HMENU>(1007), nullptr, nullptr);
  Win::UpDown upDown(host.Handle(), 1007);
  ASSERT_EQ(upDown.Handle(), spin);
  upDown.SetBuddy(buddy.Handle());
  upDown.SetRange(1, 5);
  buddy.SetInt(3);
  SendMessageW(spin, UDM_SETPOS32, 0, 9);
  EXPECT_EQ(upDown.Position(), 5) << "the position stays within the range";

  HWND box = CreateWindowExW(0, L"BUTTON", L"Classifier", WS_CHILD | WS_VISIBLE | BS_AUTOCHECKBOX, 10, 70,
                             120, 20, host.Handle(), reinterpret_cast<HMENU>(1008), nullptr, nullptr);
  Win::CheckBox check(host.Handle(), 1008);
  ASSERT_EQ(check.Handle(), box);
  EXPECT_FALSE(check.IsChecked());
  check.SetChecked(true);
  EXPECT_TRUE(check.IsChecked());
  check.Enable(false);
  EXPECT_FALSE(check.IsEnabled());

  Win::Trackbar slider;
  ASSERT_TRUE(slider.Create(host.Handle(), 1011, 220, 10, 30, 150, true));
  slider.SetRange(1, 1000);
  slider.SetPosition(600);
  EXPECT_EQ(slider.Position(), 600);
  slider.SetPosition(5000);
  EXPECT_EQ(slider.Position(), 1000) << "the position stays within the range";

  Win::RichEdit rich;
  ASSERT_TRUE(rich.Create(host.Handle(), 1009, 10, 100, 300, 100));
  rich.SetFont(u"Courier New", 10);
  rich.SetText(u"first line");
  EXPECT_EQ(rich.Text(), u"first line");
}

TEST(FrameworkControls, ToolbarEnablesButtonsByCommand) {
  wintest::HostWindow host;
  Win::Toolbar toolbar;
  ASSERT_TRUE(
      toolbar.Create(host.Handle(), 1010, HINST_COMMCTRL, IDB_STD_SMALL_COLOR, 15, {500, 501, 0, 502}));
  EXPECT_EQ(toolbar.ButtonCount(), 4);
  EXPECT_GT(toolbar.Height(), 0);
  EXPECT_TRUE(toolbar.IsButtonEnabled(501));
  toolbar.EnableButton(501, false);
  EXPECT_FALSE(toolbar.IsButtonEnabled(501));
  EXPECT_TRUE(toolbar.IsButtonEnabled(502));
  toolbar.EnableButton(501, true);
  EXPECT_TRUE(toolbar.IsButtonEnabled(501));
}

TEST(FrameworkFileChooser, FilterHoldsDescriptionAndPatternWithinTheLimit) {
  using Win::FileChooser;
  EXPECT_EQ(FileChooser::FilterString(u"Training Set (*.csv)", u"*.csv"),
            std::u16string(u"Training Set (*.csv)\0*.csv\0\0", 28));

  // Exactly at the limit nothing is lost; beyond it the description gives way.
  std::u16string description(248, u'd');
  std::u16string filter = FileChooser::FilterString(description, u"*.tsn");
  EXPECT_EQ(filter, description + std::u16string(u"\0*.tsn\0\0", 8));
  filter = FileChooser::FilterString(description + u"xyz", u"*.tsn");
  EXPECT_EQ(filter, description + std::u16string(u"\0*.tsn\0\0", 8));
  EXPECT_EQ(filter.size(), 256u);

  std::u16string pattern(300, u'p');
  filter = FileChooser::FilterString(u"All", pattern);
  EXPECT_EQ(filter, std::u16string(1, u'\0') + pattern.substr(0, 253) + std::u16string(2, u'\0'));

  FileChooser chooser;
  chooser.SetPath(std::u16string(2000, u'a'));
  EXPECT_EQ(chooser.Path().size(), 1024u);
}

}  // namespace
