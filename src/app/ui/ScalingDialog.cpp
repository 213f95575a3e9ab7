#include "app/ui/ScalingDialog.h"

#include <commctrl.h>

#include "DialogIds.h"
#include "app/ui/ScalingRangeDialog.h"
#include "net/ScalingRange.h"
#include "platform/Text.h"
#include "win/ListPanel.h"

bool ScalingDialog::Run(HWND parent) { return RunModal(parent, IDD_SCALING); }

bool ScalingDialog::OnInitDialog() {
  Win::ListPanel list(hWnd, IDC_SCALING_LIST);
  list.UseReportStyle();
  list.AddColumn(inputs ? u"Input" : u"Output", 80);
  list.AddColumn(u"Method", 120);
  list.AddColumn(u"Range", 200);
  ShowRows();
  return true;
}

void ScalingDialog::ShowRows() {
  Win::ListPanel list(hWnd, IDC_SCALING_LIST);
  const std::vector<std::int32_t> selected = SelectedRows();
  list.Clear();
  for (std::int32_t row = 0; row < scaler.Count(); ++row) {
    const int item = list.AddRow(platform::Format("%d", row + 1));
    const ScalingRange::RowTexts texts = ScalingRange::TextsOf(scaler, row);
    list.SetCell(item, 1, texts.method);
    list.SetCell(item, 2, texts.range);
  }
  for (std::int32_t row : selected) ListView_SetItemState(list.Handle(), row, LVIS_SELECTED, LVIS_SELECTED);
}

std::vector<std::int32_t> ScalingDialog::SelectedRows() const {
  std::vector<std::int32_t> rows;
  HWND list = Item(IDC_SCALING_LIST);
  for (int item = ListView_GetNextItem(list, -1, LVNI_SELECTED); item >= 0;
       item = ListView_GetNextItem(list, item, LVNI_SELECTED))
    rows.push_back(item);
  return rows;
}

void ScalingDialog::EditSelection() {
  std::vector<std::int32_t> rows = SelectedRows();
  if (rows.empty()) return;
  if (ScalingRangeDialog(scaler, std::move(rows), inputs).Run(hWnd)) ShowRows();
}

bool ScalingDialog::OnCommand(int id, int notification, HWND control) {
  if (id == IDC_SCALING_EDIT) {
    EditSelection();
    return true;
  }
  return Win::Dialog::OnCommand(id, notification, control);
}

bool ScalingDialog::OnNotify(NMHDR& header) {
  if (header.idFrom != IDC_SCALING_LIST || header.code != NM_DBLCLK) return false;
  EditSelection();
  return true;
}
