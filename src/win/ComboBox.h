#pragma once
#include "win/Control.h"

namespace Win {

// A drop-down list whose items each carry a data value.
class ComboBox : public Control {
 public:
  using Control::Control;
  bool Create(HWND parent, int id, int x, int y, int w, int h);
  void Clear();
  // The index the item got, or -1 when it could not be added.
  int Add(std::u16string_view text, LPARAM data);
  // Selects the first item carrying `data`; false (and no selection) when
  // none does.
  bool SelectData(LPARAM data);
  // The data of the selected item, -1 when none is selected.
  LPARAM SelectedData() const;
  int Selection() const;  // -1 when none
  void Select(int index);
  int Count() const;
};

}  // namespace Win
