#include "form/command_switch.h"

#include "util/sjis_text.h"
#include "util/texts.h"

namespace halvane {

namespace {

struct DirectionSwitch {
  DimensionDirection Direction;
  std::string_view Word;
  std::string_view Name;  // as the dialog names the direction
};

constexpr DirectionSwitch kDirections[] = {
    {DimensionDirection::Horizontal, "", kDirectionHorizontal},
    {DimensionDirection::Vertical, "vertical", kDirectionVertical},
    {DimensionDirection::Aligned, "aligned", kDirectionAligned},
};

constexpr std::string_view kHorizontalName = kDirections[0].Name;

}  // namespace

std::optional<DimensionDirection> DirectionOfSwitch(std::string_view word) {
  for (const DirectionSwitch& entry : kDirections) {
    if (!entry.Word.empty() && entry.Word == word) return entry.Direction;
  }
  return std::nullopt;
}

std::optional<DimensionDirection> DirectionOfArguments(
    std::span<const std::string> arguments) {
  if (arguments.empty()) return DimensionDirection::Horizontal;
  if (arguments.size() != 1 || !arguments[0].starts_with('/')) {
    return std::nullopt;
  }
  return DirectionOfSwitch(std::string_view(arguments[0]).substr(1));
}

std::string UnknownSwitchMessage(std::span<const std::string> arguments) {
  std::string given;
  for (const std::string& argument : arguments) {
    if (!given.empty()) given += ' ';
    given += argument;
  }
  return kUnknownSwitchBefore + given + kUnknownSwitchAfter;
}

std::string NameDirection(std::string_view text, DimensionDirection direction) {
  std::string_view name = kHorizontalName;
  for (const DirectionSwitch& entry : kDirections) {
    if (entry.Direction == direction) name = entry.Name;
  }
  std::string named;
  named.reserve(text.size());
  for (std::size_t i = 0; i < text.size();) {
    if (text.substr(i).starts_with(kHorizontalName)) {
      named += name;
      i += kHorizontalName.size();
      continue;
    }
    const std::size_t width =
        IsLeadByte(static_cast<unsigned char>(text[i])) ? 2 : 1;
    named += text.substr(i, width);
    i += width;
  }
  return named;
}

}  // namespace halvane
