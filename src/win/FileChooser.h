#pragma once
#include <windows.h>

#include <commdlg.h>

#include <string>
#include <string_view>

namespace Win {

// The common open and save dialogs with one filter, a default extension and
// a title; it keeps the chosen path for the next use.
class FileChooser {
 public:
  static constexpr std::size_t kFilterCharacters = 253;  // description and pattern together
  static constexpr std::size_t kPathCharacters = 1024;

  void SetFilter(std::u16string_view description, std::u16string_view pattern);
  // Without the dot ("csv"); appended to a typed name without extension.
  void SetDefaultExtension(std::u16string_view extension);
  void SetTitle(std::u16string_view title);
  // The path the dialog starts from (at most 1,024 characters kept).
  void SetPath(std::u16string_view path);

  // Open: the file must exist. Save: the folder must exist, overwriting
  // asks first. True when the user chose a file.
  bool ChooseOpen(HWND owner);
  bool ChooseSave(HWND owner);
  const std::u16string& Path() const { return path; }

  // The dialog's filter: description, NUL, pattern, NUL, NUL; description
  // and pattern hold at most 253 characters together, the description
  // giving way first so the pattern still works.
  static std::u16string FilterString(std::u16string_view description, std::u16string_view pattern);
  static constexpr DWORD kOpenFlags = OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY;
  static constexpr DWORD kSaveFlags = OFN_PATHMUSTEXIST | OFN_OVERWRITEPROMPT;

 private:
  bool Choose(HWND owner, DWORD flags, bool save);

  std::u16string filter = FilterString(u"", u"");
  std::u16string defaultExtension;
  std::u16string title;
  std::u16string path;
};

}  // namespace Win
