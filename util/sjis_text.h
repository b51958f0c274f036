// Shift-JIS (code page 932) text operations. Every walk starts at the first
// byte and steps over a lead byte (0x80-0x9F, 0xE0-0xFD) and its trail byte
// together, so a two-byte character is never split.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace halvane {

inline bool IsLeadByte(unsigned char b) {
  return (b >= 0x80 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFD);
}

// The text without half-width spaces, full-width spaces (0x81 0x40) and
// control characters below 0x20.
std::string StripSpaces(std::string_view text);

// Copies the characters lying wholly within bytes start..start+count-1
// (positions from 1). `copied` receives the number of bytes copied.
std::string SjisCopy(std::string_view text, int start, int count, int& copied);

// Half-width characters to their full-width forms, hiragana to katakana,
// from a built-in table, so the result does not depend on the system locale.
std::string ToFullWidth(std::string_view text);

// Drawn length: full-width characters count `width` plus `spacing` between
// neighbours, half-width characters half of both.
double TextLength(std::string_view text, double width, double spacing);

}  // namespace halvane
