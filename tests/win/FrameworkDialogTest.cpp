#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "FrameworkTestSupport.h"
#include "win/Dialog.h"
#include "win/EditField.h"

namespace {

constexpr WORD kFieldId = 1001;
constexpr WORD kOtherFieldId = 1002;
constexpr UINT_PTR kCloseTimer = 77;

wintest::DialogTemplate FieldDialog() {
  wintest::DialogTemplate form(160, 80);
  form.AddControl(wintest::kEditAtom, kFieldId, WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL, 10, 10, 100, 12,
                  L"");
  form.AddControl(wintest::kEditAtom, kOtherFieldId, WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL, 10, 28, 100, 12,
                  L"");
  form.AddControl(wintest::kButtonAtom, IDOK, BS_DEFPUSHBUTTON | WS_TABSTOP, 10, 50, 50, 14, L"OK");
  form.AddControl(wintest::kButtonAtom, IDCANCEL, BS_PUSHBUTTON | WS_TABSTOP, 70, 50, 50, 14, L"Cancel");
  return form;
}

// Closes itself by posting a button press from its initialisation (or,
// when asked, from a timer once the modal loop runs), recording what it saw
// on the way.
class ClosingDialog : public Win::Dialog {
 public:
  explicit ClosingDialog(int button, bool fromTimer = false) : button(button), fromTimer(fromTimer) {}

  bool OnInitDialog() override {
    handleAtInit = Handle();
    fieldAtInit = Item(kFieldId);
    if (fromTimer) {
      SetTimer(Handle(), kCloseTimer, 50, nullptr);
    } else {
      PostMessageW(Handle(), WM_COMMAND, MAKEWPARAM(button, BN_CLICKED), 0);
    }
    return true;
  }
  LRESULT MessageHandler(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) override {
    if (message == WM_TIMER && wParam == kCloseTimer) {
      KillTimer(hwnd, kCloseTimer);
      ++timerTicks;
      SendMessageW(hwnd, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED), 0);
      return TRUE;
    }
    return Dialog::MessageHandler(hwnd, message, wParam, lParam);
  }
  bool OnCommand(int id, int notification, HWND control) override {
    commands.push_back(id);
    return Dialog::OnCommand(id, notification, control);
  }
  void OnOk() override {
    ++okCalls;
    Dialog::OnOk();
  }

  int button;
  bool fromTimer;
  HWND handleAtInit = nullptr;
  HWND fieldAtInit = nullptr;
  int okCalls = 0;
  int timerTicks = 0;
  std::vector<int> commands;
};

TEST(FrameworkDialog, ModalDialogEndsWithOkOrCancel) {
  struct Case {
    int button;
    bool fromTimer;
    bool expectedResult;
    int expectedOkCalls;
  };
  for (Case c : {Case{IDOK, false, true, 1}, Case{IDCANCEL, false, false, 0}, Case{IDOK, true, true, 1},
                 Case{IDCANCEL, true, false, 0}}) {
    SCOPED_TRACE(testing::Message() << "button " << c.button << (c.fromTimer ? " from a timer" : ""));
    wintest::DialogTemplate form = FieldDialog();
    ClosingDialog dialog(c.button, c.fromTimer);
    EXPECT_TRUE(dialog.IsModal());
    EXPECT_EQ(dialog.RunModalIndirect(nullptr, form.Get()), c.expectedResult);
    EXPECT_NE(dialog.handleAtInit, nullptr);
    EXPECT_NE(dialog.fieldAtInit, nullptr) << "items are reachable from the initialisation";
    EXPECT_EQ(dialog.okCalls, c.expectedOkCalls);
    EXPECT_EQ(dialog.timerTicks, c.fromTimer ? 1 : 0) << "messages other than commands reach the handler";
    EXPECT_NE(std::find(dialog.commands.begin(), dialog.commands.end(), c.button), dialog.commands.end());
    EXPECT_EQ(dialog.Handle(), nullptr) << "the handle is forgotten once the dialog is gone";
    EXPECT_FALSE(IsWindow(dialog.handleAtInit));
  }
}

class ModelessDialog : public Win::Dialog {
 public:
  bool OnInitDialog() override {
    ++initCalls;
    return true;
  }
  int initCalls = 0;
};

TEST(FrameworkDialog, ModelessDialogIsDestroyedWhenEndedOrDeleted) {
  for (int button : {IDOK, IDCANCEL}) {
    wintest::DialogTemplate form = FieldDialog();
    ModelessDialog dialog;
    HWND hwnd = dialog.CreateModelessIndirect(nullptr, form.Get());
    ASSERT_NE(hwnd, nullptr);
    EXPECT_FALSE(dialog.IsModal());
    EXPECT_EQ(dialog.initCalls, 1);
    EXPECT_EQ(dialog.Handle(), hwnd);
    SendMessageW(hwnd, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED), 0);
    EXPECT_FALSE(IsWindow(hwnd));
    EXPECT_EQ(dialog.Handle(), nullptr);
  }
  HWND open = nullptr;
  {
    wintest::DialogTemplate form = FieldDialog();
    ModelessDialog dialog;
    open = dialog.CreateModelessIndirect(nullptr, form.Get());
    ASSERT_TRUE(IsWindow(open));
  }
  EXPECT_FALSE(IsWindow(open));
}

TEST(FrameworkDialog, InitialisationWithoutObjectIsReported) {
  wintest::HostWindow host;
  wintest::ErrorCapture errors;
  EXPECT_EQ(Win::Dialog::ModalDlgProc(host.Handle(), WM_INITDIALOG, 0, 0), FALSE);
  ASSERT_EQ(errors.All().size(), 1u);
  EXPECT_EQ(errors.All()[0].text, u"Invalid ModalDltG pointer during WM_INITDIALOG");
  EXPECT_EQ(errors.All()[0].caption, u"Win::Dialog::ModalDlgProc");
  // Later messages of a window without a dialog object are left alone.
  EXPECT_EQ(Win::Dialog::ModalDlgProc(host.Handle(), WM_COMMAND, IDOK, 0), FALSE);
}

// Shows a balloon on one field, edits the other field and then the field
// itself, recording whether the balloon was there at each step.
class BalloonDialog : public Win::Dialog {
 public:
  bool OnInitDialog() override {
    Win::EditField field(Handle(), kFieldId);
    Win::EditField other(Handle(), kOtherFieldId);
    field.ShowBalloon(u"Invalid value", u"Please enter a number.");
    shownBefore = Win::EditField::BalloonVisible(Handle(), &title, &text);
    other.SetText(u"5");
    shownAfterOtherEdit = Win::EditField::BalloonVisible(Handle(), nullptr, nullptr);
    field.SetText(u"12");
    shownAfterEdit = Win::EditField::BalloonVisible(Handle(), nullptr, nullptr);
    PostMessageW(Handle(), WM_COMMAND, IDCANCEL, 0);
    return true;
  }
  bool shownBefore = false;
  bool shownAfterOtherEdit = false;
  bool shownAfterEdit = true;
  std::u16string title, text;
};

TEST(FrameworkDialog, EditingAFieldHidesItsBalloon) {
  wintest::DialogTemplate form = FieldDialog();
  BalloonDialog dialog;
  dialog.RunModalIndirect(nullptr, form.Get());
  EXPECT_TRUE(dialog.shownBefore);
  EXPECT_EQ(dialog.title, u"Invalid value");
  EXPECT_EQ(dialog.text, u"Please enter a number.");
  EXPECT_TRUE(dialog.shownAfterOtherEdit) << "another field's edit leaves the balloon";
  EXPECT_FALSE(dialog.shownAfterEdit);
}

}  // namespace
