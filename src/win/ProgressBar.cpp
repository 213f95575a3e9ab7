#include "win/ProgressBar.h"

#include <commctrl.h>

namespace Win {

bool ProgressBar::Create(HWND parent, int controlId, int x, int y, int w, int h) {
  return CreateChild(PROGRESS_CLASSW, 0, 0, parent, controlId, x, y, w, h);
}

// The 32-bit range message: the 16-bit one would cut long runs short.
void ProgressBar::SetRange(int low, int high) { Send(PBM_SETRANGE32, static_cast<WPARAM>(low), high); }

void ProgressBar::SetPosition(int position) { Send(PBM_SETPOS, static_cast<WPARAM>(position)); }

int ProgressBar::Position() const { return static_cast<int>(Send(PBM_GETPOS)); }

}  // namespace Win
