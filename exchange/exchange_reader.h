// Reads JWC_TEMP.TXT into the exchange data model.
#pragma once

#include "exchange/native_path.h"
#include <string_view>

namespace halvane {

// Reads the whole file line by line. False when the file does not exist or
// opening or reading failed; what was read before a failure stays stored.
bool ReadExchangeFile(const NativePath& path);
// Splits one line (without its line break) and stores what it says.
void ParseExchangeLine(std::string_view line);

}  // namespace halvane
