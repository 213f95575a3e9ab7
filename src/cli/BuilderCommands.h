#pragma once
#include <filesystem>

#include "cli/Terminal.h"

// The builder-document side of "info".
// Prints shape, build type and the equations as the copies list them;
// returns the exit status.
int PrintBuilderInfo(const std::filesystem::path& path, Terminal& terminal);
