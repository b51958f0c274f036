#include "util/number_digits.h"

#include <algorithm>
#include <charconv>

#include "util/number_digits_internal.h"

namespace halvane {
namespace {

// A double has at most 767 significant decimal digits.
constexpr int kExactPrecision = 800;

struct Scientific {
  char digits[kMaxSignificantDigits + 2];  // the wanted ones and two more
  int length;
  int exponent;  // of the first digit
};

// Reads the "d.ddde+xx" form of std::to_chars, keeping `wanted` digits.
Scientific ReadScientific(const char* first, const char* last, int wanted) {
  Scientific s{};
  const char* p = first;
  for (; p != last && *p != 'e'; ++p) {
    if (*p != '.' && s.length < wanted) s.digits[s.length++] = *p;
  }
  if (p != last) ++p;
  bool negative = p != last && *p == '-';
  if (p != last && (*p == '-' || *p == '+')) ++p;
  int exponent = 0;
  std::from_chars(p, last, exponent);
  s.exponent = negative ? -exponent : exponent;
  return s;
}

// Keeps the first `keep` digits (0 <= keep <= count), adding one unit in
// the last kept place when `up`.
void Cut(DecimalDigits& d, int keep, bool up) {
  int n = keep;
  if (up) {
    int i = n - 1;
    for (; i >= 0 && d.digits[i] == '9'; --i) d.digits[i] = '0';
    if (i >= 0) {
      ++d.digits[i];
    } else {  // 9.99... carried into a new leading digit
      d.digits[0] = '1';
      n = std::max(n, 1);
      ++d.exponent;
    }
  }
  while (n > 0 && d.digits[n - 1] == '0') --n;
  d.count = n;
  if (n == 0) d.exponent = 0;
}

DecimalDigits Finish(const Scientific& s, int significant, bool round_up) {
  DecimalDigits d{};
  d.count = std::min(significant, s.length);
  std::copy(s.digits, s.digits + d.count, d.digits);
  d.exponent = s.exponent + 1;
  Cut(d, d.count, round_up);
  return d;
}

void CutAt(DecimalDigits& d, int keep, bool rounding) {
  if (keep >= d.count) return;
  if (keep < 0) {
    d = DecimalDigits{};
    return;
  }
  Cut(d, keep, rounding && d.digits[keep] >= '5');
}

int ClampSignificant(int significant) {
  return std::clamp(significant, 1, kMaxSignificantDigits);
}

}  // namespace

DecimalDigits RoundSignificantExact(double magnitude, int significant) {
  significant = ClampSignificant(significant);
  if (!(magnitude > 0)) return DecimalDigits{};
  char buffer[kExactPrecision + 16];
  auto result = std::to_chars(buffer, buffer + sizeof buffer, magnitude,
                              std::chars_format::scientific, kExactPrecision);
  Scientific s = ReadScientific(buffer, result.ptr, significant + 1);
  // Every digit is exact, so a half shows as a 5 in the first dropped place.
  return Finish(s, significant, s.digits[significant] >= '5');
}

DecimalDigits RoundSignificant(double magnitude, int significant) {
  significant = ClampSignificant(significant);
  if (!(magnitude > 0)) return DecimalDigits{};
  // Two more digits, rounded to nearest: only "50" there leaves it open
  // whether the exact value lies below, on or above the half.
  char buffer[48];
  auto result = std::to_chars(buffer, buffer + sizeof buffer, magnitude,
                              std::chars_format::scientific, significant + 1);
  if (result.ec != std::errc{})
    return RoundSignificantExact(magnitude, significant);
  Scientific s = ReadScientific(buffer, result.ptr, significant + 2);
  char first = s.digits[significant];
  if (first == '5' && s.digits[significant + 1] == '0') {
    return RoundSignificantExact(magnitude, significant);
  }
  return Finish(s, significant, first >= '5');
}

void RoundAtDigit(DecimalDigits& d, int keep) { CutAt(d, keep, true); }

void TruncateAtDigit(DecimalDigits& d, int keep) { CutAt(d, keep, false); }

double DigitsToDouble(const DecimalDigits& d) {
  char text[kMaxSignificantDigits + 16] = {'0', '.'};
  char* p = std::copy(d.digits, d.digits + d.count, text + 2);
  *p++ = 'e';
  p = std::to_chars(p, text + sizeof text, d.exponent).ptr;
  double value = 0;
  std::from_chars(text, p, value);
  return value;
}

}  // namespace halvane
