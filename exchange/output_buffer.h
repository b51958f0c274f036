// Appending output lines and writing them back to JWC_TEMP.TXT.
#pragma once

#include <string_view>
#include <system_error>

#include "exchange/exchange_output.h"
#include "util/native_path.h"

namespace halvane {

// Appends one line; text beyond 255 bytes is cut.
void PutLine(ExchangeOutput& out, std::string_view text);
// Writes the lines with CR LF line ends, a text command joined with its
// text, or the single line "hq" when there are none.
bool WriteOutputFile(const ExchangeOutput& out, const NativePath& path);
// The same, and why it failed in `error` (cleared when it succeeds).
bool WriteOutputFile(const ExchangeOutput& out, const NativePath& path,
                     std::error_code& error);

}  // namespace halvane
