#include "ui/win32_app.h"

#include <commctrl.h>

#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

#include "form/command_switch.h"
#include "ui/dialog_layout.h"
#include "ui/win32_message.h"
#include "ui/win32_resources.h"
#include "ui/win32_text.h"

namespace halvane {

namespace {

const wchar_t kApplicationClass[] = L"HalvaneApplication";

LRESULT CALLBACK ApplicationProc(HWND window, UINT message, WPARAM wparam,
                                 LPARAM lparam) {
  HWND dialog =
      reinterpret_cast<HWND>(GetWindowLongPtrW(window, GWLP_USERDATA));
  switch (message) {
    case WM_ACTIVATE:  // from the taskbar: pass it on to the form
      if (LOWORD(wparam) != WA_INACTIVE && dialog && IsWindowVisible(dialog))
        SetActiveWindow(GetLastActivePopup(dialog));
      return 0;
    case WM_CLOSE:
      if (dialog && IsWindowEnabled(dialog))
        PostMessageW(dialog, WM_CLOSE, 0, 0);
      return 0;
  }
  return DefWindowProcW(window, message, wparam, lparam);
}

HWND CreateApplicationWindow(HINSTANCE instance) {
  WNDCLASSEXW window_class{};
  window_class.cbSize = sizeof window_class;
  window_class.lpfnWndProc = ApplicationProc;
  window_class.hInstance = instance;
  window_class.hIcon = static_cast<HICON>(LoadImageW(
      instance, MAKEINTRESOURCEW(HALVANE_ICON), IMAGE_ICON, 32, 32, LR_SHARED));
  window_class.hIconSm = static_cast<HICON>(LoadImageW(
      instance, MAKEINTRESOURCEW(HALVANE_ICON), IMAGE_ICON, 16, 16, LR_SHARED));
  window_class.lpszClassName = kApplicationClass;
  if (!RegisterClassExW(&window_class)) return nullptr;
  // Visible but of no size: it only carries the taskbar button.
  return CreateWindowExW(
      0, kApplicationClass, SjisToWide(kApplicationTitle).c_str(),
      WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX,
      GetSystemMetrics(SM_CXSCREEN) / 2, GetSystemMetrics(SM_CYSCREEN) / 2, 0,
      0, nullptr, nullptr, instance, nullptr);
}

int RunMessageLoop(const Win32Dialog& dialog, RunObserver* observer) {
  std::optional<ControlId> focused;
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    if (!dialog.Window() || !IsDialogMessageW(dialog.Window(), &message)) {
      TranslateMessage(&message);
      DispatchMessageW(&message);
    }
    if (observer && dialog.Window()) {
      const std::optional<ControlId> now = dialog.Controls().Find(GetFocus());
      if (now && now != focused) observer->FocusChanged(*now);
      if (now) focused = now;
    }
  }
  return 0;
}

// The program's arguments in Shift-JIS, as the batch file gave them; the C
// runtime has split them already, without loading shell32.
std::vector<std::string> CommandLineArguments() {
  std::vector<std::string> arguments;
  if (__wargv == nullptr) return arguments;
  for (int i = 1; i < __argc; ++i) arguments.push_back(WideToSjis(__wargv[i]));
  return arguments;
}

}  // namespace

int RunHalvane(HINSTANCE instance, RunObserver* observer) {
  // A switch it does not know is never drawn as another direction: the
  // host's file stays as the host wrote it, and the host shows 未実行.
  const std::vector<std::string> arguments = CommandLineArguments();
  const std::optional<DimensionDirection> direction =
      DirectionOfArguments(arguments);
  if (!direction) {
    ShowMessageWindow(nullptr, SjisToWide(kFormCaption),
                      SjisToWide(UnknownSwitchMessage(arguments)),
                      MessageIcon::Warning);
    return 2;
  }
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&controls);
  HWND application = CreateApplicationWindow(instance);
  if (!application) return 0;
  ShowWindow(application, SW_SHOWNOACTIVATE);
  int result = 0;
  try {
    TForm1 form;
    form.Direction = *direction;
    Win32Dialog dialog(form, observer);
    if (dialog.Create(instance, application)) {
      SetWindowLongPtrW(application, GWLP_USERDATA,
                        reinterpret_cast<LONG_PTR>(dialog.Window()));
      dialog.Show();
      result = RunMessageLoop(dialog, observer);
    }
  } catch (...) {
  }
  DestroyWindow(application);
  return result;
}

}  // namespace halvane
