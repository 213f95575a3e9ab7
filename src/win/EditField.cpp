#include "win/EditField.h"

#include <commctrl.h>

#include <map>

#include "numerics/NumberText.h"
#include "platform/Text.h"
#include "win/Module.h"
#include "win/WideText.h"

namespace Win {

namespace {

// The owner's balloon and the field it points at, kept as window properties
// of the owner so that copies of a field wrapper all find them.
constexpr wchar_t kBalloonTip[] = L"Win::EditField::BalloonTip";
constexpr wchar_t kBalloonField[] = L"Win::EditField::BalloonField";
// The titles as given, by tooltip, for controls that cannot report them;
// entries of tooltips destroyed with their owner go at the next balloon.
std::map<HWND, std::u16string> givenTitles;

void ForgetDestroyedTips() {
  std::erase_if(givenTitles, [](const auto& entry) { return !IsWindow(entry.first); });
}
constexpr int kTextCapacity = 1024;

// The tool record of the balloon, in the size every common-controls
// version accepts.
TTTOOLINFOW BalloonTool(HWND owner, HWND field) {
  TTTOOLINFOW tool{};
  tool.cbSize = TTTOOLINFOW_V2_SIZE;
  tool.uFlags = TTF_TRACK | TTF_ABSOLUTE | TTF_IDISHWND;
  tool.hwnd = owner;
  tool.uId = reinterpret_cast<UINT_PTR>(field);
  return tool;
}

HWND CreateBalloonTip(HWND owner) {
  Module::InitCommonControls();
  return CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                         WS_POPUP | TTS_BALLOON | TTS_NOPREFIX | TTS_ALWAYSTIP, CW_USEDEFAULT, CW_USEDEFAULT,
                         CW_USEDEFAULT, CW_USEDEFAULT, owner, nullptr, Module::Instance(), nullptr);
}

// Where the stem points: the middle of the field's lower edge.
LPARAM StemPosition(HWND field) {
  RECT rect{};
  GetWindowRect(field, &rect);
  return MAKELPARAM((rect.left + rect.right) / 2, rect.bottom);
}

}  // namespace

bool EditField::Create(HWND parent, int controlId, int x, int y, int w, int h) {
  return CreateChild(L"EDIT", WS_TABSTOP | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE, parent, controlId, x, y, w, h);
}

int EditField::Int(bool* translated) const {
  BOOL ok = FALSE;
  int value = static_cast<int>(GetDlgItemInt(GetParent(handle), id, &ok, TRUE));
  if (translated) *translated = ok != FALSE;
  return ok ? value : 0;
}

void EditField::SetInt(int value) { SetText(platform::Format("%d", value)); }

std::u16string EditField::NumberText() const {
  std::u16string text(kNumberLength + 1, u'\0');
  int copied = GetWindowTextW(handle, reinterpret_cast<wchar_t*>(text.data()), kNumberLength + 1);
  text.resize(static_cast<std::size_t>(copied > 0 ? copied : 0));
  return text;
}

double EditField::Double() const {
  std::string narrow = platform::Utf16ToUtf8(NumberText());
  const char* stop = nullptr;
  return numbertext::ParseLeading(narrow.data(), narrow.data() + narrow.size(), &stop);
}

void EditField::SetDouble(double value) { SetText(platform::Format("%g", value)); }

void EditField::SetReadOnly(bool readOnly) { Send(EM_SETREADONLY, readOnly ? TRUE : FALSE); }

void EditField::ShowBalloon(std::u16string_view title, std::u16string_view text) {
  HWND owner = GetParent(handle);
  HideBalloon(owner);
  ForgetDestroyedTips();
  HWND tip = CreateBalloonTip(owner);
  if (!tip) return;
  SetPropW(owner, kBalloonTip, tip);
  SetPropW(owner, kBalloonField, handle);
  std::u16string message(text);
  std::u16string heading(title);
  TTTOOLINFOW tool = BalloonTool(owner, handle);
  tool.lpszText = const_cast<wchar_t*>(Wide(message));
  SendMessageW(tip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
  // Long messages wrap; the width also avoids a clipped last character
  // that Wine shows on some single-line balloons.
  SendMessageW(tip, TTM_SETMAXTIPWIDTH, 0, 240);
  if (!heading.empty()) {
    SendMessageW(tip, TTM_SETTITLEW, TTI_ERROR, reinterpret_cast<LPARAM>(Wide(heading)));
    givenTitles[tip] = heading;
  }
  SendMessageW(tip, TTM_TRACKPOSITION, 0, StemPosition(handle));
  SendMessageW(tip, TTM_TRACKACTIVATE, TRUE, reinterpret_cast<LPARAM>(&tool));
}

void EditField::HideBalloon(HWND owner) {
  HWND tip = static_cast<HWND>(RemovePropW(owner, kBalloonTip));
  RemovePropW(owner, kBalloonField);
  if (!tip) return;
  givenTitles.erase(tip);
  DestroyWindow(tip);
}

void EditField::HideBalloonOf(HWND field) {
  HWND owner = GetParent(field);
  if (owner && field && GetPropW(owner, kBalloonField) == field) HideBalloon(owner);
}

bool EditField::BalloonVisible(HWND owner, std::u16string* title, std::u16string* text) {
  auto tip = static_cast<HWND>(GetPropW(owner, kBalloonTip));
  auto field = static_cast<HWND>(GetPropW(owner, kBalloonField));
  if (!tip || !IsWindowVisible(tip)) return false;
  if (title) {
    std::u16string buffer(kTextCapacity, u'\0');
    TTGETTITLE heading{};
    heading.dwSize = sizeof heading;
    heading.cch = kTextCapacity;
    heading.pszTitle = reinterpret_cast<wchar_t*>(buffer.data());
    SendMessageW(tip, TTM_GETTITLE, 0, reinterpret_cast<LPARAM>(&heading));
    *title = FromWide(heading.pszTitle);
    // Wine's tooltips answer TTM_GETTITLE with nothing.
    auto given = givenTitles.find(tip);
    if (title->empty() && given != givenTitles.end()) *title = given->second;
  }
  if (text) {
    std::u16string buffer(kTextCapacity, u'\0');
    TTTOOLINFOW tool = BalloonTool(owner, field);
    tool.lpszText = reinterpret_cast<wchar_t*>(buffer.data());
    SendMessageW(tip, TTM_GETTEXTW, kTextCapacity, reinterpret_cast<LPARAM>(&tool));
    *text = FromWide(tool.lpszText);
  }
  return true;
}

}  // namespace Win
