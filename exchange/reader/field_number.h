// Reading a number field of the exchange file. Most fields are short plain
// decimals ("-1234.5678"); those are converted here exactly, everything else
// goes to ParseFloat, so the result is always ParseFloat's.
#pragma once

#include <bit>
#include <cstdint>
#include <string_view>

#include "exchange/reader/byte_words.h"
#include "util/numbers.h"

namespace halvane {
namespace field_number_detail {

inline constexpr uint64_t kPowersOfTen[] = {
    1, 10, 100, 1000, 10000, 100000, 1000000, 10000000, 100000000, 1000000000};

// Adds the run of ASCII digits at p to `mantissa`, moving p past it, and
// returns how many digits it had (counting stops beyond 16). Eight bytes are
// looked at a time while eight are left before `end`: the lowest non-digit
// byte of a word is flagged exactly (carries and borrows only run towards
// later bytes), and the digits before it are combined by multiplication.
inline int AddDigits(const char*& p, const char* end, uint64_t& mantissa) {
  int count = 0;
  if constexpr (byte_words::kLittleEndian) {
    while (end - p >= 8) {
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
      mantissa = mantissa * kPowersOfTen[run] + (v & 0xFFFFFFFFull);
      p += run;
      count += run;
      if (run < 8 || count > 16) return count;  // 16: too long anyway
    }
  }
  for (; p != end; ++p, ++count) {
    const unsigned d = static_cast<unsigned char>(*p) - unsigned{'0'};
    if (d >= 10 || count > 16) break;
    mantissa = mantissa * 10 + d;
  }
  return count;
}

}  // namespace field_number_detail

// Reads [-]digits[.digits] at p, moving p past it, and returns true with
// the exact value when there are 1 to 15 digits: they fit a double exactly,
// as do the powers of ten up to 1e22, so one division rounds correctly.
// Other numbers are left to ParseFloat. Reads nothing at or past `end`.
inline bool ParsePlainDecimal(const char*& p, const char* end, double& value) {
  static constexpr double kPowers[] = {1e0,  1e1,  1e2,  1e3, 1e4,  1e5,
                                       1e6,  1e7,  1e8,  1e9, 1e10, 1e11,
                                       1e12, 1e13, 1e14, 1e15};
  using field_number_detail::AddDigits;
  const bool negative = p != end && *p == '-';
  if (negative) ++p;
  uint64_t mantissa = 0;
  int digits = AddDigits(p, end, mantissa);
  int decimals = 0;
  if (p != end && *p == '.') {
    ++p;
    decimals = AddDigits(p, end, mantissa);
    digits += decimals;
  }
  if (digits == 0 || digits > 15) return false;
  value = static_cast<double>(mantissa);
  if (decimals > 0) value /= kPowers[decimals];
  if (negative) value = -value;
  return true;
}

inline double FieldNumber(std::string_view text) {
  const char* p = text.data();
  const char* const end = p + text.size();
  double value;
  if (ParsePlainDecimal(p, end, value) && p == end) return value;
  return ParseFloat(text);
}

}  // namespace halvane
