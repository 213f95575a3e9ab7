#include "win/UpDown.h"

#include <commctrl.h>

namespace Win {

void UpDown::SetRange(int low, int high) { Send(UDM_SETRANGE32, static_cast<WPARAM>(low), high); }

void UpDown::SetBuddy(HWND buddy) { Send(UDM_SETBUDDY, reinterpret_cast<WPARAM>(buddy)); }

void UpDown::SetPosition(int position) { Send(UDM_SETPOS32, 0, position); }

int UpDown::Position() const { return static_cast<int>(Send(UDM_GETPOS32)); }

}  // namespace Win
