// The two files of a run, both in the program folder.
#pragma once

#include "util/native_path.h"

namespace halvane {

inline constexpr char kExchangeFileName[] = "JWC_TEMP.TXT";
inline constexpr char kSettingsFileName[] = "t517.dat";

// Empty when the program folder is unknown, so that nothing is looked up in
// the current folder instead.
inline NativePath InProgramFolder(const NativePath& folder, const char* name) {
  return folder.empty() ? NativePath() : AppendFileName(folder, name);
}

}  // namespace halvane
