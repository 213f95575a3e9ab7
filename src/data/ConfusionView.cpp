#include "data/ConfusionView.h"

#include "data/Confusion.h"
#include "platform/Text.h"

std::u16string ConfusionView::Title() const {
  return platform::Format("Confusion matrix (No. errors = %d)", ConfusionErrors(confusion));
}

std::u16string ConfusionView::Header(std::int32_t index) const {
  return index == Size() - 1 ? u"reject" : platform::Format("class %d", index + 1);
}

std::u16string ConfusionView::CellText(std::int32_t actual, std::int32_t recognised) const {
  const int count = static_cast<int>(confusion[actual][recognised]);
  return platform::Format(CellIsError(actual, recognised) ? "%d*" : "%d", count);
}

bool ConfusionView::CellIsError(std::int32_t actual, std::int32_t recognised) const {
  return IsConfusionError(confusion, actual, recognised);
}
