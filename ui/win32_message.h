// The program's messages, in a modal window of its own drawn with the
// dialog's font: the system's message box takes the system's message font,
// which need not have Japanese glyphs.
#pragma once

#include <windows.h>

#include <string_view>

namespace halvane {

enum class MessageIcon { Question, Warning };

inline constexpr wchar_t kMessageWindowClass[] = L"HalvaneMessage";

// Shows `text` under `caption` with one OK button until Enter, Esc, the
// button or the close box closes it. `owner` (or none) takes no input
// meanwhile; the message opens centred on it when it is visible, otherwise
// on the screen.
void ShowMessageWindow(HWND owner, std::wstring_view caption,
                       std::wstring_view text, MessageIcon icon) noexcept;

}  // namespace halvane
