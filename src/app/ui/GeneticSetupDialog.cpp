#include "app/ui/GeneticSetupDialog.h"

#include "DialogIds.h"
#include "win/EditField.h"
#include "win/UpDown.h"

namespace {

int FieldControl(int field) {
  switch (field) {
    case GeneticSetupForm::kIndividuals: return IDC_GA_INDIVIDUALS;
    case GeneticSetupForm::kGenerations: return IDC_GA_GENERATIONS;
    case GeneticSetupForm::kCrossover: return IDC_GA_CROSSOVER;
    case GeneticSetupForm::kMutation: return IDC_GA_MUTATION;
    default: return IDC_GA_CYCLES;
  }
}

}  // namespace

bool GeneticSetupDialog::Run(HWND parent) { return RunModal(parent, IDD_GENETIC_SETUP); }

bool GeneticSetupDialog::OnInitDialog() {
  Win::UpDown(hWnd, IDC_GA_INDIVIDUALS_SPIN).SetRange(1, 10000);
  Win::UpDown(hWnd, IDC_GA_GENERATIONS_SPIN).SetRange(1, 10000);
  Win::UpDown(hWnd, IDC_GA_CYCLES_SPIN).SetRange(1, 1024);
  Win::EditField(hWnd, IDC_GA_INDIVIDUALS).SetInt(form.individuals);
  Win::EditField(hWnd, IDC_GA_GENERATIONS).SetInt(form.generations);
  Win::Control(hWnd, IDC_GA_CROSSOVER).SetText(form.crossover);
  Win::Control(hWnd, IDC_GA_MUTATION).SetText(form.mutation);
  Win::EditField(hWnd, IDC_GA_CYCLES).SetInt(form.cycles);
  return true;
}

void GeneticSetupDialog::OnOk() {
  form.individuals = Win::EditField(hWnd, IDC_GA_INDIVIDUALS).Int();
  form.generations = Win::EditField(hWnd, IDC_GA_GENERATIONS).Int();
  form.crossover = Win::EditField(hWnd, IDC_GA_CROSSOVER).NumberText();
  form.mutation = Win::EditField(hWnd, IDC_GA_MUTATION).NumberText();
  form.cycles = Win::EditField(hWnd, IDC_GA_CYCLES).Int();
  if (auto balloon = form.Accept(record))
    return Win::EditField(hWnd, FieldControl(balloon->field)).ShowBalloon(balloon->title, balloon->text);
  End(true);
}
