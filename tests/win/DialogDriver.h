#pragma once
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

// Plays a user's steps into the modal dialogs of this thread, one step per
// timer tick, each on the dialog that is on top (a nested dialog while one is
// open). The steps end the dialogs themselves (OK or Cancel).
class DialogDriver {
 public:
  using Step = std::function<void(HWND dialog)>;

  explicit DialogDriver(std::vector<Step> steps);
  ~DialogDriver();
  // How many steps ran; a test checks that the dialog lived through all.
  std::size_t StepsRun() const { return next; }

  // What a user does and sees in a dialog.
  static void Type(HWND dialog, int id, const std::u16string& text);
  static void Click(HWND dialog, int id);
  static void Choose(HWND dialog, int listId, int index);
  static std::u16string TextOf(HWND dialog, int id);
  static std::u16string Caption(HWND dialog);
  static bool Enabled(HWND dialog, int id);
  static bool Visible(HWND dialog, int id);
  static bool Checked(HWND dialog, int id);
  // The balloon shown at one of the dialog's fields, "title: text", or
  // empty when none is on screen.
  static std::u16string Balloon(HWND dialog);

 private:
  static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD);
  static HWND TopDialog();

  std::vector<Step> steps;
  std::size_t next = 0;
  UINT_PTR timer = 0;
};
