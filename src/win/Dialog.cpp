#include "win/Dialog.h"

#include "win/EditField.h"
#include "win/ErrorBox.h"
#include "win/Module.h"

namespace Win {

Dialog::Dialog() { modal = true; }

Dialog::~Dialog() {
  if (!hWnd) return;
  SetWindowLongPtrW(hWnd, DWLP_USER, 0);
  DestroyWindow(hWnd);
  hWnd = nullptr;
}

const wchar_t* Dialog::ClassName() const { return L"WINDIALOG"; }

LRESULT Dialog::MessageHandler(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_INITDIALOG: return OnInitDialog() ? TRUE : FALSE;
    case WM_COMMAND: {
      int notification = HIWORD(wParam);
      // A balloon tip on a field is stale once that field changes or loses
      // the focus; edits elsewhere (fields that follow others) leave it.
      if (notification == EN_CHANGE || notification == EN_KILLFOCUS) {
        EditField::HideBalloonOf(reinterpret_cast<HWND>(lParam));
      }
      return OnCommand(LOWORD(wParam), notification, reinterpret_cast<HWND>(lParam)) ? TRUE : FALSE;
    }
    case WM_NOTIFY: return OnNotify(*reinterpret_cast<NMHDR*>(lParam)) ? TRUE : FALSE;
    case WM_DRAWITEM: return OnDrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam)) ? TRUE : FALSE;
    default: return FALSE;
  }
}

bool Dialog::OnCommand(int id, int notification, HWND control) {
  switch (id) {
    case IDOK: OnOk(); return true;
    case IDCANCEL: End(false); return true;
    default: return false;
  }
}

bool Dialog::RunModal(HWND parent, int templateId) {
  modal = true;
  Module::InitCommonControls();
  return DialogBoxParamW(Module::Instance(), MAKEINTRESOURCEW(templateId), parent, ModalDlgProc,
                         reinterpret_cast<LPARAM>(this)) == 1;
}

bool Dialog::RunModalIndirect(HWND parent, const DLGTEMPLATE* dialogTemplate) {
  modal = true;
  Module::InitCommonControls();
  return DialogBoxIndirectParamW(Module::Instance(), dialogTemplate, parent, ModalDlgProc,
                                 reinterpret_cast<LPARAM>(this)) == 1;
}

HWND Dialog::CreateModeless(HWND parent, int templateId) {
  modal = false;
  Module::InitCommonControls();
  return CreateDialogParamW(Module::Instance(), MAKEINTRESOURCEW(templateId), parent, ModalDlgProc,
                            reinterpret_cast<LPARAM>(this));
}

HWND Dialog::CreateModelessIndirect(HWND parent, const DLGTEMPLATE* dialogTemplate) {
  modal = false;
  Module::InitCommonControls();
  return CreateDialogIndirectParamW(Module::Instance(), dialogTemplate, parent, ModalDlgProc,
                                    reinterpret_cast<LPARAM>(this));
}

void Dialog::End(bool ok) {
  if (!hWnd) return;
  if (modal) {
    EndDialog(hWnd, ok ? 1 : 0);
  } else {
    DestroyWindow(hWnd);
  }
}

HWND Dialog::Item(int id) const { return GetDlgItem(hWnd, id); }

void Dialog::SetMessageResult(LRESULT value) { SetWindowLongPtrW(hWnd, DWLP_MSGRESULT, value); }

INT_PTR Dialog::BindOnInit(HWND hwnd, WPARAM wParam, LPARAM lParam) {
  auto* dialog = reinterpret_cast<Dialog*>(lParam);
  if (!dialog) {
    ErrorBox::Show(u"Invalid ModalDltG pointer during WM_INITDIALOG", u"Win::Dialog::ModalDlgProc");
    return FALSE;
  }
  dialog->hWnd = hwnd;
  SetWindowLongPtrW(hwnd, DWLP_USER, lParam);
  RECT client{};
  GetClientRect(hwnd, &client);
  dialog->width = client.right;
  dialog->height = client.bottom;
  return dialog->Route(hwnd, WM_INITDIALOG, wParam, lParam);
}

INT_PTR Dialog::Route(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_SIZE) {
    width = LOWORD(lParam);
    height = HIWORD(lParam);
  }
  if (message == WM_NCDESTROY) {
    // Unbound before the last message, so its handler may delete the object.
    SetWindowLongPtrW(hwnd, DWLP_USER, 0);
    hWnd = nullptr;
  }
  return MessageHandler(hwnd, message, wParam, lParam);
}

INT_PTR CALLBACK Dialog::ModalDlgProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG) return BindOnInit(hwnd, wParam, lParam);
  auto* dialog = reinterpret_cast<Dialog*>(GetWindowLongPtrW(hwnd, DWLP_USER));
  if (!dialog) return FALSE;
  return dialog->Route(hwnd, message, wParam, lParam);
}

}  // namespace Win
