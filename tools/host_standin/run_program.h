// Starts a program and waits for it to end, as the host waits for the batch
// file. Arguments are kept as paths so that Japanese folder names survive on
// Windows.
#pragma once

#include <filesystem>
#include <vector>

namespace halvane {

inline constexpr int kNotStarted = -1;

// argv[0] is the program (looked up on PATH when it has no folder). The
// child runs in `working_folder` when that is not empty. Returns the exit
// code, or kNotStarted when the program could not be started.
int RunProgram(const std::vector<std::filesystem::path>& argv,
               const std::filesystem::path& working_folder = {});

}  // namespace halvane
