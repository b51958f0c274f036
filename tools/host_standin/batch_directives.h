// What the host takes from an external command's batch file: the memo (its
// first line) and the "#" directives that stand within the first 10 bytes of
// a line, up to "#e"; and, for the stand-in, the line that starts the
// program with its switches.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace halvane {

struct PointRequest {
  int Number = 0;      // 1..99
  std::string Suffix;  // "", "-", "ln", "ci" or "ch"
  std::string Prompt;  // Shift-JIS, as shown while the user picks
};

struct BatchDirectives {
  std::string Memo;            // first line without its "REM ", Shift-JIS
  bool WindowsFormat = false;  // #jww
  bool ChangeFolder = false;   // #cd
  bool NoRange = false;        // #h0
  bool AsksLineWidth = false;  // #zw
  bool Ended = false;          // #e seen
  std::vector<PointRequest> Points;
  std::vector<std::string> Unknown;  // directives this stand-in does not know
  // The first command line, outside REM lines, that starts an .exe: the
  // program as written (without quotes) and the words after it.
  std::string Program;
  std::vector<std::string> ProgramArguments;
};

inline constexpr std::size_t kDirectiveColumns = 10;

// Lines end at LF or CR LF. Directives after "#e" are not read.
BatchDirectives ReadBatchDirectives(std::string_view batch_file);

// halvane-run's options for the program's switches: "/name" is "--name".
// Nothing when an argument is no such switch.
std::optional<std::vector<std::string>> RunnerSwitches(
    const std::vector<std::string>& program_arguments);

}  // namespace halvane
