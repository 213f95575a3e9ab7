#pragma once
#include <cstdint>
#include <string>

#include "app/CommandStates.h"
#include "app/Dashboard.h"
#include "app/EvaluationCommands.h"
#include "app/Monitor.h"
#include "app/MsePlot.h"
#include "app/Shell.h"
#include "app/WindowTitle.h"
#include "net/LayerNet3.h"
#include "net/NetworkSetup.h"
#include "net/TrainingProgress.h"
#include "net/TrainingSetup.h"
#include "numerics/Matrix.h"

// Everything the workbench is working on: at most one network, at most one
// training set, the training settings, the refresh interval and the flags of
// the background runs. Every menu and toolbar command is an operation on it;
// it reaches the user only through its Shell.
class Workspace {
 public:
  static constexpr std::size_t kTrainingSetNameUnits = 1024;
  static constexpr std::size_t kDefaultPlotWidth = 1921;

  // `plotWidth` is the number of samples the mse plot keeps (the screen's
  // width plus one in the workbench).
  explicit Workspace(Shell& shell, std::size_t plotWidth = kDefaultPlotWidth);
  Workspace(const Workspace&) = delete;
  Workspace& operator=(const Workspace&) = delete;

  // The main window exists: fill its panels and labels, apply the enabling.
  void OnWindowCreated();
  // Runs a menu or toolbar command. False for ids the workspace does not
  // handle (left to the window's default handling) and for a command that
  // is disabled.
  bool Execute(std::int32_t id);
  // The monitor's periodic timer.
  void OnTick() { monitor.OnTick(); }

  // Opening a file: the Open File command, a dropped file and the command
  // line all end here.
  void OpenFile(const std::u16string& path);
  void OnDroppedFile(const std::u16string& path);
  void OnCommandLine(const std::u16string& commandLine);

  void OpenFileCommand();
  void SaveNetwork();
  void SaveReport();
  void NewNetwork();
  void DeleteNetwork();
  void EditScaling(bool inputs);
  void StartTraining();
  void StopTraining();
  void EditTrainingSetup();
  // What follows a confirmed Training Setup: "Regression" makes one attempt,
  // the networks take a copy of the record, the panels show it.
  void ApplyTrainingSetup();
  // The load command: dialog, file chooser, load, checks. With `showView`
  // the training-set view opens on the new set.
  bool LoadTrainingSet(bool showView);
  void ShowTrainingSet();
  void DeleteTrainingSet();
  void ExploreCsvFile();
  // On File Simulation and On File Classification: the dialog, the run over
  // the file and, when asked, the result opened.
  void SimulateOnFile(bool classification);
  void ShowMemoryInformation();
  void SetRefreshInterval(std::uint32_t periodMs);
  std::u16string MemoryReport() const;

  int NetworkKind() const { return networkKind; }
  const networkSetup& NetworkSetup() const { return setup; }
  // The network of the current kind, or null without a layer network.
  LayerNet1* CurrentNetwork();
  LayerNet1& Slot(int kind);
  const Matrix& TrainingSet() const { return trainingSet; }
  const std::u16string& TrainingSetFileName() const { return trainingSetFileName; }
  trainingSetup& TrainingSetup() { return trainingSettings; }
  trainingProgress& Progress() { return progress; }
  std::uint32_t RefreshIntervalMs() const { return refreshIntervalMs; }
  std::uint32_t StartTick() const { return startTick; }
  const std::u16string& NetworkFileName() const { return windowTitle.NetworkFileName(); }
  bool FeatureSelectionRunning() const { return evaluation.FeatureSelectionRunning(); }
  bool LoocvRunning() const { return evaluation.LoocvRunning(); }
  EvaluationCommands& Evaluation() { return evaluation; }
  // The training set itself, which the runs of a sequence replace.
  Matrix& WorkingTrainingSet() { return trainingSet; }
  // Binds the current network to the training set, the progress record and
  // the setup, and starts its training thread.
  void StartRun();
  // After a sequence has put the full training set back.
  void RefreshAfterSequence();
  void DiscardTrainingSet();
  bool IsBusy() const { return commands.IsBusy(); }
  bool IsEnabled(std::int32_t id) const { return commands.IsEnabled(id); }

  Shell& GetShell() { return shell; }
  Dashboard& GetDashboard() { return dashboard; }
  const Dashboard& GetDashboard() const { return dashboard; }
  MsePlot& Plot() { return plot; }
  Monitor& GetMonitor() { return monitor; }

  // The busy state of a run and its end.
  void EnterBusy();
  void LeaveBusy();
  // Recomputes which commands are enabled and shows the changes.
  void RefreshEnabling();
  // The window title from a network file's path, or from the name held.
  void SetTitleFromPath(const std::optional<std::u16string>& path);
  // The Network panel and the initialisation method that suits the kind.
  void RefreshNetworkPanel();
  // The setup panels and the plot's range, from the training setup.
  void RefreshSetupPanels();

 private:
  class WaitCursor;

  void ClearNetworks();
  void ShowTrainingSetSize();
  void BindAll();
  bool CreateNetwork(const Scaler* inputScaler, const Scaler* outputScaler);
  void OpenNetworkFile(const std::u16string& path);
  void FailNetworkOpen(const std::u16string& path, const std::u16string& message);
  void ExploreCsv(const std::u16string& path);
  void RefreshInitializationSetup();
  bool PrepareProgressFile();

  Shell& shell;
  int networkKind = -1;
  networkSetup setup;
  Matrix trainingSet;
  std::u16string trainingSetFileName;
  trainingSetup trainingSettings;
  trainingProgress progress;
  // The files of the last simulation and classification, offered again.
  FileSimulationRequest simulationFiles;
  FileSimulationRequest classificationFiles;
  // After the set and the record they are bound to, so a network (whose
  // destructor waits for its thread) goes first.
  LayerNet1 one;
  LayerNet2 two;
  LayerNet3 three;
  std::uint32_t refreshIntervalMs = 1000;
  std::uint32_t startTick;
  WindowTitle windowTitle;
  CommandStates commands;
  Dashboard dashboard;
  MsePlot plot;
  Monitor monitor;
  EvaluationCommands evaluation;
};
