#pragma once
#include <windows.h>

#include "win/Window.h"

namespace Win {

// Base of every dialog object. Modal dialogs run through the system's modal
// loop with the object as the dialog parameter; their procedure binds the
// object on the initialisation message and routes the rest to it.
class Dialog : public Window {
 public:
  Dialog();  // modal
  // Destroys a modeless dialog still open, unbound first.
  ~Dialog() override;
  const wchar_t* ClassName() const override;  // L"WINDIALOG"
  // Dispatches WM_INITDIALOG -> OnInitDialog, WM_COMMAND -> OnCommand,
  // WM_NOTIFY -> OnNotify, WM_DRAWITEM -> OnDrawItem; returns the dialog
  // procedure's result (TRUE when handled).
  LRESULT MessageHandler(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) override;
  virtual bool OnInitDialog() { return true; }
  // IDOK -> OnOk(), IDCANCEL -> End(false). True when handled.
  virtual bool OnCommand(int id, int notification, HWND control);
  virtual void OnOk() { End(true); }
  virtual bool OnNotify(NMHDR& header) { return false; }
  virtual bool OnDrawItem(const DRAWITEMSTRUCT& item) { return false; }

  // The template `templateId` (a resource of Module::Instance()) run
  // modally over `parent`; true when it closed with OK.
  bool RunModal(HWND parent, int templateId);
  // The same from a template in memory.
  bool RunModalIndirect(HWND parent, const DLGTEMPLATE* dialogTemplate);
  // The template shown without a modal loop; End destroys it. The
  // program's message loop must pass its messages through IsDialogMessage.
  HWND CreateModeless(HWND parent, int templateId);
  HWND CreateModelessIndirect(HWND parent, const DLGTEMPLATE* dialogTemplate);
  // Ends the modal loop with 1 (OK) or 0 (Cancel), or destroys a modeless
  // dialog.
  void End(bool ok);
  HWND Item(int id) const;

  static INT_PTR CALLBACK ModalDlgProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

 protected:
  // The value a notification handler answers with (DWLP_MSGRESULT).
  void SetMessageResult(LRESULT value);

 private:
  static INT_PTR BindOnInit(HWND hwnd, WPARAM wParam, LPARAM lParam);
  INT_PTR Route(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
};

}  // namespace Win
