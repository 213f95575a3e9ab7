#pragma once
#include "cli/Command.h"

// The command definitions, one per source file.
Command NetNewCommand();
Command InfoCommand();
Command SimulateCommand();
Command ClassifyCommand();
Command AnalyzeCommand();
Command PruneCommand();
