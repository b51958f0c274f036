// Conversion between the Shift-JIS bytes of the form model and the UTF-16
// text of the controls, always through code page 932.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace halvane {

std::wstring SjisToWide(std::string_view sjis);
std::string WideToSjis(std::wstring_view wide);

// The Shift-JIS length of `wide` in bytes, or -1 when some character has no
// Shift-JIS form (it would otherwise turn into "?").
int SjisByteLength(std::wstring_view wide);

// Whether `current` with characters first..first+count-1 replaced by
// `inserted` still fits `max_bytes` Shift-JIS bytes and converts losslessly.
bool ReplacementFits(std::wstring_view current, std::size_t first,
                     std::size_t count, std::wstring_view inserted,
                     int max_bytes);

std::wstring WindowText(HWND window);

// What a single-line edit takes from pasted text: everything before the
// first line break.
std::wstring_view FirstLine(std::wstring_view text);

}  // namespace halvane
