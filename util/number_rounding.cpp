#include <cmath>

#include "util/numbers.h"

namespace halvane {

double RoundValue(int places, int mode, double value) {
  long double factor = 1;
  if (places >= 1 && places <= 13) {
    for (int i = 0; i < places; ++i) factor *= 10;
  }
  long double scaled = std::fabs(static_cast<long double>(value)) * factor;
  long double nudge = mode == 0 ? 0.0L : mode == 1 ? 0.9L : 0.5L;
  long double rounded = std::trunc(scaled + nudge) / factor;
  return static_cast<double>(value < 0 ? -rounded : rounded);
}

double RoundOffNoise(double value) {
  constexpr long double kStep = 1e-10L;
  long double a = std::fabs(static_cast<long double>(value));
  long double rounded = std::trunc(a / kStep + 0.5L) * kStep;
  return static_cast<double>(
      std::copysign(rounded, static_cast<long double>(value)));
}

}  // namespace halvane
