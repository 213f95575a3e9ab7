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

ClientPixels::ClientPixels(HWND window) {
  RECT client{};
  GetClientRect(window, &client);
  width = client.right;
  height = client.bottom;
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;  // top-down rows
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  HDC screen = GetDC(nullptr);
  HDC dc = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HGDIOBJ previous = SelectObject(dc, bitmap);
  SendMessageW(window, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
  GdiFlush();
  const auto* raw = static_cast<const DWORD*>(bits);
  for (int i = 0; i < width * height; ++i) {
    DWORD bgr = raw[i];
    pixels.push_back(RGB((bgr >> 16) & 0xFF, (bgr >> 8) & 0xFF, bgr & 0xFF));
  }
  SelectObject(dc, previous);
  DeleteObject(bitmap);
  DeleteDC(dc);
  ReleaseDC(nullptr, screen);
}

COLORREF ClientPixels::At(int x, int y) const { return pixels[static_cast<std::size_t>(y * width + x)]; }

int ClientPixels::Count(COLORREF colour) const {
  int count = 0;
  for (COLORREF pixel : pixels) count += pixel == colour;
  return count;
}

int ClientPixels::CountInColumn(int x, COLORREF colour) const {
  int count = 0;
  for (int y = 0; y < height; ++y) count += At(x, y) == colour;
  return count;
}

void DialogTemplate::AlignToDword() {
  if (words.size() % 2) AddWord(0);
}

}  // namespace wintest
