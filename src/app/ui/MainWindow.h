#pragma once
#include <windows.h>

#include <shellapi.h>

#include <array>

#include "app/Shell.h"
#include "win/ColorDisplay.h"
#include "win/Control.h"
#include "win/ListPanel.h"
#include "win/ProgressBar.h"
#include "win/StripChart.h"
#include "win/Toolbar.h"
#include "win/Window.h"

class Workspace;

// The workbench's main window: menu, toolbar, the dashboard's panels, bars,
// captions and labels, and the mse chart. It routes every command, the
// monitor's timer and dropped files to the workspace and shows nothing of
// its own; the Win32Shell writes the workspace's texts into its controls.
class MainWindow : public Win::Window {
 public:
  static constexpr wchar_t kClass[] = L"TESSARION";
  static constexpr UINT_PTR kMonitorTimer = 1;
  // Posted by the training thread's end notice: tick the monitor at once.
  static constexpr UINT kTrainingEnded = WM_APP + 1;

  explicit MainWindow(Workspace& workspace);
  ~MainWindow() override;

  static bool Register();
  // Creates the window, shown maximised; its handle, null on failure.
  HWND Create();

  const wchar_t* ClassName() const override { return kClass; }
  LRESULT MessageHandler(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) override;

  // Commands whose dialog or view does not exist yet stay disabled here
  // whatever the workspace decides.
  static bool IsUnavailable(int command);
  // The menu entry and the toolbar button of a command together; the
  // system menu's Close follows Exit.
  void ShowCommandEnabled(int command, bool enabled);
  void ShowCommandChecked(int command, bool checked);

  Win::ListPanel& PanelView(Panel panel) { return panels[static_cast<int>(panel)]; }
  Win::ProgressBar& BarView(Bar bar) { return bars[static_cast<int>(bar)]; }
  Win::Control& CaptionView(Caption caption) { return captions[static_cast<int>(caption)]; }
  Win::ColorDisplay& LabelView(Label label) { return label == Label::kStatus ? statusLabel : mseLabel; }
  Win::StripChart& Chart() { return chart; }
  Win::Toolbar& Tools() { return toolbar; }

 private:
  void OnCreate();
  void CreatePanels();
  void CreateCaptions();
  void Layout();
  bool OnNotify(NMHDR& header);
  void OnDropFiles(HDROP drop);
  bool RefuseClose() const;

  Workspace& workspace;
  Win::Toolbar toolbar;
  std::array<Win::ListPanel, kPanelCount> panels;
  std::array<Win::ProgressBar, 3> bars;
  std::array<Win::Control, 2> captions;
  Win::ColorDisplay statusLabel;
  Win::ColorDisplay mseLabel;
  Win::StripChart chart;
  HFONT labelFont = nullptr;
};
