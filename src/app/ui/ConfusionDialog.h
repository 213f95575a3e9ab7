#pragma once
#include <windows.h>
// after windows.h
#include <commctrl.h>

#include <string>

#include "app/Shell.h"
#include "data/ConfusionView.h"
#include "win/Dialog.h"

// The "Confusion Matrix" window: the grid of actual against recognised
// classes with the error cells in red, its error count in the title, and
// "Save" to a web page.
class ConfusionDialog : public Win::Dialog {
 public:
  // `shell` answers the save chooser and shows a failure.
  ConfusionDialog(const Matrix& confusion, const std::u16string& structure, Shell& shell)
      : confusion(confusion), view(confusion), structure(structure), shell(shell) {}
  void Run(HWND parent);

 private:
  bool OnInitDialog() override;
  bool OnCommand(int id, int notification, HWND control) override;
  bool OnNotify(NMHDR& header) override;

  void FillGrid();
  LRESULT PaintCell(NMLVCUSTOMDRAW& draw) const;

  const Matrix& confusion;
  ConfusionView view;
  std::u16string structure;
  Shell& shell;
};
