#pragma once
#include <cstdint>
#include <filesystem>
#include <string>

// Builds a training set for prediction from one series (the first row of a
// comma-separated file): every output line is a window of W consecutive
// values, so a network can learn the last value of a window from the others.
namespace PredictionSet {

// The caption of the message box when the output cannot be created.
inline constexpr char16_t kCreateFailureCaption[] = u"Opening output file Tessarion";

// "Build" is enabled while both paths hold more than 4 characters.
bool BuildEnabled(const std::u16string& input, const std::u16string& output);

// The "No. columns" field as a signed whole number; false when it is not one.
bool ParseWidth(const std::u16string& text, std::int32_t& width);

// The output text for a series of `length` values: S - W + 1 lines, each
// value "%f" with ", " between them and "\r\n" at the end of a line.
std::string Lines(const double* series, std::int32_t length, std::int32_t width);

// Reads the series, checks the width and writes the lines. Empty on
// success, else the message (the file's own, "The number of columns is
// incorrect", or the system's text when the output cannot be created).
std::u16string Build(const std::filesystem::path& input, const std::u16string& widthText,
                     const std::filesystem::path& output);

}  // namespace PredictionSet
