#pragma once
#include "app/Shell.h"
#include "data/FeatureSelectionResults.h"
#include "win/Dialog.h"

// The "Feature Selection Results" window: the columns of the best subset,
// with its error in the title, and "Save results".
class FeatureSelectionResultsDialog : public Win::Dialog {
 public:
  // `shell` answers the save chooser and shows a failure.
  FeatureSelectionResultsDialog(const FeatureSelectionResults& results, Shell& shell)
      : results(results), shell(shell) {}
  void Run(HWND parent);

 private:
  bool OnInitDialog() override;
  bool OnCommand(int id, int notification, HWND control) override;

  void SaveResults();

  const FeatureSelectionResults& results;
  Shell& shell;
};
