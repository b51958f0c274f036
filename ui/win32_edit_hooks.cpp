#include "ui/win32_edit_hooks.h"

#include <commctrl.h>
#include <imm.h>

#include <string>

#include "ui/win32_text.h"

namespace halvane {

namespace {

constexpr UINT_PTR kLimitHook = 1;
constexpr UINT_PTR kMemoHook = 2;

bool InsertionFits(HWND edit, std::wstring_view inserted, int max_bytes) {
  DWORD first = 0, last = 0;
  SendMessageW(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&first),
               reinterpret_cast<LPARAM>(&last));
  if (last < first) std::swap(first, last);
  return ReplacementFits(WindowText(edit), first, last - first, inserted,
                         max_bytes);
}

std::wstring ClipboardText(HWND owner) {
  std::wstring text;
  if (!OpenClipboard(owner)) return text;
  if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
    if (auto* chars = static_cast<const wchar_t*>(GlobalLock(data))) {
      text = chars;
      GlobalUnlock(data);
    }
  }
  CloseClipboard();
  return text;
}

std::wstring ImeResult(HWND edit) {
  std::wstring text;
  HIMC context = ImmGetContext(edit);
  if (!context) return text;
  const LONG bytes =
      ImmGetCompositionStringW(context, GCS_RESULTSTR, nullptr, 0);
  if (bytes > 0) {
    text.resize(static_cast<std::size_t>(bytes) / sizeof(wchar_t));
    ImmGetCompositionStringW(context, GCS_RESULTSTR, text.data(),
                             static_cast<DWORD>(bytes));
  }
  ImmReleaseContext(edit, context);
  return text;
}

void CancelComposition(HWND edit) {
  if (HIMC context = ImmGetContext(edit)) {
    ImmNotifyIME(context, NI_COMPOSITIONSTR, CPS_CANCEL, 0);
    ImmReleaseContext(edit, context);
  }
}

bool IsTypedCharacter(WPARAM character) {
  return character >= 0x20 && character != 0x7F;
}

LRESULT CALLBACK LimitProc(HWND edit, UINT message, WPARAM wparam,
                           LPARAM lparam, UINT_PTR, DWORD_PTR ref) {
  const int max_bytes = static_cast<int>(ref);
  switch (message) {
    case WM_CHAR:
    case WM_IME_CHAR:
      if (IsTypedCharacter(wparam)) {
        const wchar_t typed = static_cast<wchar_t>(wparam);
        if (!InsertionFits(edit, std::wstring_view(&typed, 1), max_bytes))
          return 0;
      }
      break;
    case WM_PASTE: {
      // Inserted here rather than by the control, so that what is checked
      // is exactly what goes in.
      const std::wstring pasted = ClipboardText(edit);
      const std::wstring_view line = FirstLine(pasted);
      if (!line.empty() && InsertionFits(edit, line, max_bytes)) {
        const std::wstring text(line);
        SendMessageW(edit, EM_REPLACESEL, TRUE,
                     reinterpret_cast<LPARAM>(text.c_str()));
      }
      return 0;
    }
    case WM_IME_COMPOSITION:
      if ((lparam & GCS_RESULTSTR) &&
          !InsertionFits(edit, ImeResult(edit), max_bytes)) {
        CancelComposition(edit);
        return 0;
      }
      break;
    case WM_NCDESTROY:
      RemoveWindowSubclass(edit, LimitProc, kLimitHook);
      break;
  }
  return DefSubclassProc(edit, message, wparam, lparam);
}

LRESULT CALLBACK MemoProc(HWND memo, UINT message, WPARAM wparam, LPARAM lparam,
                          UINT_PTR, DWORD_PTR) {
  switch (message) {
    case WM_GETDLGCODE:
      return DefSubclassProc(memo, message, wparam, lparam) &
             ~static_cast<LRESULT>(DLGC_WANTALLKEYS | DLGC_WANTTAB);
    case WM_NCDESTROY:
      RemoveWindowSubclass(memo, MemoProc, kMemoHook);
      break;
  }
  return DefSubclassProc(memo, message, wparam, lparam);
}

}  // namespace

void LimitEditBytes(HWND edit, int max_bytes) {
  SetWindowSubclass(edit, LimitProc, kLimitHook,
                    static_cast<DWORD_PTR>(max_bytes));
}

void LeaveDialogKeysToDialog(HWND memo) {
  SetWindowSubclass(memo, MemoProc, kMemoHook, 0);
}

}  // namespace halvane
