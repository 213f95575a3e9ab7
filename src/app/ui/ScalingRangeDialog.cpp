#include "app/ui/ScalingRangeDialog.h"

#include "DialogIds.h"
#include "net/ScalingRange.h"
#include "win/CheckBox.h"
#include "win/EditField.h"

namespace {
constexpr int kMethodButtons[] = {IDC_RANGE_METHOD0, IDC_RANGE_METHOD1, IDC_RANGE_METHOD2, IDC_RANGE_METHOD3};
}

bool ScalingRangeDialog::Run(HWND parent) { return RunModal(parent, IDD_SCALING_RANGE); }

bool ScalingRangeDialog::OnInitDialog() {
  SetWindowTextW(hWnd, inputs ? L"Input Scaling" : L"Output scaling");
  const Scaler::Entry first = scaler.GetEntry(rows.empty() ? 0 : rows.front());
  Win::EditField(hWnd, IDC_RANGE_MIN).SetDouble(first.min);
  Win::EditField(hWnd, IDC_RANGE_MAX).SetDouble(first.max);
  for (std::uint32_t method = 0; method < 4; ++method)
    Win::CheckBox(hWnd, kMethodButtons[method]).SetChecked(first.method == method);
  FollowMethod();
  return true;
}

std::uint32_t ScalingRangeDialog::CheckedMethod() const {
  for (std::uint32_t method = 0; method < 4; ++method)
    if (Win::CheckBox(hWnd, kMethodButtons[method]).IsChecked()) return method;
  return 0;
}

void ScalingRangeDialog::FollowMethod() {
  const bool scaled = CheckedMethod() != 0;
  for (int id : {IDC_RANGE_MIN, IDC_RANGE_MAX}) {
    Win::EditField box(hWnd, id);
    if (!scaled) box.SetDouble(0.0);
    box.Enable(scaled);
  }
}

bool ScalingRangeDialog::OnCommand(int id, int notification, HWND control) {
  if (id >= IDC_RANGE_METHOD0 && id <= IDC_RANGE_METHOD3 && notification == BN_CLICKED) {
    FollowMethod();
    return true;
  }
  return Win::Dialog::OnCommand(id, notification, control);
}

void ScalingRangeDialog::OnOk() {
  const double min = Win::EditField(hWnd, IDC_RANGE_MIN).Double();
  const double max = Win::EditField(hWnd, IDC_RANGE_MAX).Double();
  if (auto balloon = ScalingRange::Accept(scaler, rows, CheckedMethod(), min, max))
    return Win::EditField(hWnd, IDC_RANGE_MAX).ShowBalloon(balloon->title, balloon->text);
  End(true);
}
