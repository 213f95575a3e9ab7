#include <gtest/gtest.h>
#include <windows.h>

#include <commctrl.h>
#include <shlobj.h>

#include <chrono>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "FrameworkTestSupport.h"
#include "MainIds.h"
#include "app/CommandTable.h"
#include "app/Workspace.h"
#include "app/ui/MainWindow.h"
#include "app/ui/Win32Shell.h"
#include "platform/Text.h"
#include "support/NetworkBuilders.h"
#include "support/ScriptedShell.h"
#include "support/TempDir.h"
#include "win/Module.h"
#include "win/WideText.h"

namespace {

COLORREF ToColorRef(Colour colour) { return RGB(colour.red, colour.green, colour.blue); }

// The real main window on a workspace whose questions, file choosers and
// dialogs a script answers; everything asserted is read back from the
// windows themselves.
class MainWindowTest : public ::testing::Test {
 protected:
  ScriptedShell script;
  Win32Shell shell;
  Workspace workspace{shell, 300};
  MainWindow window{workspace};
  HWND hwnd = nullptr;
  TempDir dir;

  void SetUp() override {
    Win::Module::InitCommonControls();
    ASSERT_TRUE(MainWindow::Register());
    shell.SetInteractionDelegate(&script);
    shell.AttachWindow(&window);
    hwnd = window.Create();
    ASSERT_NE(hwnd, nullptr);
    wintest::PumpMessages();
  }

  void TearDown() override {
    if (workspace.IsBusy()) {
      Command(kCmdStop);
      PumpUntil([&] { return !workspace.IsBusy(); });
    }
    if (IsWindow(hwnd)) DestroyWindow(hwnd);
    shell.AttachWindow(nullptr);
    // The window's end posts the program's quit; later tests pump too.
    MSG quit;
    while (PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
    }
  }

  void Command(int id) { SendMessageW(hwnd, WM_COMMAND, MAKEWPARAM(id, 0), 0); }

  // Delivers messages (the monitor's timer among them) until `done` holds.
  bool PumpUntil(const std::function<bool()>& done, std::chrono::seconds limit = std::chrono::seconds(120)) {
    const auto end = std::chrono::steady_clock::now() + limit;
    while (!done()) {
      if (std::chrono::steady_clock::now() > end) return false;
      wintest::PumpMessages();
      std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return true;
  }

  bool MenuEnabled(int id) const {
    const UINT state = GetMenuState(GetMenu(hwnd), static_cast<UINT>(id), MF_BYCOMMAND);
    return state != static_cast<UINT>(-1) && (state & (MF_GRAYED | MF_DISABLED)) == 0;
  }
  bool MenuChecked(int id) const {
    return (GetMenuState(GetMenu(hwnd), static_cast<UINT>(id), MF_BYCOMMAND) & MF_CHECKED) != 0;
  }
  bool CloseEnabled() const {
    return (GetMenuState(GetSystemMenu(hwnd, FALSE), SC_CLOSE, MF_BYCOMMAND) & (MF_GRAYED | MF_DISABLED)) ==
           0;
  }
  HWND Toolbar() const { return GetDlgItem(hwnd, IDC_MAIN_TOOLBAR); }
  bool ButtonEnabled(int id) const { return SendMessageW(Toolbar(), TB_ISBUTTONENABLED, id, 0) != 0; }
  bool IsOnToolbar(int id) const { return SendMessageW(Toolbar(), TB_COMMANDTOINDEX, id, 0) >= 0; }

  // The menu entry and, where there is one, the toolbar button; a test
  // fails when the two disagree.
  bool Enabled(int id) const {
    const bool menu = MenuEnabled(id);
    if (IsOnToolbar(id)) EXPECT_EQ(ButtonEnabled(id), menu) << "toolbar and menu disagree for " << id;
    return menu;
  }

  std::u16string Cell(Panel panel, int row, int column) const {
    HWND list = GetDlgItem(hwnd, IDC_FIRST_PANEL + static_cast<int>(panel));
    wchar_t text[256] = {};
    LVITEMW item{};
    item.iSubItem = column;
    item.pszText = text;
    item.cchTextMax = 256;
    SendMessageW(list, LVM_GETITEMTEXTW, row, reinterpret_cast<LPARAM>(&item));
    return Win::FromWide(text);
  }
  std::u16string Value(Panel panel, int row) const { return Cell(panel, row, 1); }
  std::u16string Text(int childId) const { return Win::WindowText(GetDlgItem(hwnd, childId)); }
  std::u16string Title() const { return Win::WindowText(hwnd); }
  int BarPosition(int bar) const {
    return static_cast<int>(SendMessageW(GetDlgItem(hwnd, IDC_FIRST_BAR + bar), PBM_GETPOS, 0, 0));
  }
  // The colour the label's text is painted in, found among its pixels.
  bool LabelPaintedIn(int childId, Colour colour) const {
    wintest::ClientPixels pixels(GetDlgItem(hwnd, childId));
    return pixels.Count(ToColorRef(colour)) > 20;
  }

  // A Layer Network Setup the script confirms with `setup`.
  void NewNetwork(const networkSetup& setup) {
    script.networkDialogs.push_back([setup](networkSetup& s) {
      s = setup;
      return true;
    });
    Command(kCmdLayerNetworkSetup);
  }
  // Load Training Set with the layout dialog confirmed and `csv` chosen.
  void LoadSet(const std::string& name, const std::string& csv) {
    script.setInfoDialogs.push_back([](TrainingSetInfoRequest&) { return true; });
    script.files.push_back(platform::Utf8ToUtf16(dir.Write(name, csv).string()));
    Command(kCmdLoadTrainingSet);
  }
};

const std::string kXor = "0,0,0\r\n0,1,1\r\n1,0,1\r\n1,1,0\r\n";

std::string IrisLikeSet() {
  std::string csv;
  for (int i = 0; i < 30; ++i) {
    const int cls = i % 3 + 1;
    csv += platform::Utf16ToUtf8(
        platform::Format("%d.%d,%d.0,%d.5,0.%d,%d\r\n", 4 + cls, i % 10, 2 + cls, cls, i % 9 + 1, cls));
  }
  return csv;
}

TEST_F(MainWindowTest, StartsIdleWithEmptyPanelsAndTheDefaultSetup) {
  EXPECT_EQ(Title(), u"Tessarion");
  EXPECT_TRUE(IsZoomed(hwnd)) << "the window starts maximised";
  EXPECT_NE(GetWindowLongPtrW(hwnd, GWL_EXSTYLE) & WS_EX_ACCEPTFILES, 0);
  wchar_t className[32] = {};
  GetClassNameW(hwnd, className, 32);
  EXPECT_STREQ(className, L"TESSARION");

  EXPECT_FALSE(Enabled(kCmdStop));
  EXPECT_FALSE(Enabled(kCmdKohonenSetup));
  EXPECT_FALSE(Enabled(kCmdStart));
  EXPECT_FALSE(Enabled(kCmdSaveNetwork));
  EXPECT_TRUE(Enabled(kCmdLayerNetworkSetup));
  EXPECT_TRUE(Enabled(kCmdOpenFile));
  EXPECT_TRUE(Enabled(kCmdExit));
  EXPECT_TRUE(CloseEnabled());

  EXPECT_EQ(Text(IDC_STATUS_LABEL), u"None ANN");
  EXPECT_EQ(Text(IDC_MSE_LABEL), u"mse: ------");
  EXPECT_TRUE(LabelPaintedIn(IDC_STATUS_LABEL, kAzure));
  EXPECT_TRUE(LabelPaintedIn(IDC_MSE_LABEL, kRed));

  const char16_t* networkLabels[] = {u"Structure:", u"Type:", u"Style:", u"Hidden layers:", u"Domain:"};
  for (int row = 0; row < 5; ++row) {
    EXPECT_EQ(Cell(Panel::kNetwork, row, 0), networkLabels[row]);
    EXPECT_EQ(Value(Panel::kNetwork, row), u"-------") << "row " << row;
  }
  EXPECT_EQ(Value(Panel::kTrainingInfo, 0), u"0 x 0");
  EXPECT_EQ(Value(Panel::kInitializationSetup, 0), u"Anneal+Regress");
  EXPECT_EQ(Cell(Panel::kInitializationSetup, 2, 0), u"Init Temp:");
  EXPECT_EQ(Value(Panel::kOptimizationSetup, 0), u"Conjugate Gradient");
  EXPECT_EQ(Value(Panel::kInitializationProgress, 3), u"Unknown");
  EXPECT_EQ(Text(IDC_FIRST_CAPTION), u"Feature Selection: CURRENT INDIVIDUAL");
  EXPECT_EQ(Text(IDC_FIRST_CAPTION + 1), u"Feature Selection: BEST INVIDIVIDUAL");
  for (int bar = 0; bar < 3; ++bar) EXPECT_EQ(BarPosition(bar), 0);

  EXPECT_TRUE(MenuChecked(kCmdEverySecond));
  EXPECT_FALSE(MenuChecked(kCmdEvery2Seconds));
}

TEST_F(MainWindowTest, LayoutFollowsTheToolbarHeight) {
  RECT bar{};
  GetWindowRect(Toolbar(), &bar);
  const int top = bar.bottom - bar.top;
  ASSERT_GT(top, 0);
  struct Expected {
    int id, x, y, w, h;
  };
  const Expected places[] = {
      {IDC_FIRST_PANEL + static_cast<int>(Panel::kNetwork), 4, top + 4, 270, 190},
      {IDC_FIRST_PANEL + static_cast<int>(Panel::kTrainingInfo), 4, top + 198, 270, 155},
      {IDC_FIRST_PANEL + static_cast<int>(Panel::kInitializationSetup), 278, top + 4, 270, 190},
      {IDC_FIRST_PANEL + static_cast<int>(Panel::kFeatureSelectionSetup), 278, top + 357, 270, 150},
      {IDC_FIRST_PANEL + static_cast<int>(Panel::kFsLoocvProgress), 552, top + 357, 270, 150},
      {IDC_STATUS_LABEL, 4, top + 357, 270, 73},
      {IDC_MSE_LABEL, 4, top + 434, 270, 73},
      {IDC_FIRST_BAR + 1, 826, top + 198, window.Width() - 4 - 826, 20},
      {IDC_FIRST_CAPTION + 1, 826, top + 446, window.Width() - 4 - 826, 61},
      {IDC_MSE_CHART, 0, top + 511, window.Width(), window.Height() - top - 511},
  };
  for (const Expected& place : places) {
    RECT r{};
    HWND child = GetDlgItem(hwnd, place.id);
    ASSERT_NE(child, nullptr) << place.id;
    GetWindowRect(child, &r);
    MapWindowPoints(nullptr, hwnd, reinterpret_cast<POINT*>(&r), 2);
    EXPECT_EQ(r.left, place.x) << place.id;
    EXPECT_EQ(r.top, place.y) << place.id;
    EXPECT_EQ(r.right - r.left, place.w) << place.id;
    EXPECT_EQ(r.bottom - r.top, place.h) << place.id;
  }
}

// Every entry of the command table is in the menu resource, with its text
// exactly, in the table's order; the toolbar carries the table's buttons.
TEST_F(MainWindowTest, MenuAndToolbarAreTheCommandTable) {
  HMENU menu = LoadMenuW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDR_MAIN_MENU));
  ASSERT_NE(menu, nullptr);
  std::vector<std::pair<int, std::u16string>> entries;
  std::function<void(HMENU)> walk = [&](HMENU m) {
    for (int i = 0; i < GetMenuItemCount(m); ++i) {
      if (HMENU sub = GetSubMenu(m, i)) {
        walk(sub);
        continue;
      }
      const int id = static_cast<int>(GetMenuItemID(m, i));
      if (id == 0) continue;  // separator
      wchar_t text[128] = {};
      GetMenuStringW(m, static_cast<UINT>(i), text, 128, MF_BYPOSITION);
      entries.emplace_back(id, Win::FromWide(text));
    }
  };
  walk(menu);
  DestroyMenu(menu);
  const auto& table = CommandTable::All();
  ASSERT_EQ(entries.size(), table.size());
  for (std::size_t i = 0; i < table.size(); ++i) {
    EXPECT_EQ(entries[i].first, table[i].id) << "entry " << i;
    EXPECT_EQ(entries[i].second, table[i].menuText) << "entry " << i;
  }

  const auto& buttons = CommandTable::Toolbar();
  ASSERT_EQ(SendMessageW(Toolbar(), TB_BUTTONCOUNT, 0, 0), static_cast<LRESULT>(buttons.size()));
  for (std::size_t i = 0; i < buttons.size(); ++i) {
    TBBUTTON button{};
    SendMessageW(Toolbar(), TB_GETBUTTON, i, reinterpret_cast<LPARAM>(&button));
    EXPECT_EQ(button.idCommand, buttons[i]) << "button " << i;
  }
}

TEST_F(MainWindowTest, ToolbarTooltipsComeFromTheCommandTable) {
  for (int id : {kCmdSaveNetwork, kCmdStart, kCmdStop, kCmdPredictionSet, kCmdXyViewer}) {
    NMTTDISPINFOW info{};
    info.hdr.hwndFrom = Toolbar();
    info.hdr.idFrom = static_cast<UINT_PTR>(id);
    info.hdr.code = TTN_GETDISPINFOW;
    SendMessageW(hwnd, WM_NOTIFY, id, reinterpret_cast<LPARAM>(&info));
    ASSERT_NE(info.lpszText, nullptr) << id;
    EXPECT_EQ(Win::FromWide(info.lpszText), CommandTable::Find(id)->tooltip) << id;
  }
}

TEST_F(MainWindowTest, AcceleratorsOpenAboutAndTheEverydayCommands) {
  HACCEL table = LoadAcceleratorsW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDR_MAIN_ACCELERATORS));
  ASSERT_NE(table, nullptr);
  std::vector<ACCEL> accelerators(static_cast<std::size_t>(CopyAcceleratorTableW(table, nullptr, 0)));
  CopyAcceleratorTableW(table, accelerators.data(), static_cast<int>(accelerators.size()));
  auto command = [&](WORD key, BYTE flags) {
    for (const ACCEL& a : accelerators)
      if (a.key == key && (a.fVirt & ~FNOINVERT) == flags) return static_cast<int>(a.cmd);
    return 0;
  };
  EXPECT_EQ(command('?', FALT), kCmdAbout);
  EXPECT_EQ(command('/', FALT), kCmdAbout);
  EXPECT_EQ(command('O', FVIRTKEY | FCONTROL), kCmdOpenFile);
  EXPECT_EQ(command('S', FVIRTKEY | FCONTROL), kCmdSaveNetwork);
  EXPECT_EQ(command(VK_F5, FVIRTKEY), kCmdStart);
  EXPECT_EQ(command(VK_F5, FVIRTKEY | FSHIFT), kCmdStop);
}

// The network's kind and style decide the analysis commands; the ones
// whose windows do not exist stay disabled whatever the kind.
TEST_F(MainWindowTest, LayerNetworkSetupShowsTheNewNetworkAndItsCommands) {
  struct Case {
    const char* name;
    networkSetup setup;
    bool simulation, classification, outputScalingAllowed;
    const char16_t* style;
    const char16_t* hiddenLayers;
  };
  const Case cases[] = {
      {"generic, no hidden layer", MakeSetup(2, 0, 0, 1, 0, 0, 2), true, false, true, u"Generic", u"0"},
      {"classifier, one hidden layer", MakeSetup(4, 5, 0, 3, 0, 0, 0, kClassifier), false, true, false,
       u"Classifier", u"1"},
      {"classifier, two hidden layers", MakeSetup(4, 5, 4, 3, 0, 0, 0, kClassifier), true, true, false,
       u"Classifier", u"2"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    NewNetwork(c.setup);
    EXPECT_EQ(Text(IDC_STATUS_LABEL), u"New ANN");
    EXPECT_EQ(Text(IDC_MSE_LABEL), u"mse: 1.0000");
    EXPECT_TRUE(LabelPaintedIn(IDC_STATUS_LABEL, kAzure));
    EXPECT_NE(Value(Panel::kNetwork, 0), u"-------");
    // The "Type:" row holds the style and the "Style:" row the family.
    EXPECT_EQ(Value(Panel::kNetwork, 1), c.style);
    EXPECT_EQ(Value(Panel::kNetwork, 2), u"Layer network");
    EXPECT_EQ(Value(Panel::kNetwork, 3), c.hiddenLayers);
    EXPECT_EQ(Value(Panel::kNetwork, 4), u"Real");

    EXPECT_TRUE(Enabled(kCmdSaveNetwork));
    EXPECT_TRUE(Enabled(kCmdLoadTrainingSet));
    EXPECT_TRUE(Enabled(kCmdDeleteNetwork));
    EXPECT_FALSE(Enabled(kCmdStart)) << "no training set yet";
    EXPECT_FALSE(Enabled(kCmdLoocv)) << "no training set yet";
    EXPECT_EQ(Enabled(kCmdFileSimulation), c.simulation);
    EXPECT_EQ(Enabled(kCmdFileClassification), c.classification);
    EXPECT_EQ(Enabled(kCmdComputeConfusion), c.classification);
    EXPECT_EQ(Enabled(kCmdOutputScaling), c.outputScalingAllowed);
    EXPECT_TRUE(Enabled(kCmdInputScaling));
    EXPECT_FALSE(Enabled(kCmdOutputWeights)) << "the weight view does not exist yet";
    EXPECT_EQ(Enabled(kCmdConfusionView), c.classification);
  }
}

TEST_F(MainWindowTest, CancelledNetworkSetupStillSaysNewAnn) {
  script.networkDialogs.push_back([](networkSetup&) { return false; });
  Command(kCmdLayerNetworkSetup);
  EXPECT_EQ(Text(IDC_STATUS_LABEL), u"New ANN");
  EXPECT_EQ(Value(Panel::kNetwork, 0), u"-------");
  EXPECT_FALSE(Enabled(kCmdSaveNetwork));
}

TEST_F(MainWindowTest, LoadedTrainingSetEnablesTrainingButNotItsView) {
  NewNetwork(MakeSetup(4, 5, 0, 3, 0, 0, 0, kClassifier));
  LoadSet("iris.csv", IrisLikeSet());
  EXPECT_EQ(Value(Panel::kTrainingInfo, 0), u"30 x 5");
  EXPECT_TRUE(Enabled(kCmdStart));
  EXPECT_TRUE(Enabled(kCmdTrainingSetup));
  EXPECT_TRUE(Enabled(kCmdDeleteTrainingSet));
  EXPECT_TRUE(Enabled(kCmdLoocv));
  EXPECT_TRUE(workspace.IsEnabled(kCmdShowTrainingSet));
  EXPECT_FALSE(Enabled(kCmdShowTrainingSet)) << "the training-set view does not exist yet";

  script.answers.push_back(true);
  Command(kCmdDeleteTrainingSet);
  EXPECT_EQ(Value(Panel::kTrainingInfo, 0), u"0 x 0");
  EXPECT_FALSE(Enabled(kCmdStart));
  EXPECT_FALSE(Enabled(kCmdDeleteTrainingSet));
}

// A command whose window is missing does nothing even when it arrives
// (an accelerator, a stray message): no chooser, no question.
TEST_F(MainWindowTest, UnavailableCommandsDoNotRun) {
  for (int id : {kCmdCsvExplorer, kCmdXyViewer, kCmdTutorial, kCmdNewDataSet}) {
    Command(id);
    EXPECT_FALSE(Enabled(id)) << id;
  }
  EXPECT_TRUE(script.calls.empty()) << script.calls.front();
}

// Menu commands and their accelerators' ids reach the workspace, whose
// questions and choosers come back through the shell's delegate.
TEST_F(MainWindowTest, CommandsReachTheWorkspaceThroughTheWindow) {
  struct Case {
    int id;
    bool choosesFile;  // the chooser is cancelled
    const char* firstCall;
  };
  const Case cases[] = {
      {kCmdAbout, false, "about"},
      {kCmdMemoryInformation, false, "info(Memory Information): Memory load:"},
      {kCmdOpenFile, true, "open(Load Tessarion File | Tessarion Files (*.tsn) | *.tsn | tsn): cancel"},
      {kCmdSaveReport, true, "save(Save report | Web files (*.htm) | *.htm | htm): cancel"},
  };
  for (const Case& c : cases) {
    if (c.choosesFile) script.files.push_back(std::nullopt);
    Command(c.id);
    const std::vector<std::string> calls = script.Take();
    ASSERT_FALSE(calls.empty()) << c.id;
    EXPECT_EQ(calls.front().compare(0, std::string(c.firstCall).size(), c.firstCall), 0) << calls.front();
  }
  EXPECT_EQ(Title(), u"Tessarion") << "a cancelled chooser changes nothing";
}

TEST_F(MainWindowTest, RefreshIntervalCommandsCheckOneEntry) {
  for (const auto& chosen : CommandTable::RefreshIntervals()) {
    Command(chosen.id);
    EXPECT_EQ(workspace.RefreshIntervalMs(), chosen.periodMs);
    for (const auto& entry : CommandTable::RefreshIntervals())
      EXPECT_EQ(MenuChecked(entry.id), entry.id == chosen.id) << chosen.id << " chosen, " << entry.id;
  }
}

TEST_F(MainWindowTest, RunKeepsOnlyStopAndRefusesToClose) {
  NewNetwork(MakeSetup(4, 5, 0, 3, 0, 0, 0, kClassifier));
  LoadSet("iris.csv", IrisLikeSet());
  Command(kCmdStart);
  ASSERT_TRUE(workspace.IsBusy());
  for (const CommandEntry& entry : CommandTable::All())
    EXPECT_EQ(Enabled(entry.id), entry.id == kCmdStop) << U8(entry.menuText);
  EXPECT_FALSE(CloseEnabled());

  SendMessageW(hwnd, WM_CLOSE, 0, 0);
  EXPECT_TRUE(IsWindow(hwnd)) << "closing is refused during a run";
  Command(kCmdExit);
  EXPECT_TRUE(IsWindow(hwnd)) << "Exit is disabled during a run";

  Command(kCmdStop);
  EXPECT_EQ(Title(), u"Please wait, trying to stop ...");
  ASSERT_TRUE(PumpUntil([&] { return !workspace.IsBusy(); }));
  EXPECT_EQ(Title(), u"Tessarion");
  EXPECT_FALSE(Enabled(kCmdStop));
  EXPECT_TRUE(Enabled(kCmdStart));
  EXPECT_TRUE(Enabled(kCmdExit));
  EXPECT_TRUE(CloseEnabled());
  EXPECT_FALSE(Enabled(kCmdKohonenSetup));
}

// The slowest refresh: the run's end reaches the window through the
// training thread's notice, long before the first timer tick.
TEST_F(MainWindowTest, FullRunEndsWithAVerdictOnTheLabels) {
  NewNetwork(MakeSetup(2, 3, 0, 1, 1, 0, 2));
  LoadSet("xor.csv", kXor);
  Command(kCmdEvery16Seconds);
  Command(kCmdStart);
  EXPECT_EQ(MenuEnabled(kCmdStart), false);
  const bool ended = PumpUntil(
      [&] {
        const std::u16string status = Text(IDC_STATUS_LABEL);
        return status == u"Training Successful!" || status == u"Training Over!";
      },
      std::chrono::seconds(12));
  ASSERT_TRUE(ended) << "status: " << U8(Text(IDC_STATUS_LABEL));
  const bool success = Text(IDC_STATUS_LABEL) == u"Training Successful!";
  EXPECT_EQ(Value(Panel::kTrainingInfo, 1), success ? u"YES!!!" : u"NO!!!");
  const Colour verdict = success ? kGreen : kRed;
  EXPECT_TRUE(LabelPaintedIn(IDC_STATUS_LABEL, verdict));
  EXPECT_TRUE(LabelPaintedIn(IDC_MSE_LABEL, verdict));
  EXPECT_EQ(Value(Panel::kOptimizationProgress, 2), u"Done!");
  EXPECT_EQ(BarPosition(0), 100);
  EXPECT_EQ(BarPosition(1), 100);
  EXPECT_EQ(Title(), u"Tessarion");
  EXPECT_FALSE(workspace.IsBusy());
  EXPECT_TRUE(Enabled(kCmdStart));
  EXPECT_FALSE(Enabled(kCmdStop));

  // The chart drew the run (a series below the goal leaves the chart).
  wintest::ClientPixels chart(GetDlgItem(hwnd, IDC_MSE_CHART));
  EXPECT_GT(chart.Count(Win::StripChart::kInitColour) + chart.Count(Win::StripChart::kCurrentColour) +
                chart.Count(Win::StripChart::kBestColour),
            0);
}

TEST_F(MainWindowTest, SaveNetworkWritesTheFileAndNamesTheWindow) {
  NewNetwork(MakeSetup(2, 3, 2, 1, 1, 1, 2));
  const std::filesystem::path file = dir.File("trained.tsn");
  script.files.push_back(platform::Utf8ToUtf16(file.string()));
  Command(kCmdSaveNetwork);
  EXPECT_TRUE(std::filesystem::exists(file));
  EXPECT_GT(std::filesystem::file_size(file), 116u);
  EXPECT_EQ(Title(), u"Tessarion - trained.tsn");

  // Opening it again through Open File loads it under the same name.
  script.files.push_back(platform::Utf8ToUtf16(file.string()));
  Command(kCmdOpenFile);
  EXPECT_EQ(Text(IDC_STATUS_LABEL), u"Loaded ANN");
  EXPECT_EQ(Text(IDC_MSE_LABEL), u"mse: Unknown");
  EXPECT_EQ(Title(), u"Tessarion - trained.tsn");
}

// A dropped file reaches the workspace: only the first of several, and the
// extension decides what happens.
TEST_F(MainWindowTest, DroppedFilesAreOpened) {
  auto drop = [&](const std::vector<std::wstring>& paths) {
    std::wstring list;
    for (const std::wstring& p : paths) list += p + L'\0';
    list += L'\0';
    HGLOBAL memory = GlobalAlloc(GHND, sizeof(DROPFILES) + list.size() * sizeof(wchar_t));
    auto* files = static_cast<DROPFILES*>(GlobalLock(memory));
    files->pFiles = sizeof(DROPFILES);
    files->fWide = TRUE;
    memcpy(reinterpret_cast<char*>(files) + sizeof(DROPFILES), list.data(), list.size() * sizeof(wchar_t));
    GlobalUnlock(memory);
    SendMessageW(hwnd, WM_DROPFILES, reinterpret_cast<WPARAM>(memory), 0);
  };
  const std::wstring csv = dir.Write("data.csv", "1,2\r\n3,4\r\n").wstring();
  const std::wstring other = dir.Write("notes.txt", "x").wstring();
  script.answers.push_back(false);
  drop({csv, other});
  EXPECT_EQ(script.Matching("ask").size(), 1u);
  EXPECT_EQ(script.Matching("error").size(), 0u);

  drop({other, csv});
  ASSERT_EQ(script.Matching("error").size(), 1u);
  EXPECT_EQ(script.Matching("error").front(), "error(Tessarion): Unable to open file");
}

TEST_F(MainWindowTest, ExitDestroysTheIdleWindow) {
  Command(kCmdExit);
  EXPECT_FALSE(IsWindow(hwnd));
}

TEST_F(MainWindowTest, CloseDestroysTheIdleWindow) {
  SendMessageW(hwnd, WM_CLOSE, 0, 0);
  EXPECT_FALSE(IsWindow(hwnd));
}

// Nested waits keep the wait cursor until the outermost ends, which brings
// back the cursor from before.
TEST_F(MainWindowTest, WaitCursorNestsAndRestoresThePreviousCursor) {
  HCURSOR arrow = LoadCursorW(nullptr, IDC_ARROW);
  HCURSOR wait = LoadCursorW(nullptr, IDC_WAIT);
  HCURSOR cross = LoadCursorW(nullptr, IDC_CROSS);
  SetCursor(cross);
  shell.SetWaitCursor(true);
  EXPECT_EQ(GetCursor(), wait);
  shell.SetWaitCursor(true);
  shell.SetWaitCursor(false);
  EXPECT_EQ(GetCursor(), wait);
  shell.SetWaitCursor(false);
  EXPECT_EQ(GetCursor(), cross);
  shell.SetWaitCursor(false);
  EXPECT_EQ(GetCursor(), cross) << "an unmatched end changes nothing";
  SetCursor(arrow);
}

}  // namespace
