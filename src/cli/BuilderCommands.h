#pragma once
#include <filesystem>

#include "cli/Terminal.h"

// The builder-document side of "info": whether a file is a builder document
// (the same probe the workbench runs on a .tsn file), and its description.
bool IsBuilderDocument(const std::filesystem::path& path);
// Prints shape, build type and the equations as the copies list them;
// returns the exit status.
int PrintBuilderInfo(const std::filesystem::path& path, Terminal& terminal);
