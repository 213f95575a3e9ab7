#include "app/TrainingSetupForm.h"

#include <climits>

#include "numerics/NumberText.h"
#include "platform/Text.h"

namespace {

constexpr std::size_t kGoalCharacters = 23;
constexpr const char16_t* kTitle = u"Training setup";

// A network without hidden layer has no output layer of its own to fit by
// regression; networks with hidden layers always fit it.
int AdjustMethod(int method, int networkKind) {
  if (networkKind == 1) {
    if (method == kAnnealRegress) return kAnnealing;
    if (method == kGeneticRegress) return kGenetic;
  } else if (networkKind == 2 || networkKind == 3) {
    if (method == kRegression) return kAnnealRegress;
    if (method == kGenetic) return kGeneticRegress;
  }
  return method;
}

}  // namespace

std::int32_t ReadInteger(const std::u16string& text) {
  std::size_t i = 0;
  while (i < text.size() && (text[i] == u' ' || text[i] == u'\t')) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == u'-' || text[i] == u'+')) negative = text[i++] == u'-';
  long long value = 0;
  for (; i < text.size() && text[i] >= u'0' && text[i] <= u'9'; ++i) {
    value = value * 10 + (text[i] - u'0');
    if (value > INT_MAX) value = static_cast<long long>(INT_MAX) + 1;
  }
  if (negative) value = -value;
  if (value > INT_MAX) return INT_MAX;
  if (value < INT_MIN) return INT_MIN;
  return static_cast<std::int32_t>(value);
}

double ReadDouble(const std::u16string& text, std::size_t limit) {
  const std::string narrow = platform::Utf16ToUtf8(text.substr(0, limit));
  const char* stop = nullptr;
  return numbertext::ParseLeading(narrow.data(), narrow.data() + narrow.size(), &stop);
}

TrainingSetupForm::TrainingSetupForm(trainingSetup& record, int networkKind)
    : cyclesText(platform::Format("%d", record.cycles)),
      goalText(platform::Format("%g", record.goal)),
      epochsText(platform::Format("%d", record.epochs)),
      fileText(record.progressFile),
      optimizationMethod(record.optimizationMethod),
      continueTraining(record.continueTraining != 0),
      record(record),
      networkKind(networkKind),
      checkedMethod(AdjustMethod(record.initializationMethod, networkKind)),
      saveToFile(!record.progressFile.empty()) {}

bool TrainingSetupForm::IsMethodEnabled(int method) const {
  if (networkKind == 1) return method != kAnnealRegress && method != kGeneticRegress;
  if (networkKind == 2 || networkKind == 3) return method != kRegression && method != kGenetic;
  return true;
}

void TrainingSetupForm::ClickMethod(int method) { checkedMethod = method; }

void TrainingSetupForm::SetSaveToFile(bool checked) {
  saveToFile = checked;
  if (!checked) fileText.clear();
}

void TrainingSetupForm::Browse(Shell& shell) {
  const auto chosen = shell.ChooseFileToSave(
      {u"Comma delimited data files (*.csv)", u"*.csv", u"csv", u"Save training progress"});
  fileText = chosen ? *chosen : std::u16string();
}

std::optional<Balloon> TrainingSetupForm::Accept() {
  if (saveToFile && fileText.empty()) return Balloon{kFileField, kTitle, u"A valid file name is required"};
  if (ReadInteger(epochsText) < 1) return Balloon{kEpochsField, kTitle, u"The number of epochs is invalid"};
  if (ReadInteger(cyclesText) < 1) return Balloon{kCyclesField, kTitle, u"The number of cycles is invalid"};
  record.continueTraining = continueTraining ? 1 : 0;
  record.goal = ReadDouble(goalText, kGoalCharacters);
  record.epochs = ReadInteger(epochsText);
  record.cycles = ReadInteger(cyclesText);
  record.optimizationMethod = optimizationMethod;
  record.initializationMethod = checkedMethod == kNoMethod ? kRegression : checkedMethod;
  record.progressFile = saveToFile ? fileText.substr(0, trainingSetup::kProgressFileUnits) : std::u16string();
  return std::nullopt;
}
