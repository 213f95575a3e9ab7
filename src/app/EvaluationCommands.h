#pragma once
#include <cstdint>

#include "data/FeatureSelection.h"
#include "data/FeatureSelectionForm.h"
#include "data/LeaveOneOut.h"

class Workspace;

// The workspace's evaluation commands: validating a set, the confusion
// matrix, and the two sequences of training runs (leave-one-out
// cross-validation and feature selection) that the monitor advances each
// time a run ends.
class EvaluationCommands {
 public:
  explicit EvaluationCommands(Workspace& workspace) : workspace(workspace) {}

  void ValidateTrainingSet();
  void ComputeConfusionCommand();
  void ShowConfusionView();
  void StartLoocv();
  void AdvanceLoocv();
  void StartFeatureSelection();
  void AdvanceFeatureSelection();
  void ShowFeatureSelectionResults();
  // The Stop command: the sequence ends after the present run.
  void Cancel();

  bool LoocvRunning() const { return loocvRunning; }
  bool FeatureSelectionRunning() const { return featureSelectionRunning; }
  const LeaveOneOut& Loocv() const { return loocv; }
  const FeatureSelection& Search() const { return search; }
  const FeatureSelectionSettings& Settings() const { return settings; }

 private:
  // Shows the progress of the sequence in the FS - LOOCV panel and bar.
  void ShowLoocvProgress();
  void ShowSearchProgress();
  void ShowIndividuals();
  // The remaining time of a sequence at `percent`, from its start.
  std::u16string SequenceTimeLeft(double percent) const;
  // The end of either sequence, after the full set is back.
  void EndSequence();

  Workspace& workspace;
  LeaveOneOut loocv;
  FeatureSelection search;
  FeatureSelectionSettings settings;
  std::uint64_t sequenceStart = 0;
  bool loocvRunning = false;
  bool featureSelectionRunning = false;
};
