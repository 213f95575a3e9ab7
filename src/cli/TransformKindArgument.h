#pragma once
#include <ostream>
#include <string>

#include "tools/TransformLab.h"

// The pre and post commands' first word: normal, trend-ls, log, cbrt or
// trend-ends. False for anything else.
bool ParseTransformKind(const std::string& word, TransformLab::Kind& kind);

// The statistics of one side as the lab's four fields show them.
void PrintStatistics(std::ostream& out, const char* label, const TransformLab::Statistics& s);
