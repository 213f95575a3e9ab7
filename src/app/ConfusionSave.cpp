#include "app/ConfusionSave.h"

#include "data/Confusion.h"
#include "platform/Text.h"

namespace ConfusionSave {

bool Save(Shell& shell, const Matrix& confusion, const std::u16string& structure) {
  const FileChooser chooser{u"Web page files (*.htm)", u"*.htm", u"htm", u"Save confusion matrix"};
  const auto path = shell.ChooseFileToSave(chooser);
  if (!path) return false;
  const ConfusionPageResult result =
      SaveConfusionPage(platform::PathFromUtf8(platform::Utf16ToUtf8(*path)), confusion, structure);
  if (result.written) return true;
  if (result.message) shell.ShowError(result.message, u"Tessarion");
  shell.ShowInformation(u"The confusion file couldn't be written", u"Tessarion");
  return false;
}

}  // namespace ConfusionSave
