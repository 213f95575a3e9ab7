#include "win/RichEdit.h"

#include <richedit.h>

#include <algorithm>

namespace Win {

const wchar_t* RichEdit::ClassName() {
  static const wchar_t* const name = [] {
    bool newest = LoadLibraryW(L"Msftedit.dll") != nullptr;
    bool older = LoadLibraryW(L"riched20.dll") != nullptr;
    return newest || !older ? MSFTEDIT_CLASS : RICHEDIT_CLASSW;
  }();
  return name;
}

bool RichEdit::Create(HWND parent, int controlId, int x, int y, int w, int h, bool readOnly) {
  DWORD style = WS_TABSTOP | WS_VSCROLL | ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN;
  if (readOnly) style |= ES_READONLY;
  return CreateChild(ClassName(), style, WS_EX_CLIENTEDGE, parent, controlId, x, y, w, h);
}

void RichEdit::SetFont(std::u16string_view face, int points) {
  CHARFORMAT2W format{};
  format.cbSize = sizeof format;
  format.dwMask = CFM_FACE | CFM_SIZE;
  format.yHeight = points * 20;  // in twips
  std::size_t length = std::min(face.size(), static_cast<std::size_t>(LF_FACESIZE - 1));
  std::copy_n(face.begin(), length, format.szFaceName);
  Send(EM_SETCHARFORMAT, SCF_ALL, reinterpret_cast<LPARAM>(&format));
}

}  // namespace Win
