// Checks the number formats against a slow reference built on the exact
// decimal expansion from printf. FormatGeneral must read back as the value
// rounded to 15 significant digits and be stable on a second round trip.
#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "util/number_parse.h"
#include "util/numbers.h"

namespace {

// magnitude = 0.digits x 10^exponent; digits empty means zero.
struct Decimal {
  std::string digits;
  int exponent = 0;
};

// The first 19 digits of the exact decimal expansion, cut, not rounded:
// rounding to 15 or 18 digits looks at no digit after them. printf rounds
// exactly, so 41 digits cut to 19 give the exact cut unless rounding carried
// into the first 19, which leaves digits 20 to 41 all zero; only then are
// all the digits a double can have (767) printed, which takes ten times as
// long.
constexpr int kExactDigitsKept = 19;
constexpr int kShortDigits = 41;

bool ZerosOnly(const char* first, const char* last) {
  return std::all_of(first, last, [](char c) { return c == '0'; });
}

Decimal Exact(double magnitude) {
  Decimal d;
  if (magnitude == 0) return d;
  static char buffer[1000];  // "d." then the digits after the first
  std::snprintf(buffer, sizeof buffer, "%.*e", kShortDigits - 1, magnitude);
  if (ZerosOnly(buffer + kExactDigitsKept + 1, buffer + kShortDigits + 1)) {
    std::snprintf(buffer, sizeof buffer, "%.800e", magnitude);
  }
  const char* e = std::strchr(buffer, 'e');
  d.digits.assign(1, buffer[0]);
  d.digits.append(buffer + 2, kExactDigitsKept - 1);
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

// The value's exact expansion rounded the ways the formats need: made once
// per value, as the expansion is the slow part of the reference.
struct Reference {
  Decimal general;  // 15 significant digits
  Decimal fixed;    // 18 significant digits, then the places
};

Reference MakeReference(double x, int places) {
  const Decimal exact = Exact(std::fabs(x));
  Reference r;
  r.general = RoundHalfUp(exact, 15);
  r.fixed = RoundHalfUp(exact, 18);
  r.fixed = RoundHalfUp(r.fixed, r.fixed.exponent + places);
  return r;
}

std::string ExpectedGeneral(double x, const Decimal& d) {
  if (x == 0) return "0";
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

std::string ExpectedFixed(int places, double x, const Decimal& d,
                          bool grouped) {
  // One buffer for all: a double can have 309 integer digits.
  std::string text;
  text.reserve(2 * static_cast<std::size_t>(std::max(d.exponent, 1)) +
               static_cast<std::size_t>(places) + 2);
  if (x < 0 && !d.digits.empty()) text += '-';
  const int integer_start = static_cast<int>(text.size());
  for (int i = 0; i < d.exponent; ++i) text += DigitAt(d, i);
  if (static_cast<int>(text.size()) == integer_start) text += '0';
  if (grouped) {
    for (int at = static_cast<int>(text.size()) - 3; at > integer_start;
         at -= 3) {
      text.insert(at, ",");
    }
  }
  if (places > 0) text += ".";
  for (int i = 0; i < places; ++i) text += DigitAt(d, d.exponent + i);
  return text;
}

// The value rounded to 15 significant digits, read back by strtod.
double Rounded15(double x, const Decimal& d) {
  if (d.digits.empty()) return 0;
  std::string text = "0." + d.digits + "e" + std::to_string(d.exponent);
  double r = std::strtod(text.c_str(), nullptr);
  return x < 0 ? -r : r;
}

void Check(double x, int places) {
  if (!std::isfinite(x)) return;
  const Reference reference = MakeReference(x, places);
  std::string general = halvane::FormatGeneral(x);
  if (general != ExpectedGeneral(x, reference.general)) std::abort();
  std::string appended = "#";
  halvane::AppendGeneral(appended, x);
  if (appended != "#" + general) std::abort();
  // Only the top of the range rounds beyond the largest double
  // (1.79769313486232E308); that text is out of range and reads as 0.
  double rounded = Rounded15(x, reference.general);
  double back = halvane::ParseFloat(general);
  if (std::isinf(rounded) ? back != 0 : back != rounded) std::abort();
  if (!std::isinf(rounded) && halvane::FormatGeneral(back) != general) {
    std::abort();
  }

  if (halvane::FormatFixed(places, x) !=
      ExpectedFixed(places, x, reference.fixed, false)) {
    std::abort();
  }
  if (halvane::FormatGrouped(places, x) !=
      ExpectedFixed(places, x, reference.fixed, true)) {
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
