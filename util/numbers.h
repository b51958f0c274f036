// Number parsing, formatting and rounding shared by the reader, the writers,
// the value text and the settings file. Stateless; no locale, no exceptions.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace halvane {

// Result of a range parser: where it stopped and whether the whole grammar
// matched. A parser never reads past `last`.
struct ParseResult {
  const char* ptr;
  bool ok;
};

// Integer grammar: leading spaces, optional sign, then decimal digits or a
// hexadecimal form ("$", "x", "X", "0x", "0X" and 1..8 hex digits).
// On success `value` holds the number and `ptr` the first byte after it.
ParseResult ParseInt(const char* first, const char* last, int32_t& value);
// The whole text must be a number; anything else gives 0.
int32_t ParseInt(std::string_view text);

// Decimal grammar: leading spaces, optional sign, digits, optional "." and
// digits, optional exponent. Gives the nearest double.
ParseResult ParseFloat(const char* first, const char* last, double& value);
double ParseFloat(std::string_view text);

// Fixed decimals ("." point, no grouping), halves away from zero.
std::string FormatFixed(int places, double value);
// As FormatFixed with "," between groups of three integer digits.
std::string FormatGrouped(int places, double value);
// The output number format: shortest general form, at most 15 significant
// digits (1E-5, 0.0001, 1.23456789012346E17, "0" for either zero).
std::string FormatGeneral(double value);
// Appends FormatGeneral(value) to `out` without a temporary string.
void AppendGeneral(std::string& out, double value);

// Rounding of the dimension value: mode 0 truncate, 1 round up (adds 0.9 of
// the last place), anything else half up; places outside 1..13 mean factor 1.
double RoundValue(int places, int mode, double value);
// Rounds away noise below the tenth decimal.
double RoundOffNoise(double value);

}  // namespace halvane
