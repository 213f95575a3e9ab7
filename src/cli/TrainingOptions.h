#pragma once
#include <string>
#include <vector>

#include "app/Workspace.h"
#include "cli/Arguments.h"
#include "cli/TerminalShell.h"
#include "net/TrainingSetup.h"

// The training settings the commands that train (train, loocv,
// select-features) take from their command line.
struct TrainOptions {
  trainingSetup setup;
  bool initGiven = false;
  // Digits to round the loaded set to; 0 for none.
  std::int32_t roundDigits = 0;
};

// The training settings of the command line over the workbench's defaults;
// false with `why` on a wrong option.
bool ReadTrainingOptions(const Arguments& args, TrainOptions& options, std::string& why);
// The training options, followed by a command's own.
std::vector<Arguments::OptionSpec> TrainingOptionSpecs(std::vector<Arguments::OptionSpec> more);

// Opens the network and loads the set into a workspace as the workbench
// does, with the command line's settings; false (the message shown) when
// either fails.
bool OpenTrainingWorkspace(Workspace& workspace, TerminalShell& shell, const std::string& network,
                           const std::string& set, TrainOptions& options);
// Ticks the monitor every refresh period, or at once when a run ends,
// redrawing the progress line after each tick, until the monitor has ended
// the run or the last run of a sequence.
void WatchRun(Workspace& workspace, TerminalShell& shell);
