// The program's three commands share one program: the switch a batch file
// passes picks the direction of the dimension, and the dialog names it.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "dimension/dimension_options.h"

namespace halvane {

// The direction asked for by a switch word without its "/" or "--":
// "vertical" or "aligned"; nothing for any other word.
std::optional<DimensionDirection> DirectionOfSwitch(std::string_view word);

// Halvane.exe's arguments: none for a horizontal dimension, or one switch
// "/vertical" or "/aligned". Nothing for anything else.
std::optional<DimensionDirection> DirectionOfArguments(
    std::span<const std::string> arguments);

// The message for arguments the program does not know, naming them and the
// three commands it knows; Shift-JIS, as are the arguments.
std::string UnknownSwitchMessage(std::span<const std::string> arguments);

// `text` (Shift-JIS) with each 水平 replaced by the word of `direction`.
std::string NameDirection(std::string_view text, DimensionDirection direction);

}  // namespace halvane
