#include "win/ComboBox.h"

#include "win/WideText.h"

namespace Win {

bool ComboBox::Create(HWND parent, int controlId, int x, int y, int w, int h) {
  return CreateChild(L"COMBOBOX", WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST, 0, parent, controlId, x, y, w,
                     h);
}

void ComboBox::Clear() { Send(CB_RESETCONTENT); }

int ComboBox::Add(std::u16string_view text, LPARAM data) {
  std::u16string item(text);
  auto index = static_cast<int>(Send(CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Wide(item))));
  if (index < 0) return -1;
  Send(CB_SETITEMDATA, index, data);
  return index;
}

bool ComboBox::SelectData(LPARAM data) {
  int count = Count();
  for (int index = 0; index < count; ++index) {
    if (Send(CB_GETITEMDATA, index) == data) {
      Select(index);
      return true;
    }
  }
  Select(-1);
  return false;
}

LPARAM ComboBox::SelectedData() const {
  int index = Selection();
  return index < 0 ? -1 : Send(CB_GETITEMDATA, index);
}

int ComboBox::Selection() const { return static_cast<int>(Send(CB_GETCURSEL)); }

void ComboBox::Select(int index) { Send(CB_SETCURSEL, static_cast<WPARAM>(index)); }

int ComboBox::Count() const { return static_cast<int>(Send(CB_GETCOUNT)); }

}  // namespace Win
