#include <cmath>

#include "util/number_digits.h"
#include "util/numbers.h"

namespace halvane {
namespace {

// Truncation cuts the value as it reads in 15 significant digits, the
// precision every number is written with. Cutting the binary value would
// turn 0.3 (stored as 0.29999999999999998...) into 0.2 with one place.
double TruncateDecimal(int places, double magnitude) {
  DecimalDigits d = RoundSignificant(magnitude, 15);
  TruncateAtDigit(d, d.exponent + places);
  return DigitsToDouble(d);
}

}  // namespace

double RoundValue(int places, Rounding mode, double value) {
  if (places < 1 || places > 13) places = 0;
  long double factor = 1;
  for (int i = 0; i < places; ++i) factor *= 10;
  long double a = std::fabs(static_cast<long double>(value));
  double rounded = 0;
  if (mode == Rounding::Truncate && std::isfinite(value)) {
    rounded = TruncateDecimal(places, std::fabs(value));
  } else {
    long double nudge = mode == Rounding::Up ? 0.9L : 0.5L;
    rounded = static_cast<double>(std::trunc(a * factor + nudge) / factor);
  }
  return value < 0 ? -rounded : rounded;
}

double RoundOffNoise(double value) {
  constexpr long double kStep = 1e-10L;
  long double a = std::fabs(static_cast<long double>(value));
  long double rounded = std::trunc(a / kStep + 0.5L) * kStep;
  return static_cast<double>(
      std::copysign(rounded, static_cast<long double>(value)));
}

}  // namespace halvane
