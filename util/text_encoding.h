// Shift-JIS (code page 932) to and from UTF-8, for the pictures and the
// scenario files. iconv on Linux, the code page API on Windows.
#pragma once

#include <string>
#include <string_view>

namespace halvane {

// Never fails: a byte that is no valid character becomes U+FFFD.
std::string SjisToUtf8(std::string_view sjis);
// False when the text is not valid UTF-8 or has a character that code page
// 932 cannot hold; `sjis` is then left empty.
bool Utf8ToSjis(std::string_view utf8, std::string& sjis);

}  // namespace halvane
