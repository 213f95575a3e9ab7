#include "app/ui/FeatureSelectionResultsDialog.h"

#include "DialogIds.h"
#include "platform/Text.h"
#include "win/ListPanel.h"
#include "win/WideText.h"

void FeatureSelectionResultsDialog::Run(HWND parent) { RunModal(parent, IDD_FEATURE_RESULTS); }

bool FeatureSelectionResultsDialog::OnInitDialog() {
  SetWindowTextW(hWnd, Win::Wide(results.Title()));
  Win::ListPanel list(hWnd, IDC_FR_LIST);
  list.UseReportStyle();
  list.AddColumn(u"Name", 50);
  for (const std::u16string& item : results.Items()) list.AddRow(item);
  // Pruning comes with the prune tool; until then the button does nothing.
  Win::Control(hWnd, IDC_FR_PRUNE).Enable(false);
  return true;
}

void FeatureSelectionResultsDialog::SaveResults() {
  const FileChooser chooser{u"Comma delimited data files (*.csv)", u"*.csv", u"csv",
                            u"Save Feature Selection Results"};
  const auto path = shell.ChooseFileToSave(chooser);
  if (!path) return;
  const std::u16string error = results.Save(platform::PathFromUtf8(platform::Utf16ToUtf8(*path)));
  if (!error.empty()) shell.ShowError(error, u"Saving Feature Selection Results");
}

bool FeatureSelectionResultsDialog::OnCommand(int id, int notification, HWND control) {
  if (id == IDC_FR_SAVE) {
    SaveResults();
    return true;
  }
  return Win::Dialog::OnCommand(id, notification, control);
}
