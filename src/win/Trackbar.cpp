#include "win/Trackbar.h"

#include <commctrl.h>

namespace Win {

bool Trackbar::Create(HWND parent, int controlId, int x, int y, int w, int h, bool vertical) {
  DWORD style = WS_TABSTOP | TBS_AUTOTICKS | (vertical ? TBS_VERT : TBS_HORZ);
  return CreateChild(TRACKBAR_CLASSW, style, 0, parent, controlId, x, y, w, h);
}

void Trackbar::SetRange(int low, int high) {
  Send(TBM_SETRANGEMIN, FALSE, low);
  Send(TBM_SETRANGEMAX, TRUE, high);
}

void Trackbar::SetPosition(int position) { Send(TBM_SETPOS, TRUE, position); }

int Trackbar::Position() const { return static_cast<int>(Send(TBM_GETPOS)); }

}  // namespace Win
