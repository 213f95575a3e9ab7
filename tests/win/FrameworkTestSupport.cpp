#include "FrameworkTestSupport.h"

#include "platform/ErrorBox.h"
#include "win/Module.h"

namespace wintest {

namespace {
std::vector<ErrorCapture::Shown> shown;

void Record(std::u16string_view text, std::u16string_view caption) {
  shown.push_back({std::u16string(text), std::u16string(caption)});
}
}  // namespace

ErrorCapture::ErrorCapture() {
  shown.clear();
  platform::SetErrorBoxHandler(Record);
}

ErrorCapture::~ErrorCapture() { platform::SetErrorBoxHandler(nullptr); }

const std::vector<ErrorCapture::Shown>& ErrorCapture::All() const { return shown; }

HostWindow::HostWindow(int clientWidth, int clientHeight) {
  Win::Module::ClassOptions options;
  options.background = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  Win::Module::RegisterWindowClass(kClass, options);
  RECT frame{0, 0, clientWidth, clientHeight};
  AdjustWindowRectEx(&frame, WS_POPUP, FALSE, 0);
  Win::Module::CreateWindowFor(*this, L"Tessarion test host", WS_POPUP | WS_VISIBLE, 0, 20, 20,
                               frame.right - frame.left, frame.bottom - frame.top, nullptr, nullptr);
  UpdateWindow(hWnd);
}

void PumpMessages() {
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
}

DialogTemplate::DialogTemplate(short width, short height) {
  DLGTEMPLATE header{};
  header.style = WS_POPUP | WS_VISIBLE | DS_MODALFRAME;
  header.cx = width;
  header.cy = height;
  const auto* raw = reinterpret_cast<const WORD*>(&header);
  words.assign(raw, raw + sizeof header / sizeof(WORD));
  AddWord(0);  // no menu
  AddWord(0);  // the standard dialog class
  AddWord(0);  // no caption
}

void DialogTemplate::AddControl(WORD classAtom, WORD id, DWORD style, short x, short y, short w, short h,
                                const wchar_t* text) {
  AlignToDword();
  DLGITEMTEMPLATE item{};
  item.style = WS_CHILD | WS_VISIBLE | style;
  item.x = x;
  item.y = y;
  item.cx = w;
  item.cy = h;
  item.id = id;
  const auto* raw = reinterpret_cast<const WORD*>(&item);
  words.insert(words.end(), raw, raw + sizeof item / sizeof(WORD));
  AddWord(0xFFFF);
  AddWord(classAtom);
  AddText(text);
  AddWord(0);  // no creation data
  auto* header = reinterpret_cast<DLGTEMPLATE*>(words.data());
  header->cdit++;
}

const DLGTEMPLATE* DialogTemplate::Get() { return reinterpret_cast<const DLGTEMPLATE*>(words.data()); }

void DialogTemplate::AddWord(WORD word) { words.push_back(word); }

void DialogTemplate::AddText(const wchar_t* text) {
  for (; *text; ++text) AddWord(static_cast<WORD>(*text));
  AddWord(0);
}

void DialogTemplate::AlignToDword() {
  if (words.size() % 2) AddWord(0);
}

}  // namespace wintest
