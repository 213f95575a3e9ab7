#pragma once
#include "cli/Command.h"

// The command definitions, one per source file.
Command PruneCommand();
Command BuilderNewCommand();
Command BuildCommand();
Command BuilderSetCommand();
Command InfoCommand();
