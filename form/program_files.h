// The two files of a run, both in the program folder.
#pragma once

#include <filesystem>

namespace halvane {

inline constexpr char kExchangeFileName[] = "JWC_TEMP.TXT";
inline constexpr char kSettingsFileName[] = "t517.dat";

// Empty when the program folder is unknown, so that nothing is looked up in
// the current folder instead.
inline std::filesystem::path InProgramFolder(
    const std::filesystem::path& folder, const char* name) {
  return folder.empty() ? std::filesystem::path() : folder / name;
}

}  // namespace halvane
