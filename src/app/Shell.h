#pragma once
#include <cstdint>
#include <optional>
#include <string>

#include "net/NetworkSetup.h"
#include "numerics/Matrix.h"

class FeatureSelectionForm;
class FeatureSelectionResults;
class Scaler;
class TrainingSetupForm;
struct ValidationResult;

// A colour of the status and mse labels, (red, green, blue).
struct Colour {
  std::uint8_t red, green, blue;
  bool operator==(const Colour&) const = default;
};

inline constexpr Colour kAzure{0, 128, 255};
inline constexpr Colour kRed{255, 0, 0};
inline constexpr Colour kGreen{0, 255, 0};
inline constexpr Colour kYellow{255, 255, 0};

// The dashboard's list panels, in the order the main window lays them out.
enum class Panel {
  kNetwork,
  kTrainingInfo,
  kInitializationSetup,
  kOptimizationSetup,
  kFeatureSelectionSetup,
  kInitializationProgress,
  kOptimizationProgress,
  kFsLoocvProgress,
};
inline constexpr int kPanelCount = 8;

enum class Label { kStatus, kMse };
enum class Bar { kInitialization, kOptimization, kFsLoocv };
enum class Caption { kCurrentIndividual, kBestIndividual };

// A file chooser's filter (its description and pattern), default extension
// (without its dot, empty for none) and title.
struct FileChooser {
  std::u16string filter;
  std::u16string pattern;
  std::u16string extension;
  std::u16string title;
};

// The "Training Set Info" dialog: the network's style, domain and outputs
// are shown, the inputs and the rounding are edited. The rounding is +d
// when "round to" is ticked and -d when it is not.
struct TrainingSetInfoRequest {
  std::int32_t style = 0;
  bool complex = false;
  std::int32_t inputs = 0;
  std::int32_t outputs = 0;
  std::int32_t rounding = 0;
  // The fewest rows the network needs, shown on the "rows" button.
  std::int32_t minimumRows = 0;
};

// "On File Simulation" and "On File Classification": the files and the
// choices of their dialog. A classification reads text and writes text, so
// it has no text/binary choices.
struct FileSimulationRequest {
  bool classification = false;
  std::u16string input;
  std::u16string output;
  bool inputIsText = true;
  bool outputIsText = true;
  // Open the output with its associated program afterwards.
  bool openResult = false;
};

// Everything the workspace needs from a user interface. The workspace never
// calls a window system; the workbench's windows, the command line and the
// tests each implement this port.
class Shell {
 public:
  virtual ~Shell() = default;

  virtual bool AskYesNo(const std::u16string& text, const std::u16string& caption) = 0;
  virtual void ShowError(const std::u16string& text, const std::u16string& caption) = 0;
  virtual void ShowInformation(const std::u16string& text, const std::u16string& caption) = 0;
  // The chosen path, or nothing when the user cancels.
  virtual std::optional<std::u16string> ChooseFileToOpen(const FileChooser& chooser) = 0;
  virtual std::optional<std::u16string> ChooseFileToSave(const FileChooser& chooser) = 0;

  // Dialogs that edit a record; true when the user confirms with OK.
  virtual bool EditNetworkSetup(networkSetup& setup) = 0;
  virtual bool EditTrainingSetup(TrainingSetupForm& form) = 0;
  virtual bool EditTrainingSetInfo(TrainingSetInfoRequest& request) = 0;
  virtual bool EditScaler(Scaler& scaler, bool inputs) = 0;
  virtual bool EditFileSimulation(FileSimulationRequest& request) = 0;

  // Views and tools the workspace opens on data it hands over.
  virtual void ShowDataView(const Matrix& data, bool complex) = 0;
  virtual void ShowTrainingSet(const Matrix& set, const networkSetup& network) = 0;
  virtual void OpenBuilder(const std::u16string& path) = 0;
  virtual void ShowValidation(const ValidationResult& result) = 0;
  // The confusion-matrix view of a classifier, titled with its structure.
  virtual void ShowConfusion(const Matrix& confusion, const std::u16string& structure) = 0;
  virtual bool EditFeatureSelection(FeatureSelectionForm& form) = 0;
  virtual void ShowFeatureSelectionResults(const FeatureSelectionResults& results) = 0;

  // The platform's "open" of a file with the program associated with it.
  virtual void OpenWithAssociatedProgram(const std::u16string& path) = 0;
  virtual void ShowAbout() = 0;
  // The help viewer on a topic of the compiled help file.
  virtual void ShowHelp(const std::u16string& topic) = 0;
  // Exit: the main window goes, and with it the program.
  virtual void CloseMainWindow() = 0;

  virtual void SetWaitCursor(bool on) = 0;
  virtual void SetLabel(Label label, const std::u16string& text, Colour colour) = 0;
  virtual void SetPanelCell(Panel panel, int row, int column, const std::u16string& text) = 0;
  virtual void SetProgressBar(Bar bar, int percent) = 0;
  virtual void SetCaption(Caption caption, const std::u16string& text) = 0;
  // The mse plot changed: samples appended, cleared or its range moved.
  virtual void PlotChanged() = 0;
  virtual void EnableCommand(int id, bool enabled) = 0;
  virtual void CheckMenuItem(int id, bool checked) = 0;
  virtual void SetTitle(const std::u16string& title) = 0;
  virtual void StartTimer(std::uint32_t periodMs) = 0;
  virtual void StopTimer() = 0;
  // Gives the keyboard focus back to the main window.
  virtual void FocusMainWindow() = 0;
  // Called on the training thread when a run has ended, so the shell can
  // tick the monitor at once; nothing else may be done from that thread.
  virtual void TrainingThreadEnded() {}
};
