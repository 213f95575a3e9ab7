#include "app/CommandTable.h"

namespace CommandTable {

const std::vector<CommandEntry>& All() {
  // clang-format off
  static const std::vector<CommandEntry> entries = {
      {kCmdOpenFile, u"&Open File", u"Open File"},
      {kCmdSaveNetwork, u"&Save Network", u"Save Network As"},
      {kCmdNewDataSet, u"&New Data Set", u"New Data Set (Training or Validation)"},
      {kCmdSaveReport, u"Save &Report", u"Save Report (HTML)"},
      {kCmdExit, u"E&xit", nullptr},
      {kCmdLayerNetworkSetup, u"Layer Network S&etup...", u"Layer Network Setup"},
      {kCmdKohonenSetup, u"&Kohonen Network Setup...", u"Kohonen Network Setup"},
      {kCmdDeleteNetwork, u"&Delete", u"Delete Network"},
      {kCmdInputScaling, u"&Input scaling", u"Input scaling"},
      {kCmdOutputScaling, u"&Output scaling", u"Output scaling"},
      {kCmdFileSimulation, u"On File &Simulation...", u"On File Simulation"},
      {kCmdValidate, u"&Validate Training Set", u"Validate Training Set"},
      {kCmdLoocv, u"LOO C&ross-Validation", u"Leave-one-out cross-validation"},
      {kCmdFileClassification, u"On File C&lassification...", u"On File Classification"},
      {kCmdComputeConfusion, u"Compute Confusion Matri&x", u"Compute Confusion Matrix"},
      {kCmdStart, u"S&tart", u"Start Training"},
      {kCmdStop, u"&Stop", u"Stop Training"},
      {kCmdTrainingSetup, u"S&etup...", u"Training Setup"},
      {kCmdLoadTrainingSet, u"L&oad Trainins Set", u"Load Training Set from File"},
      {kCmdShowTrainingSet, u"S&how Training Set...", u"Show Training Set"},
      {kCmdDeleteTrainingSet, u"&Delete Training Set", u"Delete Training Set"},
      {kCmdFeatureSelection, u"&Start Feature Selection", u"Feature Selection"},
      {kCmdFeatureSelectionResults, u"&View Feature Selection Results...", nullptr},
      {kCmdPruneTrainingSet, u"&Prune Training Set...", nullptr},
      {kCmdPreProcessing, u"Pr&e-processing", nullptr},
      {kCmdPostProcessing, u"Pos&t_processing", nullptr},
      {kCmdFftLab, u"&FFT Lab", u"FFT Lab"},
      {kCmdIfftLab, u"&IFFT Lab", u"IFFT Lab"},
      {kCmdPredictionSet, u"&Build training set", u"Creates a Prediction Training Set"},
      {kCmdFilteringLab, u"&Filtering Lab", u"Filtering Lab"},
      {kCmdPolarViewer, u"Polar file &viewer", u"Opens a File Using the Polar Viewer"},
      {kCmdXyViewer, u"X-&Y file viewer", u"Opens a File using the x-y Viewer"},
      {kCmdCsvExplorer, u"&CSV data explorer", u"CSV Data Explorer"},
      {kCmdReplaceInFiles, u"&Replace in files", nullptr},
      {kCmdMemoryInformation, u"&Memory Information", nullptr},
      {kCmdConfusionView, u"Con&fusion Matrix", u"Show Confusion Matrix"},
      {kCmdHidden1Weights, u"Hidden &1 Weights...", u"Hidden 1 Layer Weights (Hinton)"},
      {kCmdHidden2Weights, u"Hidden &2 Weights...", u"Hidden 2 Layer Weights (Hinton)"},
      {kCmdOutputWeights, u"&Output Weights...", u"Output Layer Weights (Hinton)"},
      {kCmdEverySecond, u"&Every second", nullptr},
      {kCmdEvery2Seconds, u"Every &2 seconds", nullptr},
      {kCmdEvery4Seconds, u"Every &4 seconds", nullptr},
      {kCmdEvery8Seconds, u"Every &8 seconds", nullptr},
      {kCmdEvery16Seconds, u"Every 1&6 seconds", nullptr},
      {kCmdAbout, u"&About ...", nullptr},
      {kCmdTutorial, u"&Tutorial", nullptr},
  };
  // clang-format on
  return entries;
}

const CommandEntry* Find(std::int32_t id) {
  for (const CommandEntry& entry : All())
    if (entry.id == id) return &entry;
  return nullptr;
}

const std::vector<std::int32_t>& Toolbar() {
  static const std::vector<std::int32_t> buttons = {
      kCmdSaveNetwork,
      kCmdSaveReport,
      kCmdOpenFile,
      kCmdNewDataSet,
      kCmdInputScaling,
      kCmdLayerNetworkSetup,
      kCmdOutputScaling,
      kCmdDeleteNetwork,
      kCmdHidden1Weights,
      kCmdHidden2Weights,
      kCmdOutputWeights,
      kCmdStart,
      kCmdFeatureSelection,
      kCmdStop,
      kCmdTrainingSetup,
      kCmdLoadTrainingSet,
      kCmdShowTrainingSet,
      kCmdDeleteTrainingSet,
      kCmdFileSimulation,
      kCmdValidate,
      kCmdConfusionView,
      kCmdLoocv,
      kCmdFileClassification,
      kCmdComputeConfusion,
      kCmdCsvExplorer,
      kCmdFftLab,
      kCmdIfftLab,
      kCmdPredictionSet,
      kCmdFilteringLab,
      kCmdPolarViewer,
      kCmdXyViewer,
  };
  return buttons;
}

const std::vector<RefreshEntry>& RefreshIntervals() {
  static const std::vector<RefreshEntry> intervals = {
      {kCmdEverySecond, 1000},   {kCmdEvery2Seconds, 2000},   {kCmdEvery4Seconds, 4000},
      {kCmdEvery8Seconds, 8000}, {kCmdEvery16Seconds, 16000},
  };
  return intervals;
}

}  // namespace CommandTable
