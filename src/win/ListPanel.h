#pragma once
#include "win/Control.h"

namespace Win {

// A list view in report style: columns of text, whole rows selected.
class ListPanel : public Control {
 public:
  using Control::Control;
  bool Create(HWND parent, int id, int x, int y, int w, int h);
  // Full-row selection and grid lines, for a list view attached from a
  // dialog template too.
  void UseReportStyle();
  void EnableCheckBoxes();

  int AddColumn(std::u16string_view title, int width);
  // Appends a row whose first column holds `text`; its index, -1 on failure.
  int AddRow(std::u16string_view text);
  void SetCell(int row, int column, std::u16string_view text);
  std::u16string Cell(int row, int column) const;
  int RowCount() const;
  int ColumnCount() const;
  int SelectedRow() const;  // -1 when none
  bool IsRowChecked(int row) const;
  void SetRowChecked(int row, bool checked);
  void Clear();
};

}  // namespace Win
