#pragma once
#include "cli/Command.h"

// The command definitions, one per source file.
Command NetNewCommand();
Command InfoCommand();
Command TrainCommand();
Command SimulateCommand();
Command ClassifyCommand();
Command AnalyzeCommand();
Command BuildCommand();
Command BuilderNewCommand();
Command BuilderSetCommand();
Command FftCommand();
Command IfftCommand();
Command FilterCommand();
Command PreCommand();
Command PostCommand();
Command PredictSetCommand();
Command ReplaceCommand();
Command PruneCommand();
