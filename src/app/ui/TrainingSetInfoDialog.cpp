#include "app/ui/TrainingSetInfoDialog.h"

#include <cstdlib>

#include "DialogIds.h"
#include "data/TrainingSetInfo.h"
#include "net/NetworkSetup.h"
#include "win/CheckBox.h"
#include "win/EditField.h"
#include "win/RichEdit.h"

namespace {

const char16_t* StyleText(std::int32_t style) {
  switch (style) {
    case kGeneric: return u"Generic";
    case kClassifier: return u"Classifier";
    case kOutputEqualsInput: return u"Output = Input";
    default: return u"Error";
  }
}

}  // namespace

bool TrainingSetInfoDialog::Run(HWND parent) { return RunModal(parent, IDD_TRAINING_SET_INFO); }

bool TrainingSetInfoDialog::OnInitDialog() {
  filling = true;
  Win::Control(hWnd, IDC_INFO_STYLE).SetText(StyleText(request.style));
  Win::Control(hWnd, IDC_INFO_DOMAIN).SetText(request.complex ? u"Complex" : u"Real");
  Win::EditField(hWnd, IDC_INFO_OUTPUTS).SetInt(request.outputs);
  Win::EditField(hWnd, IDC_INFO_INPUTS).SetInt(request.inputs);
  const bool rounds = request.rounding > 0;
  Win::CheckBox(hWnd, IDC_INFO_ROUND).SetChecked(rounds);
  Win::EditField(hWnd, IDC_INFO_DIGITS).SetInt(std::abs(request.rounding));
  Win::Control(hWnd, IDC_INFO_DIGITS).Enable(rounds);
  Win::Control(hWnd, IDC_INFO_ROWS).SetText(TrainingSetInfo::RowsCaption(request.minimumRows));
  Win::RichEdit(hWnd, IDC_INFO_EXAMPLE).SetFont(u"Times New Roman", 12);
  filling = false;
  ShowLayout();
  return true;
}

int TrainingSetInfoDialog::Inputs() const { return Win::EditField(hWnd, IDC_INFO_INPUTS).Int(); }

void TrainingSetInfoDialog::ShowLayout() {
  const int inputs = Inputs();
  Win::Control(hWnd, IDC_INFO_COLS)
      .SetText(TrainingSetInfo::ColumnsCaption(request.style, request.complex, inputs, request.outputs));
  Win::RichEdit(hWnd, IDC_INFO_EXAMPLE)
      .SetText(TrainingSetInfo::Example(request.style, request.complex, request.outputs));
}

bool TrainingSetInfoDialog::OnCommand(int id, int notification, HWND control) {
  if (filling) return false;
  if (id == IDC_INFO_INPUTS && notification == EN_CHANGE) {
    ShowLayout();
    return true;
  }
  if (id == IDC_INFO_ROUND && notification == BN_CLICKED) {
    Win::Control(hWnd, IDC_INFO_DIGITS).Enable(Win::CheckBox(hWnd, IDC_INFO_ROUND).IsChecked());
    return true;
  }
  return Win::Dialog::OnCommand(id, notification, control);
}

void TrainingSetInfoDialog::OnOk() {
  const int inputs = Inputs();
  if (!TrainingSetInfo::Accepts(request.style, inputs, request.outputs))
    return Win::EditField(hWnd, IDC_INFO_INPUTS)
        .ShowBalloon(u"Training Set Info", u"The number of inputs does not fit the network");
  const int digits = Win::EditField(hWnd, IDC_INFO_DIGITS).Int();
  request.inputs = inputs;
  request.rounding = Win::CheckBox(hWnd, IDC_INFO_ROUND).IsChecked() ? digits : -digits;
  End(true);
}
