#include "ui/win32_message.h"

#include <string>

#include "ui/dialog_layout.h"
#include "ui/message_layout.h"
#include "ui/win32_font.h"

namespace halvane {

namespace {

constexpr DWORD kStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU;
constexpr DWORD kExStyle = WS_EX_DLGMODALFRAME;
// How the text control draws (SS_LEFT, SS_NOPREFIX, SS_EDITCONTROL), so that
// it wraps where it was measured.
constexpr DWORD kTextStyle = SS_LEFT | SS_NOPREFIX | SS_EDITCONTROL;
constexpr UINT kTextFormat =
    DT_WORDBREAK | DT_EXPANDTABS | DT_NOPREFIX | DT_EDITCONTROL;

// What the window procedure reads and sets; on ShowModal's stack.
struct MessageState {
  HWND Button = nullptr;
  bool Closed = false;
};

MessageState* StateOf(HWND window) {
  return reinterpret_cast<MessageState*>(
      GetWindowLongPtrW(window, GWLP_USERDATA));
}

void OnCreate(HWND window, LPARAM lparam) {
  const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lparam);
  SetWindowLongPtrW(window, GWLP_USERDATA,
                    reinterpret_cast<LONG_PTR>(create->lpCreateParams));
}

// The button and Enter send IDOK, Esc sends IDCANCEL.
LRESULT OnCommand(MessageState& state, WPARAM wparam) {
  if (LOWORD(wparam) == IDOK || LOWORD(wparam) == IDCANCEL) state.Closed = true;
  return 0;
}

LRESULT CALLBACK MessageProc(HWND window, UINT message, WPARAM wparam,
                             LPARAM lparam) {
  if (message == WM_NCCREATE) OnCreate(window, lparam);
  MessageState* state = StateOf(window);
  if (!state) return DefWindowProcW(window, message, wparam, lparam);
  switch (message) {
    case WM_COMMAND:
      return OnCommand(*state, wparam);
    case WM_CLOSE:  // the close box, the system menu, Alt+F4
      state->Closed = true;
      return 0;
    case WM_SETFOCUS:  // back from another program: the button takes Enter
      if (state->Button) SetFocus(state->Button);
      return 0;
  }
  return DefWindowProcW(window, message, wparam, lparam);
}

bool RegisterMessageClass(HINSTANCE instance) {
  WNDCLASSEXW window_class{};
  window_class.cbSize = sizeof window_class;
  window_class.lpfnWndProc = MessageProc;
  window_class.hInstance = instance;
  window_class.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  window_class.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  window_class.lpszClassName = kMessageWindowClass;
  return RegisterClassExW(&window_class) ||
         GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

PixelSize MeasureText(HFONT font, const std::wstring& text) {
  RECT r{0, 0, kMessageTextMaxWidth, 0};
  HDC dc = GetDC(nullptr);
  if (!dc) return {kMessageTextMaxWidth, kFontHeight};
  HGDIOBJ old = SelectObject(dc, font);
  DrawTextW(dc, text.c_str(), -1, &r, kTextFormat | DT_CALCRECT);
  SelectObject(dc, old);
  ReleaseDC(nullptr, dc);
  return {r.right - r.left, r.bottom - r.top};
}

ScreenRect FromRect(const RECT& r) {
  return {r.left, r.top, r.right, r.bottom};
}

// Centred on a visible owner, otherwise on the work area of the owner's
// monitor (the primary one without an owner).
ScreenPoint Place(HWND owner, PixelSize frame) {
  RECT work{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  MONITORINFO monitor{};
  monitor.cbSize = sizeof monitor;
  if (GetMonitorInfoW(MonitorFromWindow(owner, MONITOR_DEFAULTTOPRIMARY),
                      &monitor))
    work = monitor.rcWork;
  RECT around = work;
  if (owner && IsWindowVisible(owner)) GetWindowRect(owner, &around);
  return CentredPosition(frame, FromRect(around), FromRect(work));
}

HWND Part(HWND window, const wchar_t* window_class, const wchar_t* text,
          DWORD style, const ScreenRect& place, int id, HFONT font) {
  HWND part = CreateWindowExW(
      0, window_class, text, WS_CHILD | WS_VISIBLE | style, place.Left,
      place.Top, place.Right - place.Left, place.Bottom - place.Top, window,
      reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr, nullptr);
  if (part && font)
    SendMessageW(part, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  return part;
}

bool CreateParts(HWND window, const MessageLayout& layout,
                 const std::wstring& text, MessageIcon icon, HFONT font,
                 MessageState& state) {
  HWND picture =
      Part(window, L"STATIC", nullptr, SS_ICON, layout.Icon, -1, nullptr);
  if (picture) {
    const HICON system_icon = LoadIconW(
        nullptr, icon == MessageIcon::Warning ? IDI_WARNING : IDI_QUESTION);
    SendMessageW(picture, STM_SETICON, reinterpret_cast<WPARAM>(system_icon),
                 0);
  }
  const HWND label =
      Part(window, L"STATIC", text.c_str(), kTextStyle, layout.Text, -1, font);
  state.Button = Part(window, L"BUTTON", L"OK", WS_TABSTOP | BS_DEFPUSHBUTTON,
                      layout.Button, IDOK, font);
  return label && state.Button;
}

// Until the window is closed; a quit posted meanwhile is passed on to the
// loop outside.
void RunModal(HWND window, const MessageState& state) {
  MSG message;
  while (!state.Closed) {
    const BOOL got = GetMessageW(&message, nullptr, 0, 0);
    if (got == 0) PostQuitMessage(static_cast<int>(message.wParam));
    if (got <= 0) return;
    if (!IsDialogMessageW(window, &message)) {
      TranslateMessage(&message);
      DispatchMessageW(&message);
    }
  }
}

void ShowModal(HWND owner, const std::wstring& caption,
               const std::wstring& text, MessageIcon icon) {
  const HINSTANCE instance = GetModuleHandleW(nullptr);
  if (!RegisterMessageClass(instance)) return;
  const HFONT font = MakeDialogFont(DialogFontFace(), kFontHeight);
  const MessageLayout layout =
      LayOutMessage(MeasureText(font, text),
                    {GetSystemMetrics(SM_CXICON), GetSystemMetrics(SM_CYICON)});
  RECT frame{0, 0, layout.Client.Width, layout.Client.Height};
  AdjustWindowRectEx(&frame, kStyle, FALSE, kExStyle);
  const PixelSize size{frame.right - frame.left, frame.bottom - frame.top};
  const ScreenPoint at = Place(owner, size);
  MessageState state;
  HWND window = CreateWindowExW(kExStyle, kMessageWindowClass, caption.c_str(),
                                kStyle, at.X, at.Y, size.Width, size.Height,
                                owner, nullptr, instance, &state);
  if (window && CreateParts(window, layout, text, icon, font, state)) {
    // EnableWindow answers whether the window was disabled before.
    const bool reenable = owner && !EnableWindow(owner, FALSE);
    ShowWindow(window, SW_SHOW);
    SetFocus(state.Button);
    RunModal(window, state);
    // Before the message goes, so that the owner is activated again.
    if (reenable) EnableWindow(owner, TRUE);
  }
  if (window) DestroyWindow(window);
  if (font) DeleteObject(font);
}

}  // namespace

void ShowMessageWindow(HWND owner, std::wstring_view caption,
                       std::wstring_view text, MessageIcon icon) noexcept {
  try {
    ShowModal(owner, std::wstring(caption), std::wstring(text), icon);
  } catch (...) {
  }
}

}  // namespace halvane
