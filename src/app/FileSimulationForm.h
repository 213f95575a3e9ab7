#pragma once
#include <optional>
#include <string>

#include "app/Shell.h"
#include "net/Balloon.h"

// The logic of the dialog of "On File Simulation" and "On File
// Classification": the two files, the text or binary choices and whether the
// result is opened, and the checks on OK. The window only moves values
// between its controls and this form.
class FileSimulationForm {
 public:
  enum Field { kInputField, kOutputField };

  // The fields start from the request, which holds the files chosen last.
  explicit FileSimulationForm(FileSimulationRequest& request);

  // "On File Simulation" or "On File Classification".
  const char16_t* Title() const;
  // Whether the text/binary choices apply (not to a classification).
  bool FormatsEnabled() const { return !request.classification; }
  // "Browse": a file to read, or a file to write; cancelling keeps the field.
  void BrowseInput(Shell& shell);
  void BrowseOutput(Shell& shell);
  // OK: the first failed check as a balloon, or nothing after storing the
  // fields into the request.
  std::optional<Balloon> Accept();

  std::u16string input;
  std::u16string output;
  bool inputIsText;
  bool outputIsText;
  bool openResult;

 private:
  FileSimulationRequest& request;
};
