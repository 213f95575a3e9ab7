#include "app/ui/ConfusionDialog.h"

#include "DialogIds.h"
#include "app/ConfusionSave.h"
#include "win/ListPanel.h"
#include "win/WideText.h"

namespace {
constexpr int kHeaderWidth = 70;
constexpr int kCellWidth = 60;
}  // namespace

void ConfusionDialog::Run(HWND parent) { RunModal(parent, IDD_CONFUSION); }

bool ConfusionDialog::OnInitDialog() {
  SetWindowTextW(hWnd, Win::Wide(view.Title()));
  FillGrid();
  return true;
}

void ConfusionDialog::FillGrid() {
  Win::ListPanel grid(hWnd, IDC_CONFUSION_LIST);
  grid.UseReportStyle();
  grid.AddColumn(u"", kHeaderWidth);
  for (std::int32_t p = 0; p < view.Size(); ++p) grid.AddColumn(view.Header(p), kCellWidth);
  for (std::int32_t a = 0; a < view.Size(); ++a) {
    const int row = grid.AddRow(view.Header(a));
    for (std::int32_t p = 0; p < view.Size(); ++p) grid.SetCell(row, p + 1, view.CellText(a, p));
  }
}

bool ConfusionDialog::OnCommand(int id, int notification, HWND control) {
  if (id == IDC_CONFUSION_SAVE) {
    ConfusionSave::Save(shell, confusion, structure);
    return true;
  }
  return Win::Dialog::OnCommand(id, notification, control);
}

bool ConfusionDialog::OnNotify(NMHDR& header) {
  if (header.idFrom != IDC_CONFUSION_LIST || header.code != NM_CUSTOMDRAW) return false;
  SetMessageResult(PaintCell(reinterpret_cast<NMLVCUSTOMDRAW&>(header)));
  return true;
}

// Error cells are drawn in red, every other text in black.
LRESULT ConfusionDialog::PaintCell(NMLVCUSTOMDRAW& draw) const {
  switch (draw.nmcd.dwDrawStage) {
    case CDDS_PREPAINT: return CDRF_NOTIFYITEMDRAW;
    case CDDS_ITEMPREPAINT: return CDRF_NOTIFYSUBITEMDRAW;
    case CDDS_ITEMPREPAINT | CDDS_SUBITEM: {
      const auto a = static_cast<std::int32_t>(draw.nmcd.dwItemSpec);
      const std::int32_t p = draw.iSubItem - 1;
      const bool error = p >= 0 && view.CellIsError(a, p);
      draw.clrText = error ? RGB(255, 0, 0) : RGB(0, 0, 0);
      return CDRF_NEWFONT;
    }
    default: return CDRF_DODEFAULT;
  }
}
