// Reading numbers. Every parser takes a byte range [first, last), never
// reads past `last`, and gives the value and where it stopped; the text
// forms read a whole text and give 0 for anything else. No locale, no
// exceptions.
#pragma once

#include <bit>
#include <cstdint>
#include <string_view>

#include "util/byte_words.h"

namespace halvane {

// Result of a range parser: where it stopped and whether the whole grammar
// matched. A failed parse leaves the value at 0 and `ptr` at `first`, or
// just past the digits when they were well-formed but out of range.
struct ParseResult {
  const char* ptr;
  bool ok;
};

// Integer grammar: leading spaces, optional sign, then decimal digits or a
// hexadecimal form ("$", "x", "X", "0x", "0X" and 1..8 hex digits).
ParseResult ParseInt(const char* first, const char* last, int32_t& value);
inline int32_t ParseInt(std::string_view text);

// Decimal grammar: leading spaces, optional sign, digits, optional "." and
// digits, optional exponent. Gives the nearest double.
ParseResult ParseFloat(const char* first, const char* last, double& value);

// The short plain decimals most number fields hold: [-]digits[.digits] with
// 1 to 15 digits. They fit a double exactly, as do the powers of ten up to
// 1e22, so one division rounds correctly and the value is ParseFloat's. Any
// other form fails and is left to ParseFloat.
inline ParseResult ParsePlainDecimal(const char* first, const char* last,
                                     double& value);

// ParseFloat of a whole text, through ParsePlainDecimal when it can.
inline double ParseFloat(std::string_view text);

namespace number_parse_detail {

// 10^run for a run of 1 to 8 digits, at run - 1.
inline constexpr uint64_t kRunScales[] = {10,     100,     1000,     10000,
                                          100000, 1000000, 10000000, 100000000};

// Adds the run of ASCII digits at p to `mantissa`, moving p past it, and
// returns how many digits it had (counting stops beyond 16). Eight bytes are
// looked at a time while eight are left before `last`: the lowest non-digit
// byte of a word is flagged exactly (carries and borrows only run towards
// later bytes), and the digits before it are combined by multiplication.
inline int AddDigits(const char*& p, const char* last, uint64_t& mantissa) {
  int count = 0;
  if constexpr (byte_words::kLittleEndian) {
    while (last - p >= 8) {
      const uint64_t word = byte_words::Load(p);
      const uint64_t values = word - 0x3030303030303030ull;
      const uint64_t non_digits =
          (values | (word + 0x4646464646464646ull)) & 0x8080808080808080ull;
      const int run = std::countr_zero(non_digits) / 8;  // 8 for no flag
      if (run == 0) return count;
      // The run's digits move to the top bytes; the zeros below them are
      // leading zeros. Then pairs, fours and eights of digits are combined.
      uint64_t v = values << (64 - 8 * run);
      v = v * 10 + (v >> 8);
      v = (((v & 0x000000FF000000FFull) * 0x000F424000000064ull) +
           (((v >> 16) & 0x000000FF000000FFull) * 0x0000271000000001ull)) >>
          32;
      mantissa = mantissa * kRunScales[run - 1] + (v & 0xFFFFFFFFull);
      p += run;
      count += run;
      if (run < 8 || count > 16) return count;  // 16: too long anyway
    }
  }
  for (; p != last; ++p, ++count) {
    const unsigned d = static_cast<unsigned char>(*p) - unsigned{'0'};
    if (d >= 10 || count > 16) break;
    mantissa = mantissa * 10 + d;
  }
  return count;
}

// The value of `parse` when it takes the whole text, otherwise 0.
template <typename T>
T WholeText(std::string_view text,
            ParseResult (*parse)(const char*, const char*, T&)) {
  const char* const first = text.data();
  const char* const last = first + text.size();
  T value{};
  const ParseResult r = parse(first, last, value);
  return r.ok && r.ptr == last ? value : T{};
}

}  // namespace number_parse_detail

inline ParseResult ParsePlainDecimal(const char* first, const char* last,
                                     double& value) {
  static constexpr double kPowers[] = {1e0,  1e1,  1e2,  1e3, 1e4,  1e5,
                                       1e6,  1e7,  1e8,  1e9, 1e10, 1e11,
                                       1e12, 1e13, 1e14, 1e15};
  using number_parse_detail::AddDigits;
  const char* p = first;
  const bool negative = p != last && *p == '-';
  if (negative) ++p;
  uint64_t mantissa = 0;
  int digits = AddDigits(p, last, mantissa);
  int decimals = 0;
  if (p != last && *p == '.') {
    ++p;
    decimals = AddDigits(p, last, mantissa);
    digits += decimals;
  }
  if (digits == 0 || digits > 15) {
    value = 0;
    return {first, false};
  }
  value = static_cast<double>(mantissa);
  if (decimals > 0) value /= kPowers[decimals];
  if (negative) value = -value;
  return {p, true};
}

inline int32_t ParseInt(std::string_view text) {
  return number_parse_detail::WholeText<int32_t>(text, ParseInt);
}

inline double ParseFloat(std::string_view text) {
  const char* const first = text.data();
  const char* const last = first + text.size();
  double value;
  const ParseResult r = ParsePlainDecimal(first, last, value);
  if (r.ok && r.ptr == last) return value;
  return number_parse_detail::WholeText<double>(text, ParseFloat);
}

}  // namespace halvane
