// Built-in full-width conversion of Shift-JIS (code page 932) characters,
// so the result is the same whatever the system locale. Codes are
// lead << 8 | trail; 0 means the character has no mapping.
#pragma once

#include <cstdint>

namespace halvane {

// Full-width form of a one-byte character (printable ASCII, half-width kana
// and the lone voiced-sound marks).
std::uint16_t FullWidthOfByte(unsigned char byte);
// The one full-width kana for a half-width kana followed by a voiced (0xDE)
// or semi-voiced (0xDF) mark, where code page 932 has it.
std::uint16_t CombinedFullWidth(unsigned char kana, unsigned char mark);
// Katakana of a full-width hiragana, iteration marks included.
std::uint16_t KatakanaOfHiragana(std::uint16_t code);

}  // namespace halvane
