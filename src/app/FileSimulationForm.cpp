#include "app/FileSimulationForm.h"

namespace {

constexpr const char16_t* kNameRequired = u"A valid file name is required";
constexpr const char16_t* kSameFile = u"The output file must be another file than the input file";

char16_t Folded(char16_t c) { return c >= u'a' && c <= u'z' ? static_cast<char16_t>(c - u'a' + u'A') : c; }

// Paths are compared as the file system of the workbench compares names:
// without regard to case and with either slash.
bool SamePath(const std::u16string& a, const std::u16string& b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    char16_t x = a[i] == u'/' ? u'\\' : Folded(a[i]);
    char16_t y = b[i] == u'/' ? u'\\' : Folded(b[i]);
    if (x != y) return false;
  }
  return true;
}

FileChooser DataChooser(bool text, const char16_t* title) {
  if (text) return {u"Comma delimited data files (*.csv)", u"*.csv", u"csv", title};
  return {u"Binary data files (*.dat)", u"*.dat", u"dat", title};
}

}  // namespace

FileSimulationForm::FileSimulationForm(FileSimulationRequest& request)
    : input(request.input),
      output(request.output),
      inputIsText(request.inputIsText || request.classification),
      outputIsText(request.outputIsText || request.classification),
      openResult(request.openResult),
      request(request) {}

const char16_t* FileSimulationForm::Title() const {
  return request.classification ? u"On File Classification" : u"On File Simulation";
}

void FileSimulationForm::BrowseInput(Shell& shell) {
  if (auto path = shell.ChooseFileToOpen(DataChooser(inputIsText, u"Select the input file"))) input = *path;
}

void FileSimulationForm::BrowseOutput(Shell& shell) {
  if (auto path = shell.ChooseFileToSave(DataChooser(outputIsText, u"Select the output file")))
    output = *path;
}

std::optional<Balloon> FileSimulationForm::Accept() {
  if (input.empty()) return Balloon{kInputField, Title(), kNameRequired};
  if (output.empty()) return Balloon{kOutputField, Title(), kNameRequired};
  // Writing the output over the input would destroy the data being read.
  if (SamePath(input, output)) return Balloon{kOutputField, Title(), kSameFile};
  request.input = input;
  request.output = output;
  request.inputIsText = inputIsText || request.classification;
  request.outputIsText = outputIsText || request.classification;
  request.openResult = openResult;
  return std::nullopt;
}
