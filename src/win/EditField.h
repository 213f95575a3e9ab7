#pragma once
#include "win/Control.h"

namespace Win {

// An edit field with the number readings the dialogs need, and the error
// balloon tip that points at a field whose value was refused.
class EditField : public Control {
 public:
  static constexpr int kNumberLength = 23;  // characters read for a number

  using Control::Control;
  bool Create(HWND parent, int id, int x, int y, int w, int h);

  // The text as a signed integer, the way GetDlgItemInt reads it (leading
  // spaces skipped); 0 and *translated false when it is no number.
  int Int(bool* translated = nullptr) const;
  void SetInt(int value);
  // The first 23 characters.
  std::u16string NumberText() const;
  // Those 23 characters read as a decimal number (the longest leading
  // number, as strtod reads it); 0.0 when there is none.
  double Double() const;
  void SetDouble(double value);  // "%g"
  void SetReadOnly(bool readOnly);

  // An error-icon balloon tip pointing at the field. It is a tracking
  // tooltip of the field's parent because the edit control's own balloon is
  // not available everywhere. Showing another balloon replaces it; dialogs
  // hide it when its field is edited or loses the focus. An empty title shows
  // the text alone.
  void ShowBalloon(std::u16string_view title, std::u16string_view text);
  static void HideBalloon(HWND owner);
  // Hides the balloon only when it points at `field`.
  static void HideBalloonOf(HWND field);
  // Whether a balloon of `owner`'s fields is on screen, with its title and
  // text read back from the tooltip window.
  static bool BalloonVisible(HWND owner, std::u16string* title, std::u16string* text);
};

}  // namespace Win
