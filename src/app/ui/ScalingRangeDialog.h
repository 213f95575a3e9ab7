#pragma once
#include <cstdint>
#include <vector>

#include "net/Scaler.h"
#include "win/Dialog.h"

// The range dialog of the scaling editor: one range and method for every
// selected row, starting from the first of them.
class ScalingRangeDialog : public Win::Dialog {
 public:
  ScalingRangeDialog(Scaler& scaler, std::vector<std::int32_t> rows, bool inputs)
      : scaler(scaler), rows(std::move(rows)), inputs(inputs) {}
  bool Run(HWND parent);

 private:
  bool OnInitDialog() override;
  bool OnCommand(int id, int notification, HWND control) override;
  void OnOk() override;

  std::uint32_t CheckedMethod() const;
  // "No scaling" disables both boxes and empties them to 0.
  void FollowMethod();

  Scaler& scaler;
  std::vector<std::int32_t> rows;
  bool inputs;
};
