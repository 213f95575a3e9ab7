#include "app/CommandStates.h"

#include "app/CommandTable.h"
#include "net/NetworkSetup.h"

CommandStates::CommandStates() { LeaveBusy(); }

bool CommandStates::IsEnabled(std::int32_t id) const {
  const auto found = states.find(id);
  return found != states.end() && found->second;
}

void CommandStates::SetAll(bool enabled) {
  for (const CommandEntry& entry : CommandTable::All()) Set(entry.id, enabled);
}

void CommandStates::EnterBusy() {
  busy = true;
  SetAll(false);
  Set(kCmdStop, true);
}

void CommandStates::LeaveBusy() {
  busy = false;
  SetAll(true);
  Set(kCmdStop, false);
  Set(kCmdKohonenSetup, false);
}

// The commands that need a layer network to analyse or to feed.
void CommandStates::DisableAnalysis() {
  for (std::int32_t id :
       {kCmdFileSimulation, kCmdValidate, kCmdConfusionView, kCmdFileClassification, kCmdComputeConfusion,
        kCmdLoocv, kCmdFeatureSelection, kCmdInputScaling, kCmdOutputScaling})
    Set(id, false);
}

void CommandStates::ApplyRules(int kind, std::int32_t style, std::int32_t rows) {
  if (busy) return;
  const bool hasRows = rows >= 1;
  Set(kCmdShowTrainingSet, hasRows);
  Set(kCmdDeleteTrainingSet, hasRows);
  if (kind >= 1 && kind <= 3) return ApplyLayerNetworkRules(kind, style, rows);
  const bool kohonen = kind == 4;
  for (std::int32_t id : {kCmdSaveNetwork, kCmdLoadTrainingSet, kCmdDeleteNetwork, kCmdOutputWeights})
    Set(id, kohonen);
  Set(kCmdStart, kohonen && hasRows);
  Set(kCmdTrainingSetup, hasRows);
  Set(kCmdHidden1Weights, false);
  Set(kCmdHidden2Weights, false);
  DisableAnalysis();
}

void CommandStates::ApplyLayerNetworkRules(int kind, std::int32_t style, std::int32_t rows) {
  const bool hasRows = rows >= 1;
  const bool classifier = style == kClassifier;
  for (std::int32_t id : {kCmdSaveNetwork, kCmdLoadTrainingSet, kCmdDeleteNetwork, kCmdOutputWeights,
                          kCmdInputScaling, kCmdValidate})
    Set(id, true);
  Set(kCmdStart, hasRows);
  Set(kCmdTrainingSetup, hasRows);
  Set(kCmdHidden1Weights, kind >= 2);
  Set(kCmdHidden2Weights, kind == 3);
  Set(kCmdFileSimulation, kind == 3 || !classifier);
  for (std::int32_t id : {kCmdConfusionView, kCmdFileClassification, kCmdComputeConfusion})
    Set(id, classifier);
  Set(kCmdLoocv, classifier && hasRows);
  Set(kCmdOutputScaling, style == kGeneric);
  Set(kCmdFeatureSelection, style != kOutputEqualsInput && hasRows);
}

void CommandStates::Publish(const std::function<void(std::int32_t id, bool enabled)>& show) {
  for (const auto& [id, enabled] : states) {
    const auto previous = shown.find(id);
    if (previous != shown.end() && previous->second == enabled) continue;
    shown[id] = enabled;
    show(id, enabled);
  }
}
