#include "win/ListPanel.h"

#include <commctrl.h>

#include "win/WideText.h"

namespace Win {

namespace {
// Cells longer than this are read back cut; the panels show numbers and
// file names.
constexpr int kCellCapacity = 1024;
}  // namespace

bool ListPanel::Create(HWND parent, int controlId, int x, int y, int w, int h) {
  if (!CreateChild(WC_LISTVIEWW, WS_TABSTOP | LVS_REPORT | LVS_SHOWSELALWAYS | LVS_SINGLESEL,
                   WS_EX_CLIENTEDGE, parent, controlId, x, y, w, h)) {
    return false;
  }
  UseReportStyle();
  return true;
}

void ListPanel::UseReportStyle() {
  Send(LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES,
       LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES);
}

void ListPanel::EnableCheckBoxes() {
  Send(LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_CHECKBOXES, LVS_EX_CHECKBOXES);
}

int ListPanel::AddColumn(std::u16string_view title, int width) {
  std::u16string text(title);
  LVCOLUMNW column{};
  column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
  column.pszText = const_cast<wchar_t*>(Wide(text));
  column.cx = width;
  column.iSubItem = ColumnCount();
  return static_cast<int>(Send(LVM_INSERTCOLUMNW, column.iSubItem, reinterpret_cast<LPARAM>(&column)));
}

int ListPanel::AddRow(std::u16string_view text) {
  std::u16string first(text);
  LVITEMW item{};
  item.mask = LVIF_TEXT;
  item.iItem = RowCount();
  item.pszText = const_cast<wchar_t*>(Wide(first));
  return static_cast<int>(Send(LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item)));
}

void ListPanel::SetCell(int row, int column, std::u16string_view text) {
  std::u16string cell(text);
  LVITEMW item{};
  item.iSubItem = column;
  item.pszText = const_cast<wchar_t*>(Wide(cell));
  Send(LVM_SETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
}

std::u16string ListPanel::Cell(int row, int column) const {
  std::u16string buffer(kCellCapacity, u'\0');
  LVITEMW item{};
  item.iSubItem = column;
  item.pszText = reinterpret_cast<wchar_t*>(buffer.data());
  item.cchTextMax = kCellCapacity;
  auto length =
      static_cast<int>(Send(LVM_GETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item)));
  // The control may answer with a pointer of its own instead of copying.
  return FromWide(item.pszText).substr(0, static_cast<std::size_t>(length > 0 ? length : 0));
}

int ListPanel::RowCount() const { return static_cast<int>(Send(LVM_GETITEMCOUNT)); }

int ListPanel::ColumnCount() const {
  auto header = reinterpret_cast<HWND>(Send(LVM_GETHEADER));
  return header ? static_cast<int>(SendMessageW(header, HDM_GETITEMCOUNT, 0, 0)) : 0;
}

int ListPanel::SelectedRow() const { return static_cast<int>(Send(LVM_GETNEXTITEM, -1, LVNI_SELECTED)); }

// The state image index is 2 for a ticked box, 1 for an empty one.
bool ListPanel::IsRowChecked(int row) const {
  auto state = static_cast<UINT>(Send(LVM_GETITEMSTATE, static_cast<WPARAM>(row), LVIS_STATEIMAGEMASK));
  return (state >> 12) == 2;
}

void ListPanel::SetRowChecked(int row, bool checked) {
  LVITEMW item{};
  item.stateMask = LVIS_STATEIMAGEMASK;
  item.state = INDEXTOSTATEIMAGEMASK(checked ? 2 : 1);
  Send(LVM_SETITEMSTATE, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
}

void ListPanel::Clear() { Send(LVM_DELETEALLITEMS); }

}  // namespace Win
