// The output line buffer and its write-back to JWC_TEMP.TXT.
#pragma once

#include <string_view>
#include <system_error>

#include "exchange/native_path.h"

namespace halvane {

// Appends one line; text beyond 255 bytes is cut.
void PutLine(std::string_view text);
// Writes the buffer with CR LF line ends, a text command joined with its
// text, or the single line "hq" when the buffer is empty.
bool WriteOutputFile(const NativePath& path);
// The same, and why it failed in `error` (cleared when it succeeds).
bool WriteOutputFile(const NativePath& path, std::error_code& error);

}  // namespace halvane
