// Number formatting and rounding shared by the writers, the value text and
// the settings file (reading: util/number_parse.h). Stateless; no locale, no
// exceptions.
#pragma once

#include <cstdint>
#include <string>

namespace halvane {

// Fixed decimals ("." point, no grouping), halves away from zero.
std::string FormatFixed(int places, double value);
// As FormatFixed with "," between groups of three integer digits.
std::string FormatGrouped(int places, double value);
// The output number format: shortest general form, at most 15 significant
// digits (1E-5, 0.0001, 1.23456789012346E17, "0" for either zero).
std::string FormatGeneral(double value);
// Appends FormatGeneral(value) to `out` without a temporary string.
void AppendGeneral(std::string& out, double value);

enum class Rounding { Truncate, Up, HalfUp };

// Rounding of the dimension value: truncate, round up (adds 0.9 of the last
// place), or half up (also for any other value); places outside 1..13 mean
// factor 1.
double RoundValue(int places, Rounding mode, double value);
// Rounds away noise below the tenth decimal.
double RoundOffNoise(double value);

}  // namespace halvane
