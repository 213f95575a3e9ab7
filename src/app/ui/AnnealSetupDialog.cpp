#include "app/ui/AnnealSetupDialog.h"

#include "DialogIds.h"
#include "app/ui/SchedulePlot.h"
#include "win/CheckBox.h"
#include "win/EditField.h"
#include "win/UpDown.h"

namespace {

int FieldControl(int field) {
  switch (field) {
    case AnnealSetupForm::kTemperatures: return IDC_SA_TEMPS;
    case AnnealSetupForm::kIterations: return IDC_SA_ITERATIONS;
    case AnnealSetupForm::kFrom: return IDC_SA_FROM;
    case AnnealSetupForm::kTo: return IDC_SA_TO;
    case AnnealSetupForm::kK: return IDC_SA_K;
    case AnnealSetupForm::kLinear: return IDC_SA_LINEAR;
    default: return IDC_SA_CYCLES;
  }
}

}  // namespace

bool AnnealSetupDialog::Run(HWND parent) { return RunModal(parent, IDD_ANNEAL_SETUP); }

bool AnnealSetupDialog::OnInitDialog() {
  filling = true;
  for (int spin : {IDC_SA_TEMPS_SPIN, IDC_SA_ITERATIONS_SPIN, IDC_SA_CYCLES_SPIN})
    Win::UpDown(hWnd, spin).SetRange(1, 1024);
  Win::EditField(hWnd, IDC_SA_TEMPS).SetInt(form.temperatures);
  Win::EditField(hWnd, IDC_SA_ITERATIONS).SetInt(form.iterations);
  Win::Control(hWnd, IDC_SA_FROM).SetText(form.from);
  Win::Control(hWnd, IDC_SA_TO).SetText(form.to);
  Win::EditField(hWnd, IDC_SA_K).SetInt(form.k);
  Win::CheckBox(hWnd, IDC_SA_LINEAR).SetChecked(form.linearCooling);
  Win::EditField(hWnd, IDC_SA_CYCLES).SetInt(form.cycles);
  filling = false;
  return true;
}

void AnnealSetupDialog::ReadControls() {
  form.temperatures = Win::EditField(hWnd, IDC_SA_TEMPS).Int();
  form.iterations = Win::EditField(hWnd, IDC_SA_ITERATIONS).Int();
  form.from = Win::EditField(hWnd, IDC_SA_FROM).NumberText();
  form.to = Win::EditField(hWnd, IDC_SA_TO).NumberText();
  form.k = Win::EditField(hWnd, IDC_SA_K).Int();
  form.linearCooling = Win::CheckBox(hWnd, IDC_SA_LINEAR).IsChecked();
  form.cycles = Win::EditField(hWnd, IDC_SA_CYCLES).Int();
}

bool AnnealSetupDialog::OnCommand(int id, int notification, HWND control) {
  if (filling) return false;
  const bool schedule =
      ((id == IDC_SA_TEMPS || id == IDC_SA_FROM || id == IDC_SA_TO || id == IDC_SA_CYCLES) &&
       notification == EN_CHANGE) ||
      (id == IDC_SA_LINEAR && notification == BN_CLICKED);
  if (!schedule) return Win::Dialog::OnCommand(id, notification, control);
  ReadControls();
  InvalidateRect(Item(IDC_SA_PREVIEW), nullptr, FALSE);
  return true;
}

void AnnealSetupDialog::OnOk() {
  ReadControls();
  if (auto balloon = form.Accept(record))
    return Win::EditField(hWnd, FieldControl(balloon->field)).ShowBalloon(balloon->title, balloon->text);
  End(true);
}

bool AnnealSetupDialog::OnDrawItem(const DRAWITEMSTRUCT& item) {
  if (item.CtlID != IDC_SA_PREVIEW) return false;
  SchedulePlot::Draw(item.hDC, item.rcItem, form.Preview());
  return true;
}
