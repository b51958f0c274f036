// The program's message window, driven through its message queue: each way
// of closing it ends it, it is drawn with the dialog's face and centred on
// its owner, and the owner takes no input while it is up. Needs a display
// (the end-to-end suite runs it under Xvfb).
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "ui/win32_font.h"
#include "ui/win32_message.h"
#include "ui/win32_text.h"

namespace halvane {
namespace {

enum class Closer { Enter, Escape, Button, CloseBox };

// What the timer saw of the message window; the owner's user data.
struct Seen {
  Closer How = Closer::Enter;
  HWND Message = nullptr;
  bool OwnerDisabled = false;
  std::wstring Face, Text;
  RECT Frame{};
  bool Rescued = false;  // no closer worked: the timer closed it
};

constexpr UINT_PTR kActTimer = 1;
constexpr UINT_PTR kRescueTimer = 2;

void Close(HWND message, Closer how) {
  HWND button = GetDlgItem(message, IDOK);
  switch (how) {
    case Closer::Enter:
      PostMessageW(GetFocus(), WM_KEYDOWN, VK_RETURN, 1);
      break;
    case Closer::Escape:
      PostMessageW(GetFocus(), WM_KEYDOWN, VK_ESCAPE, 1);
      break;
    case Closer::Button:
      PostMessageW(button, BM_CLICK, 0, 0);
      break;
    case Closer::CloseBox:
      PostMessageW(message, WM_SYSCOMMAND, SC_CLOSE, 0);
      break;
  }
}

void Record(Seen& seen, HWND message, HWND owner) {
  seen.Message = message;
  seen.OwnerDisabled = !IsWindowEnabled(owner);
  GetWindowRect(message, &seen.Frame);
  for (HWND part = GetWindow(message, GW_CHILD); part;
       part = GetWindow(part, GW_HWNDNEXT)) {
    if (part == GetDlgItem(message, IDOK)) continue;
    const auto font =
        reinterpret_cast<HFONT>(SendMessageW(part, WM_GETFONT, 0, 0));
    LOGFONTW face{};
    if (font && GetObjectW(font, sizeof face, &face)) {
      seen.Face = face.lfFaceName;
      seen.Text = WindowText(part);
    }
  }
}

void CALLBACK OnTimer(HWND owner, UINT, UINT_PTR timer, DWORD) {
  Seen& seen =
      *reinterpret_cast<Seen*>(GetWindowLongPtrW(owner, GWLP_USERDATA));
  HWND message = FindWindowW(kMessageWindowClass, nullptr);
  if (!message) return;
  KillTimer(owner, timer);
  if (timer == kRescueTimer) {
    seen.Rescued = true;
    PostMessageW(message, WM_CLOSE, 0, 0);
    return;
  }
  Record(seen, message, owner);
  Close(message, seen.How);
}

class MessageWindow : public testing::TestWithParam<Closer> {};

TEST_P(MessageWindow, ClosesAndDrawsWithTheDialogFace) {
  HWND owner = CreateWindowExW(0, L"STATIC", L"owner", WS_POPUP | WS_VISIBLE,
                               100, 100, 600, 400, nullptr, nullptr,
                               GetModuleHandleW(nullptr), nullptr);
  if (!owner) GTEST_SKIP() << "no display to open windows on";
  Seen seen;
  seen.How = GetParam();
  SetWindowLongPtrW(owner, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&seen));
  SetTimer(owner, kActTimer, 100, OnTimer);
  SetTimer(owner, kRescueTimer, 5000, OnTimer);
  const std::wstring text = SjisToWide(
      "\x90\xa1\x96\x40\x82\xaa\x81\x75\x82\x4f\x81\x76\x82\xc9\x82\xc8\x82"
      "\xe8\x82\xdc\x82\xb7" /* 寸法が「０」になります */);
  ShowMessageWindow(owner, L"caption", text, MessageIcon::Question);
  KillTimer(owner, kRescueTimer);

  ASSERT_NE(seen.Message, nullptr) << "the message never showed";
  EXPECT_FALSE(seen.Rescued) << "the closer did not close it";
  EXPECT_FALSE(IsWindow(seen.Message)) << "the window is gone";
  EXPECT_TRUE(seen.OwnerDisabled);
  EXPECT_TRUE(IsWindowEnabled(owner)) << "the owner takes input again";
  EXPECT_EQ(seen.Face, DialogFontFace());
  EXPECT_EQ(seen.Text, text);
  const RECT& f = seen.Frame;
  EXPECT_LE(std::abs((f.left + f.right) - (100 + 700)), 1);
  EXPECT_LE(std::abs((f.top + f.bottom) - (100 + 500)), 1);
  DestroyWindow(owner);
}

INSTANTIATE_TEST_SUITE_P(Closers, MessageWindow,
                         testing::Values(Closer::Enter, Closer::Escape,
                                         Closer::Button, Closer::CloseBox));

}  // namespace
}  // namespace halvane
