#pragma once
#include "win/CheckBox.h"

namespace Win {

// A radio button: a check box for the purpose of reading and setting it.
class RadioButton : public CheckBox {
 public:
  using CheckBox::CheckBox;
};

}  // namespace Win
