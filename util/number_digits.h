// Decimal digits of a double rounded to a number of significant digits,
// halves away from zero, decided on the exact value of the double.
#pragma once

namespace halvane {

inline constexpr int kMaxSignificantDigits = 18;

// value = 0.d1 d2 ... dn x 10^exponent; trailing zeros are dropped and
// count == 0 means zero (exponent is then 0).
struct DecimalDigits {
  char digits[kMaxSignificantDigits];
  int count;
  int exponent;
};

// `magnitude` must be finite and not below zero; `significant` is clamped to
// 1..kMaxSignificantDigits.
DecimalDigits RoundSignificant(double magnitude, int significant);

// Keeps the first `keep` digits (any number, also 0 or less), rounding half
// away from zero on the digits held.
void RoundAtDigit(DecimalDigits& d, int keep);
// The same, dropping the digits after `keep`.
void TruncateAtDigit(DecimalDigits& d, int keep);
// The nearest double to the digits.
double DigitsToDouble(const DecimalDigits& d);

}  // namespace halvane
