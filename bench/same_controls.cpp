// The start-up benchmark's second yardstick: a window with the dialog's
// controls, labels and font at their places, made with plain CreateWindowExW
// and nothing else (no form, no files, no owner window, no filling). What
// Halvane takes beyond it is its own work; what it takes beyond the bare
// window is the price of the controls. The OK button (Space) ends it.
#include <windows.h>

#include <string>

#include "ui/dialog_layout.h"
#include "ui/form_fields.h"
#include "ui/win32_controls.h"
#include "ui/win32_font.h"
#include "ui/win32_text.h"

namespace {

using namespace halvane;

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

struct ChildKind {
  const wchar_t* WindowClass;
  DWORD Style;
  DWORD ExStyle;
  int ExtraHeight;
};

ChildKind KindFor(ControlId id) {
  switch (KindOf(id)) {
    case ControlKind::List:
      return {L"COMBOBOX", WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST, 0, 200};
    case ControlKind::Edit:
      return {L"EDIT", WS_TABSTOP | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE, 0};
    case ControlKind::Radio:
      return {L"BUTTON", BS_GROUPBOX, 0, 0};
    case ControlKind::Check:
      return {L"BUTTON", WS_TABSTOP | BS_AUTOCHECKBOX, 0, 0};
    case ControlKind::Button:
      return {L"BUTTON",
              static_cast<DWORD>(WS_TABSTOP |
                                 (id == ControlId::Button1 ? BS_DEFPUSHBUTTON
                                                           : BS_PUSHBUTTON)),
              0, 0};
    case ControlKind::Memo:
      return {L"EDIT", WS_VSCROLL | ES_MULTILINE | ES_READONLY,
              WS_EX_CLIENTEDGE, 0};
    case ControlKind::Status:
      return {L"STATIC", SS_CENTER | SS_CENTERIMAGE, 0, 0};
  }
  return {L"STATIC", 0, 0, 0};
}

HWND Child(HWND parent, const wchar_t* window_class, const std::wstring& text,
           DWORD style, DWORD ex_style, const PixelRect& r, int id,
           HFONT font) {
  HWND child = CreateWindowExW(
      ex_style, window_class, text.c_str(), WS_CHILD | WS_VISIBLE | style,
      r.Left, r.Top, r.Width, r.Height, parent,
      reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr, nullptr);
  SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(font), 0);
  return child;
}

std::wstring MemoText() {
  std::string text;
  for (const char* line : MemoLines()) text.append(line).append("\r\n");
  return SjisToWide(text);
}

void MakeControls(HWND window, HFONT font, HFONT small_font) {
  int id = 100;
  for (const ControlPlace& control : ControlPlaces()) {
    const ChildKind kind = KindFor(control.Id);
    PixelRect place = control.Place;
    place.Height += kind.ExtraHeight;
    const bool ok = control.Id == ControlId::Button1;
    std::wstring text = KindOf(control.Id) == ControlKind::Memo ? MemoText()
                        : ok ? SjisToWide(kButton1Caption)
                             : L"";
    Child(window, kind.WindowClass, text, kind.Style, kind.ExStyle, place,
          ok ? IDOK : id++, font);
    if (KindOf(control.Id) != ControlKind::Radio) continue;
    const int width = (place.Width - 10) / kRadioItems;
    for (int item = 0; item < kRadioItems; ++item)
      Child(window, L"BUTTON", L"", BS_AUTORADIOBUTTON, 0,
            {place.Left + 8 + item * width, place.Top + 14, width,
             place.Height - 19},
            id++, font);
  }
  for (const LabelPlace& label : LabelPlaces())
    Child(window, L"STATIC", SjisToWide(label.Text), SS_LEFT, 0,
          {label.Left, label.Top, 60, label.FontHeight + 2}, id++,
          label.FontHeight == kFontHeight ? font : small_font);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show) {
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
  const std::wstring face = DialogFontFace();
  MakeControls(window, MakeDialogFont(face, kFontHeight),
               MakeDialogFont(face, 11));
  ShowWindow(window, show);
  SetFocus(GetDlgItem(window, IDOK));
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return 0;
}
