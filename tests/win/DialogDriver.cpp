#include "DialogDriver.h"

#include "win/EditField.h"
#include "win/WideText.h"

namespace {
DialogDriver* active = nullptr;
}

DialogDriver::DialogDriver(std::vector<Step> steps) : steps(std::move(steps)) {
  active = this;
  timer = SetTimer(nullptr, 0, 40, Tick);
}

DialogDriver::~DialogDriver() {
  KillTimer(nullptr, timer);
  active = nullptr;
}

HWND DialogDriver::TopDialog() {
  HWND found = nullptr;
  EnumThreadWindows(
      GetCurrentThreadId(),
      [](HWND window, LPARAM result) -> BOOL {
        wchar_t name[16] = {};
        GetClassNameW(window, name, 16);
        if (std::wstring(name) == L"#32770" && IsWindowVisible(window) && IsWindowEnabled(window)) {
          *reinterpret_cast<HWND*>(result) = window;
          return FALSE;
        }
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&found));
  return found;
}

void CALLBACK DialogDriver::Tick(HWND, UINT, UINT_PTR, DWORD) {
  if (!active || active->next >= active->steps.size()) return;
  HWND dialog = TopDialog();
  if (!dialog) return;
  // Counted first: a step that opens a nested dialog runs the next steps
  // from inside its own modal loop.
  const std::size_t step = active->next++;
  active->steps[step](dialog);
}

void DialogDriver::Type(HWND dialog, int id, const std::u16string& text) {
  SetDlgItemTextW(dialog, id, Win::Wide(text));
}

void DialogDriver::Click(HWND dialog, int id) { SendMessageW(GetDlgItem(dialog, id), BM_CLICK, 0, 0); }

void DialogDriver::Choose(HWND dialog, int listId, int index) {
  SendDlgItemMessageW(dialog, listId, CB_SETCURSEL, index, 0);
  SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(listId, CBN_SELCHANGE),
               reinterpret_cast<LPARAM>(GetDlgItem(dialog, listId)));
}

std::u16string DialogDriver::TextOf(HWND dialog, int id) { return Win::WindowText(GetDlgItem(dialog, id)); }

std::u16string DialogDriver::Caption(HWND dialog) { return Win::WindowText(dialog); }

bool DialogDriver::Enabled(HWND dialog, int id) { return IsWindowEnabled(GetDlgItem(dialog, id)); }

bool DialogDriver::Visible(HWND dialog, int id) { return IsWindowVisible(GetDlgItem(dialog, id)); }

bool DialogDriver::Checked(HWND dialog, int id) {
  return SendDlgItemMessageW(dialog, id, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

std::u16string DialogDriver::Balloon(HWND dialog) {
  std::u16string title, text;
  if (!Win::EditField::BalloonVisible(dialog, &title, &text)) return {};
  return title + u": " + text;
}
