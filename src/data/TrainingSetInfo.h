#pragma once
#include <cstdint>
#include <string>

// The texts of the "Training Set Info" dialog, which shows the file layout a
// network needs before a training set is chosen, and its OK check.
namespace TrainingSetInfo {

// "Cols: %d + ..." for the style and domain.
std::u16string ColumnsCaption(std::int32_t style, bool complex, std::int32_t inputs, std::int32_t outputs);
// "Min Rows: %d".
std::u16string RowsCaption(std::int32_t minimumRows);
// The example file: 19 lines; a classifier's class numbers are drawn from
// the process-wide generator, 0 to outputs.
std::u16string Example(std::int32_t style, bool complex, std::int32_t outputs);
// Whether OK may close the dialog.
bool Accepts(std::int32_t style, std::int32_t inputs, std::int32_t outputs);

}  // namespace TrainingSetInfo
