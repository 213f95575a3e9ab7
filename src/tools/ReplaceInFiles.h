#pragma once
#include <filesystem>
#include <string>

// Copies a file while replacing every byte equal to one character by another
// (a spreadsheet's semicolons by commas, for instance). The file is treated
// as bytes.
namespace ReplaceInFiles {

// A failure: the system's text and the message box's caption.
struct Failure {
  std::u16string text;
  std::u16string caption;
};

// "Replace" is enabled while both paths hold more than 4 characters.
bool ReplaceEnabled(const std::u16string& input, const std::u16string& output);

// Replaces bytes equal to the first character of `thisLetter` by the first
// character of `withThisOne`. When either field is empty, or either
// character has a code of 256 or more (it cannot be one byte), the copy is
// made unchanged. Returns true on success.
bool Replace(const std::filesystem::path& input, const std::filesystem::path& output,
             const std::u16string& thisLetter, const std::u16string& withThisOne, Failure& failure);

}  // namespace ReplaceInFiles
