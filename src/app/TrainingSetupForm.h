#pragma once
#include <optional>
#include <string>

#include "app/Shell.h"
#include "net/Balloon.h"
#include "net/TrainingSetup.h"

// The logic of the Training Setup dialog: the fields as the controls hold
// them, the method buttons and what they enable, the file chooser of "Save
// to file", and the checks and stores of OK. The two parameter dialogs edit
// the workspace's record directly, so their changes stay even when this
// dialog is cancelled.
class TrainingSetupForm {
 public:
  enum Field { kCyclesField, kGoalField, kEpochsField, kFileField };
  static constexpr int kNoMethod = -1;

  // Opens on the workspace's record for a network kind (-1, 1-4): fills
  // the fields and adjusts the method to what that kind can use.
  TrainingSetupForm(trainingSetup& record, int networkKind);

  // Whether the button of a method code (0-4) can be clicked.
  bool IsMethodEnabled(int method) const;
  int CheckedMethod() const { return checkedMethod; }
  // Checks that button alone.
  void ClickMethod(int method);
  bool GeneticSetupEnabled() const { return checkedMethod == kGenetic || checkedMethod == kGeneticRegress; }
  bool AnnealingSetupEnabled() const {
    return checkedMethod == kAnnealing || checkedMethod == kAnnealRegress;
  }

  bool SaveToFile() const { return saveToFile; }
  // Unchecking empties the file field; "Browse" follows the box.
  void SetSaveToFile(bool checked);
  bool BrowseEnabled() const { return saveToFile; }
  // Chooses the progress file; cancelling empties the file field.
  void Browse(Shell& shell);

  // OK: the first failed check as a balloon, or nothing after storing into
  // the record.
  std::optional<Balloon> Accept();

  // What the parameter dialogs edit.
  trainingSetup& Record() { return record; }

  std::u16string cyclesText;
  std::u16string goalText;
  std::u16string epochsText;
  std::u16string fileText;
  std::int32_t optimizationMethod = kConjugateGradient;
  bool continueTraining = false;

 private:
  trainingSetup& record;
  int networkKind;
  int checkedMethod = kNoMethod;
  bool saveToFile = false;
};

// A control's text read as a signed integer the way the window's edit boxes
// are read: leading blanks and a sign, then digits; anything else reads 0.
std::int32_t ReadInteger(const std::u16string& text);
// The first `limit` characters of a control's text read as a decimal
// floating-point number; no number gives 0.0.
double ReadDouble(const std::u16string& text, std::size_t limit);
