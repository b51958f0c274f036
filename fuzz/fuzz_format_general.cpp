// Checks the number formats against a slow reference built on the exact
// decimal expansion from printf. FormatGeneral must read back as the value
// rounded to 15 significant digits and be stable on a second round trip.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "util/numbers.h"

namespace {

// magnitude = 0.digits x 10^exponent; digits empty means zero.
struct Decimal {
  std::string digits;
  int exponent = 0;
};

Decimal Exact(double magnitude) {
  Decimal d;
  if (magnitude == 0) return d;
  static char buffer[1000];
  std::snprintf(buffer, sizeof buffer, "%.800e", magnitude);
  const char* e = std::strchr(buffer, 'e');
  d.digits = std::string(1, buffer[0]) +
             std::string(buffer + 2, static_cast<size_t>(e - (buffer + 2)));
  d.exponent = std::atoi(e + 1) + 1;
  return d;
}

// Keeps `keep` digits, a half going up, and drops trailing zeros.
Decimal RoundHalfUp(Decimal d, int keep) {
  if (keep < 0) return Decimal{};
  if (keep < static_cast<int>(d.digits.size())) {
    bool up = d.digits[keep] >= '5';
    d.digits.resize(keep);
    for (int i = keep - 1; up && i >= 0; --i) {
      if (d.digits[i] == '9') {
        d.digits[i] = '0';
      } else {
        ++d.digits[i];
        up = false;
      }
    }
    if (up) {
      d.digits.insert(d.digits.begin(), '1');
      ++d.exponent;
    }
  }
  while (!d.digits.empty() && d.digits.back() == '0') d.digits.pop_back();
  if (d.digits.empty()) d.exponent = 0;
  return d;
}

char DigitAt(const Decimal& d, int i) {
  return i >= 0 && i < static_cast<int>(d.digits.size()) ? d.digits[i] : '0';
}

std::string ExpectedGeneral(double x) {
  if (x == 0) return "0";
  Decimal d = RoundHalfUp(Exact(std::fabs(x)), 15);
  std::string sign = x < 0 ? "-" : "";
  int n = static_cast<int>(d.digits.size());
  if (d.exponent < -3 || d.exponent > 15) {
    std::string mantissa = d.digits.substr(0, 1);
    if (n > 1) mantissa += "." + d.digits.substr(1);
    return sign + mantissa + "E" + std::to_string(d.exponent - 1);
  }
  std::string integer = "0";
  std::string fraction = d.digits;
  if (d.exponent > 0) {
    integer = d.digits.substr(0, d.exponent);
    integer.resize(d.exponent, '0');
    fraction = n > d.exponent ? d.digits.substr(d.exponent) : "";
  } else {
    fraction.insert(0, -d.exponent, '0');
  }
  return sign + integer + (fraction.empty() ? "" : "." + fraction);
}

std::string ExpectedFixed(int places, double x, bool grouped) {
  Decimal d = RoundHalfUp(Exact(std::fabs(x)), 18);
  d = RoundHalfUp(d, d.exponent + places);
  std::string integer;
  for (int i = 0; i < d.exponent; ++i) integer += DigitAt(d, i);
  if (integer.empty()) integer = "0";
  if (grouped) {
    for (int at = static_cast<int>(integer.size()) - 3; at > 0; at -= 3) {
      integer.insert(at, ",");
    }
  }
  std::string text = (x < 0 && !d.digits.empty() ? "-" : "") + integer;
  if (places > 0) text += ".";
  for (int i = 0; i < places; ++i) text += DigitAt(d, d.exponent + i);
  return text;
}

// The value rounded to 15 significant digits, read back by strtod.
double Rounded15(double x) {
  Decimal d = RoundHalfUp(Exact(std::fabs(x)), 15);
  if (d.digits.empty()) return 0;
  std::string text = "0." + d.digits + "e" + std::to_string(d.exponent);
  double r = std::strtod(text.c_str(), nullptr);
  return x < 0 ? -r : r;
}

void Check(double x, int places) {
  if (!std::isfinite(x)) return;
  std::string general = halvane::FormatGeneral(x);
  if (general != ExpectedGeneral(x)) std::abort();
  std::string appended = "#";
  halvane::AppendGeneral(appended, x);
  if (appended != "#" + general) std::abort();
  // Only the top of the range rounds beyond the largest double
  // (1.79769313486232E308); that text is out of range and reads as 0.
  double rounded = Rounded15(x);
  double back = halvane::ParseFloat(general);
  if (std::isinf(rounded) ? back != 0 : back != rounded) std::abort();
  if (!std::isinf(rounded) && halvane::FormatGeneral(back) != general) {
    std::abort();
  }

  if (halvane::FormatFixed(places, x) != ExpectedFixed(places, x, false)) {
    std::abort();
  }
  if (halvane::FormatGrouped(places, x) != ExpectedFixed(places, x, true)) {
    std::abort();
  }
}

}  // namespace

// Each 9 bytes: a double and the places (0 to 8). The whole input read as a
// number text is checked too, so that seeds can name decimal values.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  int text_places = size > 0 ? data[size - 1] % 9 : 2;
  std::string text(reinterpret_cast<const char*>(data), size);
  while (!text.empty() && (text.back() == '\n' || text.back() < ' ')) {
    text.pop_back();
  }
  Check(halvane::ParseFloat(text), text_places);
  for (size_t at = 0; at + 8 <= size; at += 9) {
    double x;
    std::memcpy(&x, data + at, sizeof x);
    Check(x, at + 8 < size ? data[at + 8] % 9 : 2);
  }
  return 0;
}
