#include "data/TrainingSetInfo.h"

#include "net/NetworkSetup.h"
#include "numerics/Random.h"
#include "platform/Text.h"

namespace TrainingSetInfo {

namespace {

constexpr int kExampleLines = 19;

std::u16string Repeated(const char16_t* line, int times) {
  std::u16string text;
  for (int i = 0; i < times; ++i) text += line;
  return text;
}

}  // namespace

std::u16string ColumnsCaption(std::int32_t style, bool complex, std::int32_t inputs, std::int32_t outputs) {
  const std::int32_t width = complex ? 2 : 1;
  switch (style) {
    case kOutputEqualsInput: return platform::Format("Cols: %d + 0", width * inputs);
    case kClassifier: return platform::Format("Cols: %d + 1", width * inputs);
    default: return platform::Format("Cols: %d + %d", width * inputs, width * outputs);
  }
}

std::u16string RowsCaption(std::int32_t minimumRows) { return platform::Format("Min Rows: %d", minimumRows); }

std::u16string Example(std::int32_t style, bool complex, std::int32_t outputs) {
  if (style == kOutputEqualsInput)
    return Repeated(complex ? u"Re[in/out1], Im[in/out1], Re[in/out2], Im[in/out2], ........\r\n"
                            : u"in/out 1, in/out 2, in/out 3, in/out 4, ........\r\n",
                    kExampleLines);
  if (style != kClassifier)
    return Repeated(complex ? u"Re[in1], Im[in1], Re[in2], Im[in2], ........ Re[out1], Im[out1],...\r\n"
                            : u"in1, in2, in3, in4, ........, out1, out2,...\r\n",
                    kExampleLines);
  const char* head = complex ? "Re[in1], Im[in1], Re[in2], Im[in2], ........, " : "in1, in2, in3, ........, ";
  std::u16string text = platform::Format("%sclass\r\n", head);
  for (int i = 1; i < kExampleLines; ++i)
    text += platform::Format("%s%d\r\n", head, Random::RandomInt(0, outputs));
  return text;
}

bool Accepts(std::int32_t style, std::int32_t inputs, std::int32_t outputs) {
  if (inputs < 1 || outputs < 1) return false;
  return style != kOutputEqualsInput || inputs == outputs;
}

}  // namespace TrainingSetInfo
