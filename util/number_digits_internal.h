// The slow path of RoundSignificant, for number_digits.cpp and its tests.
#pragma once

#include "util/number_digits.h"

namespace halvane {

// RoundSignificant from the full decimal expansion every time: the slow path
// that RoundSignificant falls back on when its short expansion cannot decide.
DecimalDigits RoundSignificantExact(double magnitude, int significant);

}  // namespace halvane
