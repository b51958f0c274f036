#include "form/command_switch.h"

#include "util/sjis_text.h"

namespace halvane {

namespace {

struct DirectionSwitch {
  DimensionDirection Direction;
  std::string_view Word;
  std::string_view Name;  // as the dialog names the direction
};

constexpr DirectionSwitch kDirections[] = {
    {DimensionDirection::Horizontal, "", "\x90\x85\x95\xbd" /* 水平 */},
    {DimensionDirection::Vertical, "vertical", "\x90\x82\x92\xbc" /* 垂直 */},
    {DimensionDirection::Aligned, "aligned", "\x95\xbd\x8d\x73" /* 平行 */},
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
  return "\x8b\x4e\x93\xae\x83\x58\x83\x43\x83\x62\x83\x60\x81\x75"
         /* 起動スイッチ「 */
         + given +
         "\x81\x76\x82\xcd\x8e\x67\x82\xa6\x82\xdc\x82\xb9\x82\xf1\x81\x42"
         /* 」は使えません。 */
         "\r\n"
         "\x83\x6f\x83\x62\x83\x60\x83\x74\x83\x40\x83\x43\x83\x8b\x82\xcc"
         " Halvane.exe "
         "\x82\xcc\x8c\xe3\x82\xc9\x82\xcd\x89\xbd\x82\xe0\x95\x74\x82\xaf"
         "\x82\xc8\x82\xa2\x82\xa9\x81\x69\x90\x85\x95\xbd\x90\xa1\x96\x40"
         "\x90\xfc\x81\x6a\x81\x41"
         "/vertical"
         "\x81\x69\x90\x82\x92\xbc\x90\xa1\x96\x40\x90\xfc\x81\x6a\x82\xa9"
         " /aligned"
         "\x81\x69\x95\xbd\x8d\x73\x90\xa1\x96\x40\x90\xfc\x81\x6a\x82\xf0"
         "\x95\x74\x82\xaf\x82\xc4\x82\xad\x82\xbe\x82\xb3\x82\xa2\x81\x42";
  /* バッチファイルの Halvane.exe の後には何も付けないか（水平寸法線）、
     /vertical（垂直寸法線）か /aligned（平行寸法線）を付けてください。 */
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
