#include "app/ui/AboutDialog.h"

#include "DialogIds.h"
#include "net/NetworkSetup.h"
#include "platform/Text.h"
#include "win/Control.h"

void AboutDialog::Run(HWND parent) { RunModal(parent, IDD_ABOUT); }

bool AboutDialog::OnInitDialog() {
  Win::Control(hWnd, IDC_ABOUT_TEXT)
      .SetText(platform::Format("Tessarion Version %d.%d\r\n", networkSetup::kMajor, networkSetup::kMinor));
  return true;
}
