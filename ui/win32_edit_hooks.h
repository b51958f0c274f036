// Behaviour the stock edit control lacks: a length limit counted in
// Shift-JIS bytes, and a read-only memo that leaves Enter, Esc and Tab to
// the dialog.
#pragma once

#include <windows.h>

namespace halvane {

// Refuses typed, pasted or IME text that would make the text longer than
// `max_bytes` Shift-JIS bytes or that has no Shift-JIS form. Text set by
// the program (WM_SETTEXT) is not limited.
void LimitEditBytes(HWND edit, int max_bytes);

void LeaveDialogKeysToDialog(HWND memo);

}  // namespace halvane
