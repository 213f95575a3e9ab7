#pragma once
#include "cli/Command.h"

// The command definitions, one per source file.
Command FftCommand();
Command IfftCommand();
Command FilterCommand();
Command PreCommand();
Command PostCommand();
Command PredictSetCommand();
Command ReplaceCommand();
Command PruneCommand();
Command BuilderNewCommand();
Command BuildCommand();
Command BuilderSetCommand();
Command InfoCommand();
