#pragma once
#include "cli/Terminal.h"
#include "numerics/Matrix.h"

// Prints a confusion matrix as its window shows it: the title with the
// number of errors, then the grid with headers along the top and the left,
// error cells marked "%d*".
void PrintConfusion(const Matrix& confusion, Terminal& terminal);
