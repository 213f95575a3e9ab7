#pragma once
#include <cstdint>
#include <vector>

#include "net/Scaler.h"
#include "win/Dialog.h"

// The scaling editor: one row per input or output column with its method
// and range; "Edit..." (or a double click) sets the selected rows through
// the range dialog. It works on the scaler it is given, which the
// workspace hands over as a copy and keeps only on OK.
class ScalingDialog : public Win::Dialog {
 public:
  ScalingDialog(Scaler& scaler, bool inputs) : scaler(scaler), inputs(inputs) {}
  bool Run(HWND parent);

 private:
  bool OnInitDialog() override;
  bool OnCommand(int id, int notification, HWND control) override;
  bool OnNotify(NMHDR& header) override;

  void ShowRows();
  std::vector<std::int32_t> SelectedRows() const;
  void EditSelection();

  Scaler& scaler;
  bool inputs;
};
