#pragma once
#include <string>

#include "builder/Equation.h"
#include "builder/NameTable.h"

// The written form of an equation as the builder shows and copies it: plain
// text ("x01 = ( row BIT 1 ) × amplitude;", at most 511 units) or the
// coloured HTML of the "Html Copy".
std::u16string FormatEquation(const NameTable& names, const Equation& equation, bool html);

// "%g" of a value, as the equation texts and the editor's value field show it.
std::u16string FormatValue(double value);
