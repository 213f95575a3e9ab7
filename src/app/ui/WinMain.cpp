#include <windows.h>

#include <string>

#include "MainIds.h"
#include "app/Workspace.h"
#include "app/ui/MainWindow.h"
#include "app/ui/Win32Shell.h"
#include "win/ErrorBox.h"
#include "win/Module.h"
#include "win/WideText.h"

namespace {

int RunMessageLoop(HWND window) {
  HACCEL accelerators = LoadAcceleratorsW(Win::Module::Instance(), MAKEINTRESOURCEW(IDR_MAIN_ACCELERATORS));
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    if (accelerators && TranslateAcceleratorW(window, accelerators, &message)) continue;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return static_cast<int>(message.wParam);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR commandLine, int) {
  Win::Module::SetInstance(instance);
  Win::Module::InitCommonControls();
  Win::ErrorBox::UseMessageBoxes();
  if (!MainWindow::Register()) return 1;

  Win32Shell shell;
  // The chart keeps one sample per pixel of the screen's width, plus one.
  Workspace workspace(shell, static_cast<std::size_t>(GetSystemMetrics(SM_CXSCREEN)) + 1);
  MainWindow window(workspace);
  shell.AttachWindow(&window);
  HWND handle = window.Create();
  if (!handle) return 1;
  workspace.OnCommandLine(Win::FromWide(commandLine));
  const int exitCode = RunMessageLoop(handle);
  shell.AttachWindow(nullptr);
  return exitCode;
}
