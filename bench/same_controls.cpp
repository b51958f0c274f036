// The start-up benchmark's second yardstick: a plain window whose controls
// and labels are made by the dialog's own CreateDialogControls, and nothing
// else (no dialog manager, no files, no owner window, no filling). What
// Halvane takes beyond it is its own work; what it takes beyond the bare
// window is the price of the controls. The OK button (Space) ends it.
#include <windows.h>

#include "ui/dialog_layout.h"
#include "ui/win32_controls.h"

namespace {

constexpr DWORD kStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wparam,
                            LPARAM lparam) {
  switch (message) {
    case WM_COMMAND:
      if (LOWORD(wparam) == IDOK) DestroyWindow(window);
      return 0;
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
  }
  return DefWindowProcW(window, message, wparam, lparam);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show) {
  using namespace halvane;
  WNDCLASSW window_class{};
  window_class.lpfnWndProc = WindowProc;
  window_class.hInstance = instance;
  window_class.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  window_class.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
  window_class.lpszClassName = L"SameControls";
  if (!RegisterClassW(&window_class)) return 1;
  RECT frame{0, 0, kClientWidth, kClientHeight};
  AdjustWindowRectEx(&frame, kStyle, FALSE, 0);
  HWND window = CreateWindowExW(0, L"SameControls", L"Same controls", kStyle,
                                kFormLeft, kFormTop, frame.right - frame.left,
                                frame.bottom - frame.top, nullptr, nullptr,
                                instance, nullptr);
  if (!window) return 1;
  TForm1 form;  // captions, items and limits as the form resource has them
  DialogGdi gdi;
  DialogControls controls;
  const PreviewPaneState preview{&form.Preview, gdi.Face, gdi.Font};
  if (!CreateDialogControls(window, form, gdi, preview, controls)) return 1;
  ShowWindow(window, show);
  SetFocus(controls.Window(ControlId::Ok));
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return 0;
}
