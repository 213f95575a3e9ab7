#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "builder/Equation.h"
#include "builder/NameTable.h"

// The written form of an equation as the builder shows and copies it: plain
// text ("x01 = ( row BIT 1 ) × amplitude;", at most 511 units) or the
// coloured HTML of the "Html Copy".
std::u16string FormatEquation(const NameTable& names, const Equation& equation, bool html);

// "%g" of a value, as the equation texts and the editor's value field show it.
std::u16string FormatValue(double value);

// One piece of an equation as the equation lists draw it: bold Arial, each
// piece in its own colour, starting where the previous one ended.
struct TextPiece {
  enum Colour : std::uint32_t {
    kBlack = 0x000000,    // names
    kDarkRed = 0xB40000,  // punctuation and a constant's value
    kMagenta = 0xF000F0,  // function names
    kGreen = 0x00AA00,    // operators
    kBlue = 0x0000FF,     // IF, THEN, ELSE
  };
  std::u16string text;
  Colour colour = kBlack;
  bool padded = false;  // drawn with a space's width on either side (operators)
  bool operator==(const TextPiece&) const = default;
};

std::vector<TextPiece> EquationPieces(const NameTable& names, const Equation& equation);
