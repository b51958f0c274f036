// The least Win32 program with a titled window and one button: the start-up
// benchmark's yardstick. Clicking the button (Space) ends it.
#include <windows.h>

namespace {

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wparam,
                            LPARAM lparam) {
  switch (message) {
    case WM_COMMAND:
      DestroyWindow(window);
      return 0;
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
  }
  return DefWindowProcW(window, message, wparam, lparam);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show) {
  WNDCLASSW window_class{};
  window_class.lpfnWndProc = WindowProc;
  window_class.hInstance = instance;
  window_class.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  window_class.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  window_class.lpszClassName = L"BareWindow";
  if (!RegisterClassW(&window_class)) return 1;
  HWND window =
      CreateWindowExW(0, L"BareWindow", L"Bare window", WS_OVERLAPPEDWINDOW,
                      100, 100, 300, 150, nullptr, nullptr, instance, nullptr);
  if (!window) return 1;
  HWND button = CreateWindowExW(
      0, L"BUTTON", L"OK", WS_CHILD | WS_VISIBLE | BS_DEFPUSHBUTTON, 100, 40,
      90, 30, window, reinterpret_cast<HMENU>(IDOK), instance, nullptr);
  ShowWindow(window, show);
  SetFocus(button);
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return 0;
}
