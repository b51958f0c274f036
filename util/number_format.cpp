// The number formats. Not finite values, which no caller should pass, are
// written as 0 so that no "inf" or "nan" ever reaches an output line.
#include <algorithm>
#include <charconv>
#include <cmath>
#include <iterator>

#include "util/number_digits.h"
#include "util/numbers.h"

namespace halvane {
namespace {

constexpr int kGeneralDigits = 15;
// More places than the 18 significant digits carry would only add zeros.
constexpr int kMaxFixedPlaces = 18;
// "-0.000" and 15 digits, or "-d." and 14 digits and "E-324".
constexpr int kGeneralCapacity = 32;

char* WriteGeneral(char (&buffer)[kGeneralCapacity], double value) {
  char* out = buffer;
  if (!std::isfinite(value) || value == 0) {
    *out++ = '0';
    return out;
  }
  DecimalDigits d = RoundSignificant(std::fabs(value), kGeneralDigits);
  const char* digits = d.digits;
  const int e = d.exponent;
  if (value < 0) *out++ = '-';
  if (e >= -3 && e <= 15) {
    if (e > 0) {
      for (int i = 0; i < e; ++i) *out++ = i < d.count ? digits[i] : '0';
      if (d.count > e) {
        *out++ = '.';
        out = std::copy(digits + e, digits + d.count, out);
      }
    } else {
      *out++ = '0';
      *out++ = '.';
      out = std::fill_n(out, -e, '0');
      out = std::copy(digits, digits + d.count, out);
    }
    return out;
  }
  *out++ = digits[0];
  if (d.count > 1) {
    *out++ = '.';
    out = std::copy(digits + 1, digits + d.count, out);
  }
  *out++ = 'E';
  return std::to_chars(out, std::end(buffer), e - 1).ptr;
}

std::string Fixed(int places, double value, bool grouped) {
  places = std::clamp(places, 0, kMaxFixedPlaces);
  if (!std::isfinite(value)) value = 0;
  DecimalDigits d = RoundSignificant(std::fabs(value), kMaxSignificantDigits);
  RoundAtDigit(d, d.exponent + places);
  auto digit = [&d](int i) {
    return i >= 0 && i < d.count ? d.digits[i] : '0';
  };
  const int integer_digits = std::max(d.exponent, 1);
  std::string out;
  out.reserve(
      static_cast<size_t>(integer_digits + integer_digits / 3 + places + 2));
  if (value < 0 && d.count > 0) out += '-';
  for (int i = 0; i < integer_digits; ++i) {
    if (grouped && i > 0 && (integer_digits - i) % 3 == 0) out += ',';
    out += digit(i + d.exponent - integer_digits);
  }
  if (places > 0) out += '.';
  for (int i = 0; i < places; ++i) out += digit(d.exponent + i);
  return out;
}

}  // namespace

std::string FormatFixed(int places, double value) {
  return Fixed(places, value, false);
}

std::string FormatGrouped(int places, double value) {
  return Fixed(places, value, true);
}

std::string FormatGeneral(double value) {
  char buffer[kGeneralCapacity];
  return std::string(buffer, WriteGeneral(buffer, value));
}

void AppendGeneral(std::string& out, double value) {
  char buffer[kGeneralCapacity];
  out.append(buffer, WriteGeneral(buffer, value));
}

}  // namespace halvane
