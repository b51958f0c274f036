// The parts of the value text, for value_text.cpp and its tests.
#pragma once

#include <string>

#include "dimension/dimension_options.h"

namespace halvane {

// The number alone: unit, rounding, precision, trailing zeros, separators,
// full width.
std::string FormatValueNumber(double length, const DimensionOptions& options);

// The value's angle in degrees, chosen so the value never reads upside down.
double ValueTextAngle(double drawing_angle);

}  // namespace halvane
