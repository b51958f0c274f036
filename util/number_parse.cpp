// The general number parsers. A prefix that is not followed by its digits
// is not taken: "0x" reads 0 and stops at "x", "1e" reads 1 and stops at "e".
#include "util/number_parse.h"

#include <charconv>
#include <cstdint>

namespace halvane {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

int HexValue(char c) {
  if (IsDigit(c)) return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

const char* SkipSpaces(const char* p, const char* last) {
  while (p != last && *p == ' ') ++p;
  return p;
}

// Takes an optional sign; true when it was "-".
bool TakeSign(const char*& p, const char* last) {
  if (p == last || (*p != '+' && *p != '-')) return false;
  return *p++ == '-';
}

const char* SkipDigits(const char* p, const char* last) {
  while (p != last && IsDigit(*p)) ++p;
  return p;
}

// Start of the hex digits when a hex prefix with a digit after it is at `p`.
const char* HexDigitsAfterPrefix(const char* p, const char* last) {
  const char* digits = nullptr;
  if (p != last && (*p == '$' || *p == 'x' || *p == 'X')) {
    digits = p + 1;
  } else if (last - p >= 2 && p[0] == '0' && (p[1] == 'x' || p[1] == 'X')) {
    digits = p + 2;
  }
  if (digits != nullptr && digits != last && HexValue(*digits) >= 0) {
    return digits;
  }
  return nullptr;
}

ParseResult Fail(const char* ptr, int32_t& value) {
  value = 0;
  return {ptr, false};
}

// Decimal exponent of the leading digit of a nonzero mantissa.
int64_t LeadingExponent(const char* p, const char* mantissa_end,
                        int64_t exponent) {
  while (p != mantissa_end && *p == '0') ++p;
  const char* integer_end = SkipDigits(p, mantissa_end);
  if (integer_end != p) return exponent + (integer_end - p) - 1;
  if (p != mantissa_end) ++p;  // the point
  const char* fraction = p;
  while (p != mantissa_end && *p == '0') ++p;
  return exponent - (p - fraction) - 1;
}

// Exponent digits saturated well beyond any double, so they never overflow.
int64_t ReadExponent(const char* p, const char* last) {
  bool negative = TakeSign(p, last);
  int64_t e = 0;
  for (; p != last && IsDigit(*p); ++p) {
    if (e < 1000000000000000) e = e * 10 + (*p - '0');
  }
  return negative ? -e : e;
}

}  // namespace

ParseResult ParseInt(const char* first, const char* last, int32_t& value) {
  const char* p = SkipSpaces(first, last);
  bool negative = TakeSign(p, last);
  if (const char* hex = HexDigitsAfterPrefix(p, last)) {
    uint32_t pattern = 0;
    int count = 0;
    for (p = hex; p != last && HexValue(*p) >= 0; ++p, ++count) {
      pattern = (pattern << 4) | static_cast<uint32_t>(HexValue(*p));
    }
    if (count > 8) return Fail(p, value);
    value = static_cast<int32_t>(negative ? 0u - pattern : pattern);
    return {p, true};
  }
  if (p == last || !IsDigit(*p)) return Fail(first, value);
  const uint64_t limit = negative ? 2147483648u : 2147483647u;
  uint64_t magnitude = 0;
  bool overflow = false;
  for (; p != last && IsDigit(*p); ++p) {
    magnitude = magnitude * 10 + static_cast<uint64_t>(*p - '0');
    if (magnitude > limit) {
      overflow = true;
      magnitude = limit;  // keeps the loop from overflowing on long runs
    }
  }
  if (overflow) return Fail(p, value);
  value = static_cast<int32_t>(negative ? 0u - magnitude : magnitude);
  return {p, true};
}

ParseResult ParseFloat(const char* first, const char* last, double& value) {
  const char* p = SkipSpaces(first, last);
  bool negative = TakeSign(p, last);
  const char* mantissa = p;
  p = SkipDigits(p, last);
  bool has_digits = p != mantissa;
  if (p != last && *p == '.') {
    const char* fraction = p + 1;
    p = SkipDigits(fraction, last);
    has_digits = has_digits || p != fraction;
  }
  if (p == mantissa) {  // neither a digit nor a point
    value = 0;
    return {first, false};
  }
  const char* mantissa_end = p;
  int64_t exponent = 0;
  if (p != last && (*p == 'e' || *p == 'E')) {
    const char* q = p + 1;
    if (q != last && (*q == '+' || *q == '-')) ++q;
    if (q != last && IsDigit(*q)) {
      exponent = ReadExponent(p + 1, last);
      p = SkipDigits(q, last);
    }
  }
  if (!has_digits) {  // a lone point, with or without an exponent, is zero
    value = negative ? -0.0 : 0.0;
    return {p, true};
  }
  double magnitude = 0;
  auto [end, ec] = std::from_chars(mantissa, p, magnitude);
  if (ec == std::errc::result_out_of_range &&
      LeadingExponent(mantissa, mantissa_end, exponent) < 0) {
    magnitude = 0;  // below the smallest subnormal: the nearest double is 0
  } else if (ec != std::errc{} || end != p) {
    value = 0;  // beyond the largest double: unusable like any bad number
    return {p, false};
  }
  value = negative ? -magnitude : magnitude;
  return {p, true};
}

}  // namespace halvane
