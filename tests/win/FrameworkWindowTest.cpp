#include <gtest/gtest.h>
#include <windows.h>

#include "FrameworkTestSupport.h"
#include "win/ErrorBox.h"
#include "win/Module.h"
#include "win/Window.h"

namespace {

constexpr wchar_t kProbeClass[] = L"TESSARIONTESTPROBE";
constexpr UINT kProbeMessage = WM_APP + 7;

// Records what its handler saw, so a test can tell which object a message
// reached and what the object held at that moment.
class ProbeWindow : public Win::Window {
 public:
  ProbeWindow() { Win::Module::RegisterWindowClass(kProbeClass, {}); }
  const wchar_t* ClassName() const override { return kProbeClass; }
  LRESULT MessageHandler(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) override {
    if (message == WM_NCCREATE) handleAtCreation = Handle();
    if (message == WM_SIZE) {
      sizesSeen.push_back({Width(), Height(), LOWORD(lParam), HIWORD(lParam)});
    }
    if (message == kProbeMessage) {
      probeArguments.push_back({wParam, lParam});
      return static_cast<LRESULT>(wParam + lParam);
    }
    return Window::MessageHandler(hwnd, message, wParam, lParam);
  }
  HWND Create(int w = 300, int h = 200) {
    return Win::Module::CreateWindowFor(*this, L"probe", WS_POPUP, 0, 0, 0, w, h, nullptr, nullptr);
  }

  struct SizeSeen {
    int width, height, messageWidth, messageHeight;
  };
  HWND handleAtCreation = nullptr;
  std::vector<SizeSeen> sizesSeen;
  std::vector<std::pair<WPARAM, LPARAM>> probeArguments;
};

TEST(FrameworkWindow, CreationBindsTheObjectAndMessagesReachItsHandler) {
  ProbeWindow first, second;
  HWND a = first.Create();
  HWND b = second.Create();
  ASSERT_NE(a, nullptr);
  ASSERT_NE(b, nullptr);
  EXPECT_EQ(first.Handle(), a);
  EXPECT_EQ(first.handleAtCreation, a) << "the handle is stored before the first message is handled";
  EXPECT_EQ(GetWindowLongPtrW(a, GWLP_USERDATA), reinterpret_cast<LONG_PTR>(&first));

  EXPECT_EQ(SendMessageW(a, kProbeMessage, 3, 4), 7);
  EXPECT_EQ(SendMessageW(b, kProbeMessage, 10, 20), 30);
  ASSERT_EQ(first.probeArguments.size(), 1u);
  ASSERT_EQ(second.probeArguments.size(), 1u);
  EXPECT_EQ(first.probeArguments[0].first, 3u);
  EXPECT_EQ(second.probeArguments[0].second, 20);

  // Messages the object leaves alone get the default processing.
  SetWindowTextW(a, L"renamed");
  wchar_t text[32] = {};
  GetWindowTextW(a, text, 32);
  EXPECT_STREQ(text, L"renamed");
}

TEST(FrameworkWindow, SizeMessageStoresTheClientSizeBeforeTheHandlerRuns) {
  ProbeWindow window;
  HWND hwnd = window.Create(300, 200);
  ASSERT_NE(hwnd, nullptr);
  struct Case {
    int width, height;
  };
  for (Case size : {Case{123, 45}, Case{640, 480}, Case{1, 2}}) {
    window.sizesSeen.clear();
    SendMessageW(hwnd, WM_SIZE, SIZE_RESTORED, MAKELPARAM(size.width, size.height));
    ASSERT_EQ(window.sizesSeen.size(), 1u);
    EXPECT_EQ(window.sizesSeen[0].width, size.width);
    EXPECT_EQ(window.sizesSeen[0].height, size.height);
    EXPECT_EQ(window.Width(), size.width);
  }
  // A real resize reports the client area.
  SetWindowPos(hwnd, nullptr, 0, 0, 250, 150, SWP_NOZORDER | SWP_NOACTIVATE);
  RECT client{};
  GetClientRect(hwnd, &client);
  EXPECT_EQ(window.Width(), client.right);
  EXPECT_EQ(window.Height(), client.bottom);
  ASSERT_FALSE(window.sizesSeen.empty());
  EXPECT_EQ(window.sizesSeen.back().width, window.sizesSeen.back().messageWidth);
}

TEST(FrameworkWindow, DestructionUnbindsAndTheDestructorDestroysALiveWindow) {
  HWND kept = nullptr;
  {
    ProbeWindow window;
    kept = window.Create();
    ASSERT_TRUE(IsWindow(kept));
  }
  EXPECT_FALSE(IsWindow(kept));

  ProbeWindow window;
  HWND hwnd = window.Create();
  DestroyWindow(hwnd);
  EXPECT_EQ(window.Handle(), nullptr);
}

TEST(FrameworkWindow, WindowWithoutObjectGetsDefaultProcessingAndAnError) {
  ProbeWindow registrar;
  wintest::ErrorCapture errors;
  HWND hwnd = CreateWindowExW(0, kProbeClass, L"orphan", WS_POPUP, 0, 0, 50, 50, nullptr, nullptr,
                              Win::Module::Instance(), nullptr);
  ASSERT_NE(hwnd, nullptr);
  ASSERT_EQ(errors.All().size(), 1u);
  EXPECT_EQ(errors.All()[0].text, u"Invalid pointer during WM_NCCREATE");
  EXPECT_EQ(errors.All()[0].caption, u"Win::Window::InternalWndProc");
  EXPECT_EQ(GetWindowLongPtrW(hwnd, GWLP_USERDATA), 0);
  EXPECT_EQ(SendMessageW(hwnd, kProbeMessage, 3, 4), 0);
  EXPECT_TRUE(registrar.probeArguments.empty());

  // A creation message without its record is refused, not passed on.
  EXPECT_EQ(Win::Window::InternalWndProc(hwnd, WM_NCCREATE, 0, 0), FALSE);
  ASSERT_EQ(errors.All().size(), 2u);
  EXPECT_EQ(errors.All()[1].text, u"Invalid CREATESTRUCT pointer during WM_NCCREATE");
  EXPECT_EQ(errors.All()[1].caption, u"Win::Window::InternalWndProc");
  DestroyWindow(hwnd);
}

class UnregisteredWindow : public Win::Window {
 public:
  const wchar_t* ClassName() const override { return L"TESSARIONNOSUCHCLASS"; }
};

TEST(FrameworkModule, RegistrationIsIdempotentAndFailedCreationIsReported) {
  EXPECT_TRUE(Win::Module::RegisterWindowClass(kProbeClass, {}));
  EXPECT_TRUE(Win::Module::RegisterWindowClass(kProbeClass, {}));
  EXPECT_EQ(Win::Module::Instance(), GetModuleHandleW(nullptr));

  wintest::ErrorCapture errors;
  UnregisteredWindow window;
  EXPECT_EQ(Win::Module::CreateWindowFor(window, L"x", WS_POPUP, 0, 0, 0, 10, 10, nullptr, nullptr), nullptr);
  ASSERT_EQ(errors.All().size(), 1u);
  EXPECT_EQ(errors.All()[0].caption,
            u"Win::Module::CreateWindow unable to create window of class TESSARIONNOSUCHCLASS");
  EXPECT_FALSE(errors.All()[0].text.empty()) << "the system's text for the failure";
  EXPECT_EQ(window.Handle(), nullptr);
}

TEST(FrameworkErrorBox, ShowsTheSystemTextForTheLastErrorUnderItsContext) {
  wintest::ErrorCapture errors;
  SetLastError(ERROR_PATH_NOT_FOUND);
  Win::ErrorBox::ShowLastError();
  SetLastError(ERROR_FILE_NOT_FOUND);
  Win::ErrorBox::ShowLastError(u"Unable to open", u"C:\\data.csv");
  ASSERT_EQ(errors.All().size(), 2u);
  EXPECT_EQ(errors.All()[0].caption, u"Error: Win::Module ");
  EXPECT_EQ(errors.All()[0].text, Win::ErrorBox::SystemText(ERROR_PATH_NOT_FOUND));
  EXPECT_EQ(errors.All()[0].text.substr(errors.All()[0].text.size() - 2), u"\r\n");
  EXPECT_EQ(errors.All()[1].caption, u"Unable to open C:\\data.csv");
  EXPECT_EQ(errors.All()[1].text, Win::ErrorBox::SystemText(ERROR_FILE_NOT_FOUND));
  EXPECT_NE(errors.All()[0].text, errors.All()[1].text);
}

}  // namespace
