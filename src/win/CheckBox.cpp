#include "win/CheckBox.h"

namespace Win {

bool CheckBox::IsChecked() const { return Send(BM_GETCHECK) == BST_CHECKED; }

void CheckBox::SetChecked(bool checked) { Send(BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED); }

}  // namespace Win
