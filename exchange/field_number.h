// Reading a number field of the exchange file. Most fields are short plain
// decimals ("-1234.5678"); those are converted here exactly, everything else
// goes to ParseFloat, so the result is always ParseFloat's.
#pragma once

#include <cstdint>
#include <string_view>

#include "util/numbers.h"

namespace halvane {

inline double FieldNumber(std::string_view text) {
  // Up to 15 digits fit a double exactly, as do the powers of ten up to 1e22,
  // so one division gives the correctly rounded value.
  static constexpr double kPowers[] = {1e0,  1e1,  1e2,  1e3, 1e4,  1e5,
                                       1e6,  1e7,  1e8,  1e9, 1e10, 1e11,
                                       1e12, 1e13, 1e14, 1e15};
  const char* p = text.data();
  const char* const end = p + text.size();
  const bool negative = p != end && *p == '-';
  if (negative) ++p;
  uint64_t mantissa = 0;
  int digits = 0;
  int decimals = -1;  // digits after the point; -1 without a point
  for (; p != end; ++p) {
    const unsigned d = static_cast<unsigned char>(*p) - '0';
    if (d < 10) {
      mantissa = mantissa * 10 + d;
      ++digits;
      if (decimals >= 0) ++decimals;
    } else if (*p == '.' && decimals < 0) {
      decimals = 0;
    } else {
      break;
    }
  }
  if (p != end || digits == 0 || digits > 15) return ParseFloat(text);
  double value = static_cast<double>(mantissa);
  if (decimals > 0) value /= kPowers[decimals];
  return negative ? -value : value;
}

}  // namespace halvane
