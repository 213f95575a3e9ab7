#include "app/ui/MainWindow.h"

#include <commctrl.h>
#include <shellapi.h>

#include <algorithm>

#include "MainIds.h"
#include "app/CommandTable.h"
#include "app/Workspace.h"
#include "win/Module.h"
#include "win/WideText.h"

namespace {

// Commands whose dialog, view or file is not part of the program yet: the
// data views and the tools, the weight views, the validation window, and
// the tutorial (no help file ships). Remove an entry when its window
// arrives.
constexpr int kUnavailable[] = {
    kCmdNewDataSet,     kCmdShowTrainingSet, kCmdValidate,    kCmdPruneTrainingSet, kCmdPreProcessing,
    kCmdPostProcessing, kCmdFftLab,          kCmdIfftLab,     kCmdPredictionSet,    kCmdFilteringLab,
    kCmdPolarViewer,    kCmdXyViewer,        kCmdCsvExplorer, kCmdReplaceInFiles,   kCmdHidden1Weights,
    kCmdHidden2Weights, kCmdOutputWeights,   kCmdTutorial,
};

constexpr int kMargin = 4;
constexpr int kPanelWidth = 270;
constexpr int kColumnX[] = {4, 278, 552};
constexpr int kBarColumnX = 826;
struct RowBand {
  int top;
  int height;
};
// Below the toolbar: the three rows of panels.
constexpr RowBand kRows[] = {{4, 190}, {198, 155}, {357, 150}};
constexpr int kLabelHeight = 73;
constexpr int kMseLabelTop = 434;
constexpr int kBarHeight = 20;
constexpr int kCaptionTops[] = {381, 446};
constexpr int kCaptionHeight = 61;
constexpr int kChartTop = 511;
constexpr int kLabelColumnWidth = 140;
constexpr int kValueColumnWidth = 124;

// Where each panel sits: its column and row in the grid. The first column
// describes the network and its set, the second the settings, the third
// the progress; each row matches the progress bar beside it.
struct PanelPlace {
  Panel panel;
  const char16_t* caption;
  int column;
  int row;
};
constexpr PanelPlace kPanelPlaces[] = {
    {Panel::kNetwork, u"Network", 0, 0},
    {Panel::kTrainingInfo, u"Training Info", 0, 1},
    {Panel::kInitializationSetup, u"Initialization Setup", 1, 0},
    {Panel::kOptimizationSetup, u"Optimization Setup", 1, 1},
    {Panel::kFeatureSelectionSetup, u"Feature Selection Setup", 1, 2},
    {Panel::kInitializationProgress, u"Initialization Progress", 2, 0},
    {Panel::kOptimizationProgress, u"Optimization Progress", 2, 1},
    {Panel::kFsLoocvProgress, u"FS - LOOCV Progress", 2, 2},
};

HMENU CommandMenu(HWND window) { return GetMenu(window); }

void UseFont(HWND control, HFONT font) {
  SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
}

HFONT GuiFont() { return static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT)); }

}  // namespace

MainWindow::MainWindow(Workspace& workspace) : workspace(workspace), chart(workspace.Plot()) {}

MainWindow::~MainWindow() {
  if (hWnd) DestroyWindow(hWnd);
  if (labelFont) DeleteObject(labelFont);
}

bool MainWindow::Register() {
  Win::Module::ClassOptions options;
  options.style = CS_HREDRAW | CS_VREDRAW | CS_DBLCLKS;
  options.icon = LoadIconW(Win::Module::Instance(), MAKEINTRESOURCEW(IDI_TESSARION));
  options.menu = MAKEINTRESOURCEW(IDR_MAIN_MENU);
  options.cursor = LoadCursorW(nullptr, IDC_ARROW);
  options.background = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  return Win::Module::RegisterWindowClass(kClass, options) && Win::ColorDisplay::Register() &&
         Win::StripChart::Register();
}

HWND MainWindow::Create() {
  HWND window = Win::Module::CreateWindowFor(*this, L"Tessarion", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN,
                                             WS_EX_ACCEPTFILES, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                                             CW_USEDEFAULT, nullptr, nullptr);
  if (!window) return nullptr;
  ShowWindow(window, SW_SHOWMAXIMIZED);
  UpdateWindow(window);
  return window;
}

bool MainWindow::IsUnavailable(int command) {
  return std::find(std::begin(kUnavailable), std::end(kUnavailable), command) != std::end(kUnavailable);
}

void MainWindow::ShowCommandEnabled(int command, bool enabled) {
  if (!hWnd) return;
  enabled = enabled && !IsUnavailable(command);
  const UINT state = enabled ? MF_ENABLED : MF_GRAYED;
  EnableMenuItem(CommandMenu(hWnd), static_cast<UINT>(command), MF_BYCOMMAND | state);
  toolbar.EnableButton(command, enabled);
  if (command == kCmdExit) EnableMenuItem(GetSystemMenu(hWnd, FALSE), SC_CLOSE, MF_BYCOMMAND | state);
}

void MainWindow::ShowCommandChecked(int command, bool checked) {
  if (!hWnd) return;
  CheckMenuItem(CommandMenu(hWnd), static_cast<UINT>(command),
                MF_BYCOMMAND | (checked ? MF_CHECKED : MF_UNCHECKED));
}

LRESULT MainWindow::MessageHandler(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CREATE: OnCreate(); return 0;
    case WM_SIZE: Layout(); return 0;
    case WM_COMMAND: {
      const int command = LOWORD(wParam);
      if (!IsUnavailable(command) && workspace.Execute(command)) return 0;
      break;
    }
    case WM_NOTIFY:
      if (OnNotify(*reinterpret_cast<NMHDR*>(lParam))) return 0;
      break;
    case WM_TIMER:
      if (wParam == kMonitorTimer) {
        workspace.OnTick();
        return 0;
      }
      break;
    case kTrainingEnded:
      // The regular tick may have handled the end already; a second end
      // would stop and judge the run twice.
      if (workspace.IsBusy()) workspace.OnTick();
      return 0;
    case WM_DROPFILES: OnDropFiles(reinterpret_cast<HDROP>(wParam)); return 0;
    case WM_CLOSE:
      if (RefuseClose()) return 0;
      break;
    case WM_DESTROY:
      KillTimer(hwnd, kMonitorTimer);
      PostQuitMessage(0);
      return 0;
    default: break;
  }
  return Window::MessageHandler(hwnd, message, wParam, lParam);
}

void MainWindow::OnCreate() {
  const std::vector<int> commands(CommandTable::Toolbar().begin(), CommandTable::Toolbar().end());
  toolbar.Create(hWnd, IDC_MAIN_TOOLBAR, IDB_TOOLBAR, static_cast<int>(commands.size()), commands);
  CreatePanels();
  for (int b = 0; b < 3; ++b) {
    bars[b].Create(hWnd, IDC_FIRST_BAR + b, 0, 0, 10, kBarHeight);
    bars[b].SetRange(0, 100);
  }
  CreateCaptions();
  labelFont = CreateFontW(-30, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                          CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, VARIABLE_PITCH | FF_SWISS, L"Arial");
  statusLabel.Create(hWnd, IDC_STATUS_LABEL, 0, 0, 10, kLabelHeight);
  mseLabel.Create(hWnd, IDC_MSE_LABEL, 0, 0, 10, kLabelHeight);
  UseFont(statusLabel.Handle(), labelFont);
  UseFont(mseLabel.Handle(), labelFont);
  chart.Create(hWnd, IDC_MSE_CHART, 0, 0, 10, 10);
  Layout();
  workspace.OnWindowCreated();
  for (int command : kUnavailable) ShowCommandEnabled(command, false);
}

void MainWindow::CreatePanels() {
  const Dashboard& dashboard = workspace.GetDashboard();
  for (const PanelPlace& place : kPanelPlaces) {
    Win::ListPanel& panel = PanelView(place.panel);
    panel.Create(hWnd, IDC_FIRST_PANEL + static_cast<int>(place.panel), 0, 0, kPanelWidth, 10);
    UseFont(panel.Handle(), GuiFont());
    panel.AddColumn(place.caption, kLabelColumnWidth);
    panel.AddColumn(u"", kValueColumnWidth);
    for (const Dashboard::Row& row : dashboard.Rows(place.panel)) {
      const int index = panel.AddRow(row.label);
      panel.SetCell(index, 1, row.value);
    }
  }
}

void MainWindow::CreateCaptions() {
  for (int c = 0; c < 2; ++c) {
    HWND caption = CreateWindowExW(
        0, L"STATIC", L"", WS_CHILD | WS_VISIBLE | SS_CENTER | SS_SUNKEN, 0, 0, 10, kCaptionHeight, hWnd,
        reinterpret_cast<HMENU>(INT_PTR{IDC_FIRST_CAPTION + c}), Win::Module::Instance(), nullptr);
    UseFont(caption, GuiFont());
    captions[c].AttachHandle(caption);
  }
}

// A fixed grid below the toolbar: panels in three columns, the bars and
// captions in a fourth that takes the rest of the width, the chart across
// the whole width below.
void MainWindow::Layout() {
  if (!toolbar.Handle()) return;
  toolbar.AutoSize();
  const int top = toolbar.Height();
  const int right = std::max(width - kMargin, kBarColumnX + 1);
  for (const PanelPlace& place : kPanelPlaces) {
    const RowBand band = kRows[place.row];
    MoveWindow(PanelView(place.panel).Handle(), kColumnX[place.column], top + band.top, kPanelWidth,
               band.height, TRUE);
  }
  MoveWindow(statusLabel.Handle(), kColumnX[0], top + kRows[2].top, kPanelWidth, kLabelHeight, TRUE);
  MoveWindow(mseLabel.Handle(), kColumnX[0], top + kMseLabelTop, kPanelWidth, kLabelHeight, TRUE);
  for (int b = 0; b < 3; ++b)
    MoveWindow(bars[b].Handle(), kBarColumnX, top + kRows[b].top, right - kBarColumnX, kBarHeight, TRUE);
  for (int c = 0; c < 2; ++c) {
    MoveWindow(captions[c].Handle(), kBarColumnX, top + kCaptionTops[c], right - kBarColumnX, kCaptionHeight,
               TRUE);
  }
  const int chartTop = top + kChartTop;
  MoveWindow(chart.Handle(), 0, chartTop, std::max(width, 1), std::max(height - chartTop, 1), TRUE);
}

bool MainWindow::OnNotify(NMHDR& header) {
  if (header.code != TTN_GETDISPINFOW) return false;
  const CommandEntry* entry = CommandTable::Find(static_cast<std::int32_t>(header.idFrom));
  if (!entry || !entry->tooltip) return false;
  auto& info = reinterpret_cast<NMTTDISPINFOW&>(header);
  info.lpszText = const_cast<wchar_t*>(reinterpret_cast<const wchar_t*>(entry->tooltip));
  return true;
}

void MainWindow::OnDropFiles(HDROP drop) {
  wchar_t path[1025] = {};
  const UINT length = DragQueryFileW(drop, 0, path, 1025);
  DragFinish(drop);
  if (length == 0) return;
  workspace.OnDroppedFile(Win::FromWide(path));
}

bool MainWindow::RefuseClose() const { return workspace.IsBusy(); }
