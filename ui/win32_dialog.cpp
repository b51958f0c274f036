#include "ui/win32_dialog.h"

#include <string>
#include <utility>

#include "ui/dialog_layout.h"
#include "ui/win32_form_sync.h"
#include "ui/win32_message.h"
#include "ui/win32_resources.h"
#include "ui/win32_screen.h"
#include "ui/win32_text.h"
#include "util/texts.h"

namespace halvane {

namespace {

constexpr DWORD kStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;

// A dialog without controls; they are made from the layout table.
struct alignas(4) EmptyDialogTemplate {
  DLGTEMPLATE Head;
  WORD Menu;
  WORD WindowClass;
  WORD Title;
};

// Handlers run the form's code; nothing may escape into Windows.
template <class Action>
void Guarded(Action&& action) {
  try {
    std::forward<Action>(action)();
  } catch (...) {
  }
}

void SetIcons(HWND window, HINSTANCE instance) {
  for (auto [which, size] :
       {std::pair{ICON_BIG, 32}, std::pair{ICON_SMALL, 16}}) {
    HANDLE icon = LoadImageW(instance, MAKEINTRESOURCEW(HALVANE_ICON),
                             IMAGE_ICON, size, size, LR_SHARED);
    SendMessageW(window, WM_SETICON, which, reinterpret_cast<LPARAM>(icon));
  }
}

}  // namespace

Win32Dialog::Win32Dialog(TForm1& form, DialogObserver* observer)
    : form_(form),
      observer_(observer),
      preview_{&form.Preview, gdi_.Face, gdi_.Font} {
  form_.SetToolkit(this);
}

Win32Dialog::~Win32Dialog() {
  if (window_) DestroyWindow(window_);
  form_.SetToolkit(nullptr);
}

bool Win32Dialog::Create(HINSTANCE instance, HWND owner) {
  EmptyDialogTemplate dialog{};
  dialog.Head.style = kStyle;
  CreateDialogIndirectParamW(instance, &dialog.Head, owner, Proc,
                             reinterpret_cast<LPARAM>(this));
  return window_ != nullptr;
}

void Win32Dialog::Show() {
  ShowWindow(window_, SW_SHOW);
  if (!window_) return;  // closed while being shown
  SetFocus(ControlId::StartMarker);
  if (observer_) observer_->Shown(window_, controls_);
}

INT_PTR CALLBACK Win32Dialog::Proc(HWND window, UINT message, WPARAM wparam,
                                   LPARAM lparam) {
  if (message == WM_INITDIALOG) {
    auto* self = reinterpret_cast<Win32Dialog*>(lparam);
    SetWindowLongPtrW(window, DWLP_USER, lparam);
    self->window_ = window;
    if (!self->OnInit()) {
      DestroyWindow(window);
      return FALSE;
    }
    return TRUE;
  }
  auto* self =
      reinterpret_cast<Win32Dialog*>(GetWindowLongPtrW(window, DWLP_USER));
  return self ? self->Handle(message, wparam, lparam) : FALSE;
}

INT_PTR Win32Dialog::Handle(UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_SHOWWINDOW:
      if (wparam && !shown_) {
        shown_ = true;
        Guarded([this] { OnShown(); });
      }
      return FALSE;
    case WM_COMMAND:
      OnCommand(wparam);
      return TRUE;
    case WM_CLOSE:  // close box, system menu, Alt+F4
      if (IsWindowEnabled(window_)) Close();
      return TRUE;
    case WM_SYSCOMMAND:
      if ((wparam & 0xFFF0) != SC_MINIMIZE) return FALSE;
      OnMinimize();
      return TRUE;
    case WM_CTLCOLORDLG:
      return reinterpret_cast<INT_PTR>(gdi_.FormBrush);
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
      return OnColour(reinterpret_cast<HDC>(wparam),
                      reinterpret_cast<HWND>(lparam));
    case WM_DESTROY:
      PostQuitMessage(0);
      return TRUE;
    case WM_NCDESTROY:
      SetWindowLongPtrW(window_, DWLP_USER, 0);
      window_ = nullptr;
      controls_ = {};
      return TRUE;
  }
  return FALSE;
}

bool Win32Dialog::OnInit() {
  SetWindowTextW(window_, SjisToWide(kFormCaption).c_str());
  SetIcons(window_, reinterpret_cast<HINSTANCE>(
                        GetWindowLongPtrW(window_, GWLP_HINSTANCE)));
  RECT frame{0, 0, kClientWidth, kClientHeight};
  AdjustWindowRectEx(
      &frame, kStyle, FALSE,
      static_cast<DWORD>(GetWindowLongPtrW(window_, GWL_EXSTYLE)));
  SetWindowPos(window_, nullptr, kFormLeft, kFormTop, frame.right - frame.left,
               frame.bottom - frame.top, SWP_NOZORDER | SWP_NOACTIVATE);
  bool made = false;
  Guarded([&] {
    made = CreateDialogControls(window_, form_, gdi_, preview_, controls_);
  });
  return made;
}

// The controls are filled once, when the form has read its files: the window
// is not on the screen before, and each write costs a round of messages.
void Win32Dialog::OnShown() {
  {
    FormFilling filling(form_);
    Guarded([this] { form_.FormShow(); });
    WriteModelToControls(form_, controls_);
  }
  Guarded([this] { form_.ApplyLive(); });
}

void Win32Dialog::OnCommand(WPARAM wparam) {
  const WORD code = HIWORD(wparam);
  if (code == BN_CLICKED && LOWORD(wparam) == IDOK) {  // Enter, Alt+Y
    Guarded([this] {
      ReadControlsIntoModel(controls_, form_);
      form_.OkClick();
    });
  } else if (code == BN_CLICKED && LOWORD(wparam) == IDCANCEL) {  // Esc, Alt+N
    Guarded([this] { form_.CancelClick(); });
  } else if (code == BN_CLICKED || code == EN_CHANGE || code == CBN_SELCHANGE) {
    OnChange();
  }
}

// Every choice, tick and keystroke: the model takes the controls and the
// preview follows. Changes made while the controls are filled are not read.
void Win32Dialog::OnChange() {
  if (!form_.Live() || closing_) return;
  Guarded([this] {
    ReadControlsIntoModel(controls_, form_);
    form_.ApplyLive();
  });
}

// The taskbar button belongs to the owner, so minimising goes through it.
void Win32Dialog::OnMinimize() {
  if (HWND owner = GetWindow(window_, GW_OWNER)) ShowWindow(owner, SW_MINIMIZE);
}

INT_PTR Win32Dialog::OnColour(HDC dc, HWND control) {
  HBRUSH brush = gdi_.FormBrush;
  if (control == controls_.Window(ControlId::Help))
    brush = gdi_.MemoBrush;
  else if (control == controls_.Window(ControlId::Status))
    brush = gdi_.StatusBrush;
  LOGBRUSH colour{};
  GetObjectW(brush, sizeof colour, &colour);
  SetBkColor(dc, colour.lbColor);
  SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
  return reinterpret_cast<INT_PTR>(brush);
}

void Win32Dialog::SetFocus(ControlId control) {
  if (!window_) return;
  HWND target = controls_.Window(control);
  if (KindOf(control) == ControlKind::Radio) {
    target = controls_.RadioButton(control, 0);
    for (int item = 0; item < kRadioItems; ++item)
      if (SendMessageW(controls_.RadioButton(control, item), BM_GETCHECK, 0,
                       0) == BST_CHECKED)
        target = controls_.RadioButton(control, item);
  }
  if (target)
    SendMessageW(window_, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(target),
                 TRUE);
}

void Win32Dialog::ShowMessage(std::string_view text) {
  const std::wstring wide = SjisToWide(text);
  if (observer_) observer_->MessageShown(wide);
  ShowMessageWindow(window_, SjisToWide(kMessageCaption), wide,
                    MessageIcon::Question);
}

void Win32Dialog::RepaintStatus() {
  HWND label = controls_.Window(ControlId::Status);
  if (!label) return;
  SetWindowTextW(label, SjisToWide(form_.StatusText).c_str());
  RedrawWindow(label, nullptr, nullptr,
               RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

void Win32Dialog::RepaintPreview() {
  RepaintPreviewPane(controls_.Window(ControlId::Preview));
  if (observer_) observer_->PreviewPainted(form_.Preview);
}

void Win32Dialog::Close() {
  if (closing_ || !window_) return;
  closing_ = true;
  if (observer_) observer_->FormClosing();
  Guarded([this] { form_.FormClose(); });
  DestroyWindow(window_);
}

void Win32Dialog::GetPosition(int& left, int& top) {
  RECT r{};
  if (window_) GetWindowRect(window_, &r);
  left = r.left;
  top = r.top;
}

// The saved place, unless the user could not reach the dialog there.
void Win32Dialog::MoveTo(int left, int top) {
  if (!window_) return;
  const ScreenPoint place =
      ReachablePosition({left, top}, FrameOf(window_), TitleBarOf(window_),
                        MonitorWorkAreas(window_));
  SetWindowPos(window_, nullptr, place.X, place.Y, 0, 0,
               SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

NativePath Win32Dialog::ExecutablePath() {
  // Long paths need more than MAX_PATH; the result is cut when it does not fit.
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD size = static_cast<DWORD>(path.size());
    const DWORD got = GetModuleFileNameW(nullptr, path.data(), size);
    if (got == 0) return {};
    if (got < size) {
      path.resize(got);
      return path;
    }
    if (size >= 32768) return {};
    path.resize(static_cast<std::size_t>(size) * 2);
  }
}

}  // namespace halvane
