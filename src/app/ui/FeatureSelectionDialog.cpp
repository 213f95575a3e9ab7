#include "app/ui/FeatureSelectionDialog.h"

#include "DialogIds.h"
#include "search/FieldNumber.h"
#include "win/EditField.h"
#include "win/UpDown.h"

namespace {

int FieldControl(int field) {
  switch (field) {
    case FeatureSelectionForm::kPopulation: return IDC_FS_POPULATION;
    case FeatureSelectionForm::kGenerations: return IDC_FS_GENERATIONS;
    case FeatureSelectionForm::kCrossover: return IDC_FS_CROSSOVER;
    default: return IDC_FS_MUTATION;
  }
}

}  // namespace

bool FeatureSelectionDialog::Run(HWND parent) { return RunModal(parent, IDD_FEATURE_SELECTION); }

bool FeatureSelectionDialog::OnInitDialog() {
  Win::UpDown(hWnd, IDC_FS_GENERATIONS_SPIN).SetRange(1, 10000);
  Win::EditField(hWnd, IDC_FS_FROM).SetInt(form.Features());
  Win::EditField(hWnd, IDC_FS_TO).SetInt(form.Chosen());
  Win::EditField(hWnd, IDC_FS_POPULATION).SetInt(form.fields.population);
  Win::EditField(hWnd, IDC_FS_GENERATIONS).SetInt(form.fields.generations);
  Win::Control(hWnd, IDC_FS_CROSSOVER).SetText(FieldNumber::Text(form.fields.crossover));
  Win::Control(hWnd, IDC_FS_MUTATION).SetText(FieldNumber::Text(form.fields.mutation));
  return true;
}

// Text that is no number reads as not a number, which no probability check
// lets through.
void FeatureSelectionDialog::OnOk() {
  form.fields.population = Win::EditField(hWnd, IDC_FS_POPULATION).Int();
  form.fields.generations = Win::EditField(hWnd, IDC_FS_GENERATIONS).Int();
  form.fields.crossover = FieldNumber::Read(Win::EditField(hWnd, IDC_FS_CROSSOVER).NumberText());
  form.fields.mutation = FieldNumber::Read(Win::EditField(hWnd, IDC_FS_MUTATION).NumberText());
  if (auto balloon = form.Accept(stored))
    return Win::EditField(hWnd, FieldControl(balloon->field)).ShowBalloon(balloon->title, balloon->text);
  End(true);
}
