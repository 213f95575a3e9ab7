#include "win/FileChooser.h"

#include <commdlg.h>

#include <algorithm>

#include "win/WideText.h"

namespace Win {

void FileChooser::SetFilter(std::u16string_view description, std::u16string_view pattern) {
  filter = FilterString(description, pattern);
}

void FileChooser::SetDefaultExtension(std::u16string_view extension) { defaultExtension = extension; }

void FileChooser::SetTitle(std::u16string_view text) { title = text; }

void FileChooser::SetPath(std::u16string_view text) { path = text.substr(0, kPathCharacters); }

bool FileChooser::ChooseOpen(HWND owner) { return Choose(owner, kOpenFlags, false); }

bool FileChooser::ChooseSave(HWND owner) { return Choose(owner, kSaveFlags, true); }

std::u16string FileChooser::FilterString(std::u16string_view description, std::u16string_view pattern) {
  pattern = pattern.substr(0, kFilterCharacters);
  description = description.substr(0, kFilterCharacters - pattern.size());
  std::u16string text;
  text.reserve(description.size() + pattern.size() + 3);
  text.append(description).push_back(u'\0');
  text.append(pattern).push_back(u'\0');
  text.push_back(u'\0');
  return text;
}

bool FileChooser::Choose(HWND owner, DWORD flags, bool save) {
  std::u16string buffer(kPathCharacters + 1, u'\0');
  std::copy(path.begin(), path.end(), buffer.begin());
  OPENFILENAMEW dialog{};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = owner;
  dialog.lpstrFilter = Wide(filter);
  dialog.nFilterIndex = 1;
  dialog.lpstrFile = reinterpret_cast<wchar_t*>(buffer.data());
  dialog.nMaxFile = static_cast<DWORD>(buffer.size());
  dialog.lpstrTitle = title.empty() ? nullptr : Wide(title);
  dialog.lpstrDefExt = defaultExtension.empty() ? nullptr : Wide(defaultExtension);
  dialog.Flags = flags;
  BOOL chosen = save ? GetSaveFileNameW(&dialog) : GetOpenFileNameW(&dialog);
  if (!chosen) return false;
  path = FromWide(dialog.lpstrFile);
  return true;
}

}  // namespace Win
