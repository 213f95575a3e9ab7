#include "app/Workspace.h"

#include "app/CommandTable.h"
#include "app/FileProbes.h"
#include "app/Report.h"
#include "app/TrainingSetupForm.h"
#include "data/TrainingSetLayout.h"
#include "data/TrainingSetLoader.h"
#include "net/NetworkDescription.h"
#include "platform/Env.h"
#include "platform/Text.h"

namespace {

constexpr const char16_t* kCaption = u"Tessarion";
constexpr const char16_t* kNone = u"-------";
constexpr std::size_t kDroppedPathUnits = 1024;

const FileChooser kNetworkFiles{u"Tessarion Files (*.tsn)", u"*.tsn", u"tsn", u"Load Tessarion File"};
const FileChooser kCsvFiles{u"Comma delimited data files (*.csv)", u"*.csv", u"", u""};

const char16_t* StyleText(std::int32_t style) {
  switch (style) {
    case kGeneric: return u"Generic";
    case kClassifier: return u"Classifier";
    case kOutputEqualsInput: return u"Output = Input";
    default: return u"Error";
  }
}

// The initialisation method as the Network panel refresh names it.
const char16_t* NetworkPanelMethodName(std::int32_t method) {
  static const char16_t* const names[] = {u"Anneal+Regress", u"Genetic", u"Regression", u"Annealing",
                                          u"Genetic+Regress"};
  return method >= 0 && method <= 4 ? names[method] : u"";
}

// The same as the setup panels name it.
const char16_t* SetupPanelMethodName(std::int32_t method) {
  static const char16_t* const names[] = {u"Anneal+Regress", u"Genetic", u"Regression", u"Anneal",
                                          u"Genetic+Regress"};
  return method >= 0 && method <= 4 ? names[method] : u"";
}

const char16_t* OptimizationName(std::int32_t method) {
  static const char16_t* const names[] = {u"Conjugate Gradient", u"Levenberg Marquardt", u"Variable Metric"};
  return method >= 0 && method <= 2 ? names[method] : u"";
}

// A path held as UTF-16 text, for the file layer.
std::filesystem::path PathOf(const std::u16string& text) {
  return platform::PathFromUtf8(platform::Utf16ToUtf8(text));
}

std::u16string UpperLastFour(const std::u16string& path) {
  std::u16string tail = path.size() >= 4 ? path.substr(path.size() - 4) : path;
  for (char16_t& c : tail)
    if (c >= u'a' && c <= u'z') c = static_cast<char16_t>(c - u'a' + u'A');
  return tail;
}

// A size for the memory report: its byte count as the 32-bit figure the
// report was made for (larger sizes show as that figure's maximum), in MB.
double Megabytes(std::uint64_t bytes) {
  const std::uint64_t capped = bytes > 0xFFFFFFFFu ? 0xFFFFFFFFu : bytes;
  return static_cast<std::uint32_t>(capped) * (1.0 / 1048576);
}

// Training Info rows.
constexpr int kSetSizeRow = 0, kGoalRow = 2, kCyclesRow = 3;

}  // namespace

// Shows the busy cursor for the life of the object.
class Workspace::WaitCursor {
 public:
  explicit WaitCursor(Shell& shell) : shell(shell) { shell.SetWaitCursor(true); }
  ~WaitCursor() { shell.SetWaitCursor(false); }

 private:
  Shell& shell;
};

Workspace::Workspace(Shell& shell, std::size_t plotWidth)
    : shell(shell),
      startTick(static_cast<std::uint32_t>(platform::Env::Current().Ticks())),
      dashboard(shell),
      plot(plotWidth),
      monitor(*this),
      evaluation(*this) {
  setup.SetFileIdentity();
  classificationFiles.classification = true;
  BindAll();
}

void Workspace::OnWindowCreated() {
  RefreshNetworkPanel();
  RefreshSetupPanels();
  ShowTrainingSetSize();
  dashboard.ShowAll();
  for (const auto& entry : CommandTable::RefreshIntervals())
    shell.CheckMenuItem(entry.id, entry.periodMs == refreshIntervalMs);
  RefreshEnabling();
}

bool Workspace::Execute(std::int32_t id) {
  if (!commands.IsEnabled(id)) return false;
  switch (id) {
    case kCmdOpenFile: OpenFileCommand(); return true;
    case kCmdSaveNetwork: SaveNetwork(); return true;
    case kCmdSaveReport: SaveReport(); return true;
    case kCmdLayerNetworkSetup: NewNetwork(); return true;
    case kCmdDeleteNetwork: DeleteNetwork(); return true;
    case kCmdInputScaling: EditScaling(true); return true;
    case kCmdOutputScaling: EditScaling(false); return true;
    case kCmdStart: StartTraining(); return true;
    case kCmdStop: StopTraining(); return true;
    case kCmdTrainingSetup: EditTrainingSetup(); return true;
    case kCmdLoadTrainingSet: LoadTrainingSet(true); return true;
    case kCmdShowTrainingSet: ShowTrainingSet(); return true;
    case kCmdDeleteTrainingSet: DeleteTrainingSet(); return true;
    case kCmdCsvExplorer: ExploreCsvFile(); return true;
    case kCmdMemoryInformation: ShowMemoryInformation(); return true;
    case kCmdFileSimulation: SimulateOnFile(false); return true;
    case kCmdFileClassification: SimulateOnFile(true); return true;
    case kCmdAbout: shell.ShowAbout(); return true;
    case kCmdTutorial: shell.ShowHelp(u"Tessarion.chm::index.htm"); return true;
    case kCmdExit: shell.CloseMainWindow(); return true;
    case kCmdValidate: evaluation.ValidateTrainingSet(); return true;
    case kCmdComputeConfusion: evaluation.ComputeConfusionCommand(); return true;
    case kCmdConfusionView: evaluation.ShowConfusionView(); return true;
    case kCmdLoocv: evaluation.StartLoocv(); return true;
    case kCmdFeatureSelection: evaluation.StartFeatureSelection(); return true;
    case kCmdFeatureSelectionResults: evaluation.ShowFeatureSelectionResults(); return true;
    default: break;
  }
  for (const auto& entry : CommandTable::RefreshIntervals()) {
    if (entry.id != id) continue;
    SetRefreshInterval(entry.periodMs);
    return true;
  }
  return false;
}

LayerNet1& Workspace::Slot(int kind) {
  if (kind == 3) return three;
  return kind == 2 ? static_cast<LayerNet1&>(two) : one;
}

LayerNet1* Workspace::CurrentNetwork() {
  return networkKind >= 1 && networkKind <= 3 ? &Slot(networkKind) : nullptr;
}

void Workspace::BindAll() {
  for (int kind = 1; kind <= 3; ++kind) Slot(kind).Bind(&trainingSet, &progress, trainingSettings);
}

void Workspace::ClearNetworks() {
  for (int kind = 1; kind <= 3; ++kind) Slot(kind).Destroy();
  networkKind = -1;
}

void Workspace::DiscardTrainingSet() {
  trainingSetFileName.clear();
  trainingSet.Free();
  ShowTrainingSetSize();
  RefreshEnabling();
}

void Workspace::ShowTrainingSetSize() {
  dashboard.SetValue(Panel::kTrainingInfo, kSetSizeRow,
                     platform::Format("%d x %d", trainingSet.Rows(), trainingSet.Cols()));
}

void Workspace::EnterBusy() {
  commands.EnterBusy();
  commands.Publish([this](std::int32_t id, bool enabled) { shell.EnableCommand(id, enabled); });
}

void Workspace::LeaveBusy() {
  commands.LeaveBusy();
  RefreshEnabling();
}

void Workspace::RefreshEnabling() {
  commands.ApplyRules(networkKind, setup.style, trainingSet.Rows());
  commands.Publish([this](std::int32_t id, bool enabled) { shell.EnableCommand(id, enabled); });
}

void Workspace::SetTitleFromPath(const std::optional<std::u16string>& path) {
  dashboard.SetTitle(windowTitle.Update(path));
}

void Workspace::RefreshNetworkPanel() {
  const bool layered = networkKind >= 1 && networkKind <= 3;
  if (layered || networkKind == 4) {
    dashboard.SetValue(Panel::kNetwork, 0, NetworkDescription::Short(networkKind, setup));
    dashboard.SetValue(Panel::kNetwork, 1, StyleText(setup.style));
    dashboard.SetValue(Panel::kNetwork, 2, layered ? u"Layer network" : u"Kohonen network");
    dashboard.SetValue(Panel::kNetwork, 3, platform::Format("%d", layered ? networkKind - 1 : 0));
    dashboard.SetValue(Panel::kNetwork, 4, setup.complex ? u"Complex" : u"Real");
  } else {
    for (int row = 0; row < 5; ++row) dashboard.SetValue(Panel::kNetwork, row, kNone);
  }
  trainingSettings.initializationMethod = networkKind == 1 ? kAnnealing : kAnnealRegress;
  if (networkKind != 4)
    dashboard.SetValue(Panel::kInitializationSetup, 0,
                       NetworkPanelMethodName(trainingSettings.initializationMethod));
  if (networkKind == 1 || networkKind == 2) dashboard.SetLabel(Label::kStatus, u"ANN", kAzure);
}

void Workspace::RefreshInitializationSetup() {
  const trainingSetup& s = trainingSettings;
  const std::int32_t method = s.initializationMethod;
  dashboard.SetValue(Panel::kInitializationSetup, 0, SetupPanelMethodName(method));
  dashboard.SetValue(Panel::kInitializationSetup, 1, platform::Format("%d", s.initializationAttempts));
  struct Row {
    const char16_t* label;
    std::u16string value;
  };
  std::vector<Row> rows;
  const char16_t* firstProgressLabel = u"Temperature:";
  const char16_t* firstProgressValue = u"0";
  if (method == kGenetic || method == kGeneticRegress) {
    rows = {{u"Init. Pop.:", platform::Format("%d", s.genetic.population)},
            {u"Generations:", platform::Format("%d", s.genetic.generations)},
            {u"Mut. Prob.:", platform::Format("%g", s.genetic.mutation)},
            {u"Cross. Prob.:", platform::Format("%g", s.genetic.crossover)}};
    firstProgressLabel = u"Generation:";
  } else if (method == kAnnealRegress || method == kAnnealing) {
    rows = {{u"Init Temp:", platform::Format("%g", s.annealing.startTemperature)},
            {u"End Temp:", platform::Format("%g", s.annealing.endTemperature)},
            {u"Iterations:", platform::Format("%d", s.annealing.iterations)},
            {u"No. Temps:", platform::Format("%d", s.annealing.temperatures)}};
  } else {
    rows.assign(4, {u"   ", u"   "});
    firstProgressLabel = u"Status:";
    firstProgressValue = u"------";
  }
  for (int i = 0; i < 4; ++i) {
    dashboard.SetRowLabel(Panel::kInitializationSetup, 2 + i, rows[i].label);
    dashboard.SetValue(Panel::kInitializationSetup, 2 + i, rows[i].value);
  }
  dashboard.SetRowLabel(Panel::kInitializationProgress, 0, firstProgressLabel);
  const char16_t* progressValues[] = {firstProgressValue, u"0", u"1.0000", u"Unknown"};
  for (int i = 0; i < 4; ++i) dashboard.SetValue(Panel::kInitializationProgress, i, progressValues[i]);
}

void Workspace::RefreshSetupPanels() {
  RefreshInitializationSetup();
  dashboard.SetValue(Panel::kTrainingInfo, kGoalRow, platform::Format("%g", trainingSettings.goal));
  dashboard.SetValue(Panel::kTrainingInfo, kCyclesRow, platform::Format("%d", trainingSettings.cycles));
  dashboard.SetValue(Panel::kOptimizationSetup, 0, OptimizationName(trainingSettings.optimizationMethod));
  dashboard.SetValue(Panel::kOptimizationSetup, 1, platform::Format("%d", trainingSettings.epochs));
  dashboard.SetValue(Panel::kFeatureSelectionSetup, 0,
                     platform::Format("%d", evaluation.Settings().population));
  dashboard.SetValue(Panel::kFeatureSelectionSetup, 1,
                     platform::Format("%d", evaluation.Settings().generations));
  plot.SetRange(trainingSettings.goal);
  shell.PlotChanged();
}

void Workspace::OpenFileCommand() {
  const auto path = shell.ChooseFileToOpen(kNetworkFiles);
  if (!path) return;
  WaitCursor wait(shell);
  OpenFile(*path);
}

void Workspace::OpenFile(const std::u16string& path) {
  const std::u16string extension = UpperLastFour(path);
  if (extension == u".TSN") {
    char16_t message[256];
    const int verdict = FileProbes::ProbeBuilderDocument(PathOf(path), message, std::size(message));
    if (verdict == FileProbes::kProbeFailed) return shell.ShowError(message, path);
    if (verdict == FileProbes::kBuilderDocument) return shell.OpenBuilder(path);
    OpenNetworkFile(path);
  } else if (extension == u".CSV") {
    ExploreCsv(path);
  } else {
    shell.ShowError(u"Unable to open file", kCaption);
  }
  RefreshEnabling();
  RefreshNetworkPanel();
}

void Workspace::OpenNetworkFile(const std::u16string& path) {
  const std::filesystem::path file = PathOf(path);
  ClearNetworks();
  DiscardTrainingSet();
  std::u16string message;
  const int kind = FileProbes::ProbeNetworkKind(file, message);
  if (kind < 0) return FailNetworkOpen(path, message);
  if (kind <= 3) {
    if (Message error = Slot(kind).Load(file)) return FailNetworkOpen(path, error);
    Slot(kind).GetSetup(setup);
  }
  networkKind = kind;
  dashboard.SetLabel(Label::kStatus, u"Loaded ANN", kAzure);
  dashboard.SetLabel(Label::kMse, u"mse: Unknown", kRed);
  DiscardTrainingSet();
  SetTitleFromPath(path);
}

void Workspace::FailNetworkOpen(const std::u16string& path, const std::u16string& message) {
  shell.ShowError(message, path);
  ClearNetworks();
  setup.family = networkSetup::kLayerFamily;
  setup.inputs = setup.outputs = setup.hidden1 = setup.hidden2 = 0;
  setup.hidden1Activation = setup.hidden2Activation = setup.outputActivation = 0;
  setup.style = 0;
  setup.complex = 0;
  dashboard.SetLabel(Label::kStatus, u"ERROR", kAzure);
  dashboard.SetLabel(Label::kMse, u"mse: Unknown", kRed);
  DiscardTrainingSet();
}

void Workspace::ExploreCsv(const std::u16string& path) {
  Matrix data;
  if (Message error = data.LoadCsv(PathOf(path))) return shell.ShowError(error, path);
  const bool complex = shell.AskYesNo(u"Is the data file complex?", kCaption);
  shell.ShowDataView(data, complex);
}

void Workspace::ExploreCsvFile() {
  FileChooser chooser = kCsvFiles;
  chooser.title = u"Open a data file";
  const auto path = shell.ChooseFileToOpen(chooser);
  if (!path) return;
  WaitCursor wait(shell);
  ExploreCsv(*path);
}

void Workspace::OnDroppedFile(const std::u16string& path) {
  if (path.size() < 4) return;
  OpenFile(path.substr(0, kDroppedPathUnits));
}

void Workspace::OnCommandLine(const std::u16string& commandLine) {
  if (commandLine.size() <= 2) return;
  std::u16string path;
  for (char16_t c : commandLine)
    if (c != u'"') path += c;
  OpenFile(path);
}

void Workspace::SaveNetwork() {
  FileChooser chooser = kNetworkFiles;
  chooser.title = u"Save Tessarion File";
  const auto path = shell.ChooseFileToSave(chooser);
  if (!path) return;
  WaitCursor wait(shell);
  if (LayerNet1* network = CurrentNetwork()) {
    if (Message error = network->Save(PathOf(*path))) return shell.ShowError(error, kCaption);
  }
  SetTitleFromPath(*path);
}

void Workspace::SaveReport() {
  const auto path = shell.ChooseFileToSave({u"Web files (*.htm)", u"*.htm", u"htm", u"Save report"});
  if (!path) return;
  WaitCursor wait(shell);
  const std::u16string error = Report::Write(PathOf(*path), dashboard, NetworkFileName());
  if (!error.empty()) shell.ShowError(error, u"Saving report Tessarion");
}

void Workspace::NewNetwork() {
  LayerNet1* old = CurrentNetwork();
  const Scaler inputScaler = old ? old->InputScaler() : Scaler();
  const Scaler outputScaler = old ? old->OutputScaler() : Scaler();
  networkSetup edited = setup;
  if (shell.EditNetworkSetup(edited)) {
    const bool sameShape =
        edited.inputs == setup.inputs && edited.outputs == setup.outputs && edited.complex == setup.complex;
    const bool carry = sameShape && old != nullptr;
    if (!sameShape) DiscardTrainingSet();
    setup = edited;
    trainingSettings.continueTraining = 0;
    WaitCursor wait(shell);
    if (CreateNetwork(carry ? &inputScaler : nullptr, carry ? &outputScaler : nullptr))
      RefreshNetworkPanel();
    else
      shell.ShowError(u"No enough memory to allocate network", kCaption);
  }
  dashboard.SetLabel(Label::kStatus, u"New ANN", kAzure);
  dashboard.SetLabel(Label::kMse, u"mse: 1.0000", kRed);
  RefreshEnabling();
}

bool Workspace::CreateNetwork(const Scaler* inputScaler, const Scaler* outputScaler) {
  ClearNetworks();
  const int kind = setup.hidden1 == 0 ? 1 : (setup.hidden2 != 0 ? 3 : 2);
  LayerNet1& network = Slot(kind);
  if (!network.Create(setup, true)) return false;
  if (inputScaler) network.InputScaler() = *inputScaler;
  if (outputScaler) network.OutputScaler() = *outputScaler;
  networkKind = kind;
  return true;
}

void Workspace::DeleteNetwork() {
  if (!shell.AskYesNo(u"Are you sure you want to delete the network?", kCaption)) return;
  WaitCursor wait(shell);
  ClearNetworks();
  DiscardTrainingSet();
  RefreshEnabling();
  RefreshNetworkPanel();
  dashboard.SetLabel(Label::kStatus, u"None ANN", kAzure);
  dashboard.SetLabel(Label::kMse, u"mse: ------", kRed);
}

void Workspace::EditScaling(bool inputs) {
  LayerNet1* network = CurrentNetwork();
  if (!network) return;
  Scaler& scaler = inputs ? network->InputScaler() : network->OutputScaler();
  Scaler copy = scaler;
  if (!shell.EditScaler(copy, inputs)) return;
  const bool changed = copy.Differs(scaler);
  scaler = copy;
  if (changed) DiscardTrainingSet();
}

void Workspace::EditTrainingSetup() {
  TrainingSetupForm form(trainingSettings, networkKind);
  if (shell.EditTrainingSetup(form)) ApplyTrainingSetup();
}

void Workspace::ApplyTrainingSetup() {
  if (trainingSettings.initializationMethod == kRegression) trainingSettings.initializationAttempts = 1;
  BindAll();
  RefreshSetupPanels();
}

bool Workspace::LoadTrainingSet(bool showView) {
  if (networkKind < 1) return false;
  TrainingSetInfoRequest request{
      setup.style,
      setup.complex != 0,
      setup.inputs,
      setup.outputs,
      0,
      MinimumRows(setup.inputs, setup.hidden1, setup.hidden2, setup.outputs, setup.complex != 0)};
  if (!shell.EditTrainingSetInfo(request)) return false;
  FileChooser chooser = kCsvFiles;
  chooser.title = u"Select the Training Set file";
  const auto path = shell.ChooseFileToOpen(chooser);
  if (!path) return false;
  WaitCursor wait(shell);
  DiscardTrainingSet();
  TrainingSetLoad options;
  options.inputs = request.inputs;
  options.roundDigits = request.rounding;
  options.isFeatureSelectionSet = [this] {
    return shell.AskYesNo(u"Is this a training set for feature selection?", kCaption);
  };
  // A Kohonen network has no layer network object; the empty slot asks for
  // no particular width.
  const LayerNet1& network = CurrentNetwork() ? *CurrentNetwork() : one;
  bool featureSelection = false;
  Matrix loaded;
  if (Message error = ::LoadTrainingSet(PathOf(*path), network, options, loaded, featureSelection)) {
    shell.ShowError(error, kCaption);
    return false;
  }
  trainingSet.Swap(loaded);
  trainingSetFileName = path->substr(0, kTrainingSetNameUnits - 1);
  ShowTrainingSetSize();
  RefreshEnabling();
  if (showView) shell.ShowTrainingSet(trainingSet, setup);
  return true;
}

void Workspace::ShowTrainingSet() { shell.ShowTrainingSet(trainingSet, setup); }

void Workspace::DeleteTrainingSet() {
  if (shell.AskYesNo(u"Are you sure you want to delete the training set?", kCaption)) DiscardTrainingSet();
  RefreshEnabling();
}

std::u16string Workspace::MemoryReport() const {
  const platform::MemoryStatus m = platform::Env::Current().Memory();
  return platform::Format(
      "Memory load:  %d%%\r\n\r\nTotal physical:  %.6f MB\r\nPhysical available:  %.6f MB\r\n\r\nTotal page "
      "file:  %.6f MB\r\nPage available:  %.6f MB\r\n\r\nTotal virtual:  %.6f MB\r\nVirtual available:  %.6f "
      "MB",
      static_cast<int>(m.loadPercent), Megabytes(m.totalPhysical), Megabytes(m.availablePhysical),
      Megabytes(m.totalPageFile), Megabytes(m.availablePageFile), Megabytes(m.totalVirtual),
      Megabytes(m.availableVirtual));
}

void Workspace::SimulateOnFile(bool classification) {
  LayerNet1* network = CurrentNetwork();
  if (!network) return;
  FileSimulationRequest& request = classification ? classificationFiles : simulationFiles;
  if (!shell.EditFileSimulation(request)) return;
  Message error;
  {
    WaitCursor wait(shell);
    const std::filesystem::path input = PathOf(request.input), output = PathOf(request.output);
    error = classification ? network->ClassifyFile(input, output)
                           : network->SimulateFile(input, output, request.inputIsText, request.outputIsText);
  }
  if (error) return shell.ShowError(error, u"Tessarion");
  if (request.openResult) shell.OpenWithAssociatedProgram(request.output);
}

void Workspace::ShowMemoryInformation() { shell.ShowInformation(MemoryReport(), u"Memory Information"); }

void Workspace::SetRefreshInterval(std::uint32_t periodMs) {
  refreshIntervalMs = periodMs;
  for (const auto& entry : CommandTable::RefreshIntervals())
    shell.CheckMenuItem(entry.id, entry.periodMs == periodMs);
  monitor.RestartTimer();
}

bool Workspace::PrepareProgressFile() {
  if (trainingSettings.progressFile.empty()) return true;
  if (monitor.File().Create(PathOf(trainingSettings.progressFile))) return true;
  shell.ShowError(u"Unable to write training progress file", kCaption);
  return false;
}

void Workspace::StartTraining() {
  if (networkKind == 4) return shell.ShowInformation(u"A Kohonen network cannot be trained", kCaption);
  if (!CurrentNetwork()) return;
  if (Message error = CheckNetworkFitsSet(setup, trainingSet)) return shell.ShowError(error, kCaption);
  if (!PrepareProgressFile()) return;
  dashboard.SetBar(Bar::kFsLoocv, 0);
  dashboard.SetValue(Panel::kFsLoocvProgress, 0, u"1");
  dashboard.SetValue(Panel::kFsLoocvProgress, 1, u"0");
  dashboard.SetCaption(Caption::kCurrentIndividual, u"Feature Selection: CURRENT INDIVIDUAL");
  dashboard.SetCaption(Caption::kBestIndividual, u"Feature Selection: BEST INVIDIVIDUAL");
  dashboard.SetLabelColour(Label::kMse, kRed);
  dashboard.SetLabel(Label::kStatus, u"Running...", kGreen);
  monitor.PrepareRun();
  startTick = static_cast<std::uint32_t>(platform::Env::Current().Ticks());
  StartRun();
}

void Workspace::StartRun() {
  LayerNet1& network = *CurrentNetwork();
  network.Bind(&trainingSet, &progress, trainingSettings);
  network.SetFinishedNotice([this] { shell.TrainingThreadEnded(); });
  // A thread that cannot start leaves the flag down; the next tick ends the run.
  if (!network.Start()) shell.ShowError(u"The training thread cannot be started", kCaption);
}

void Workspace::RefreshAfterSequence() {
  ShowTrainingSetSize();
  dashboard.SetBar(Bar::kInitialization, 0);
  dashboard.SetBar(Bar::kOptimization, 0);
  SetTitleFromPath(std::nullopt);
}

void Workspace::StopTraining() {
  dashboard.SetTitle(u"Please wait, trying to stop ...");
  evaluation.Cancel();
  for (int kind = 1; kind <= 3; ++kind) Slot(kind).SetKeepRunning(false);
}
