#pragma once
#include <cstdint>
#include <vector>

// The main menu's and the toolbar's commands, by menu identifier.
enum CommandId : std::int32_t {
  kCmdAbout = 105,
  kCmdExit = 106,
  kCmdEverySecond = 32780,
  kCmdEvery2Seconds = 32781,
  kCmdStop = 32785,
  kCmdTrainingSetup = 32788,
  kCmdLayerNetworkSetup = 32789,
  kCmdSaveNetwork = 32791,
  kCmdOpenFile = 32792,
  kCmdHidden1Weights = 32805,
  kCmdHidden2Weights = 32806,
  kCmdOutputWeights = 32808,
  kCmdLoadTrainingSet = 32809,
  kCmdDeleteNetwork = 32814,
  kCmdShowTrainingSet = 32816,
  kCmdDeleteTrainingSet = 32819,
  kCmdFileSimulation = 32820,
  kCmdConfusionView = 32823,
  kCmdSaveReport = 32829,
  kCmdMemoryInformation = 32830,
  kCmdFileClassification = 32832,
  kCmdValidate = 32840,
  kCmdFeatureSelection = 32842,
  kCmdStart = 32843,
  kCmdPreProcessing = 32845,
  kCmdPostProcessing = 32846,
  kCmdKohonenSetup = 32848,
  kCmdFeatureSelectionResults = 32851,
  kCmdFftLab = 32852,
  kCmdPredictionSet = 32854,
  kCmdIfftLab = 32855,
  kCmdPolarViewer = 32858,
  kCmdXyViewer = 32859,
  kCmdFilteringLab = 32862,
  kCmdReplaceInFiles = 32866,
  kCmdCsvExplorer = 32867,
  kCmdTutorial = 32869,
  kCmdInputScaling = 32870,
  kCmdOutputScaling = 32871,
  kCmdPruneTrainingSet = 32875,
  kCmdLoocv = 32878,
  kCmdEvery4Seconds = 32880,
  kCmdEvery8Seconds = 32881,
  kCmdEvery16Seconds = 32883,
  kCmdComputeConfusion = 32884,
  kCmdNewDataSet = 32886,
};

// One command: its menu text and its toolbar tooltip (null for commands
// without a tooltip).
struct CommandEntry {
  std::int32_t id;
  const char16_t* menuText;
  const char16_t* tooltip;
};

// The one table of commands: the workspace enables and disables them, the
// window layer builds its menu entries and toolbar buttons from it.
namespace CommandTable {

// Every command, in menu order.
const std::vector<CommandEntry>& All();
// The entry of an id, or null for an id no entry names.
const CommandEntry* Find(std::int32_t id);
// The toolbar's buttons, left to right.
const std::vector<std::int32_t>& Toolbar();
// The refresh-interval commands with their periods, shortest first.
struct RefreshEntry {
  std::int32_t id;
  std::uint32_t periodMs;
};
const std::vector<RefreshEntry>& RefreshIntervals();

}  // namespace CommandTable
