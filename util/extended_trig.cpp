#include "util/extended_trig.h"

#include <array>
#include <cmath>
#include <cstdint>
#include <limits>

namespace halvane {
namespace {

// floor(2/pi * 2^1248), most significant word first: as far down as the
// largest double reaches.
constexpr int kTableBits = 1248;
constexpr std::array<std::uint32_t, 39> kTwoOverPi = {
    0xA2F9836E, 0x4E441529, 0xFC2757D1, 0xF534DDC0, 0xDB629599, 0x3C439041,
    0xFE5163AB, 0xDEBBC561, 0xB7246E3A, 0x424DD2E0, 0x06492EEA, 0x09D1921C,
    0xFE1DEB1C, 0xB129A73E, 0xE88235F5, 0x2EBB4484, 0xE99C7026, 0xB45F7E41,
    0x3991D639, 0x835339F4, 0x9C845F8B, 0xBDF9283B, 0x1FF897FF, 0xDE05980F,
    0xEF2F118B, 0x5A0A6D1F, 0x6D367ECF, 0x27CB09B7, 0x4F463F66, 0x9E5FEA2D,
    0x7527BAC7, 0xEBE5F17B, 0x3D0739F7, 0x8A5292EA, 0x6BFB5FB1, 0x1F8D5D08,
    0x56033046, 0xFC7B6BAB, 0xF0CFBC20,
};

// pi/2 split into a long double and the rest.
constexpr long double kHalfPiHigh = 1.5707963267948966192313216916397514L;
constexpr long double kHalfPiLow =
    1.5707963267948966192313216916397514420985846996875529L - kHalfPiHigh;
constexpr long double kQuarterPi = 0.78539816339744830961566084581987572L;

// Fraction bits kept of t * 2/pi; 192 of them remain below the smallest
// distance of a double from a multiple of pi/2 (about 2^-61 relative).
constexpr int kFractionWords = 8;
constexpr int kSliceWords = kFractionWords + 1;

// Table bits low .. low+31; bits above the table are zero.
std::uint32_t TableBits(int low) {
  auto word = [](int index) -> std::uint64_t {
    const int from_top = static_cast<int>(kTwoOverPi.size()) - 1 - index;
    return from_top >= 0 ? kTwoOverPi[static_cast<std::size_t>(from_top)] : 0;
  };
  const int index = low / 32;
  const int shift = low % 32;
  const std::uint64_t pair = word(index) | word(index + 1) << 32;
  return static_cast<std::uint32_t>(pair >> shift);
}

// |t| = q * pi/2 + r with |r| <= pi/4; returns q mod 4. |t| > pi/4, finite.
int ReduceHalfPi(double t, long double& r) {
  int exponent = 0;
  const double mantissa = std::frexp(std::fabs(t), &exponent);
  const auto m = static_cast<std::uint64_t>(std::ldexp(mantissa, 53));
  // |t| = m * 2^e, and |t| * 2/pi = m * table * 2^(e - kTableBits).
  const int e = exponent - 53;
  const int low = kTableBits - e - 32 * kFractionWords;

  // product = m * (table bits from `low`), the binary point below word 8.
  std::array<std::uint32_t, kSliceWords + 2> product{};
  const std::uint64_t m_parts[2] = {m & 0xFFFFFFFFu, m >> 32};
  for (int j = 0; j < 2; ++j) {
    std::uint64_t carry = 0;
    for (int k = 0; k < kSliceWords; ++k) {
      const std::size_t at = static_cast<std::size_t>(j + k);
      const std::uint64_t sum =
          m_parts[j] * TableBits(low + 32 * k) + product[at] + carry;
      product[at] = static_cast<std::uint32_t>(sum);
      carry = sum >> 32;
    }
    product[static_cast<std::size_t>(j + kSliceWords)] +=
        static_cast<std::uint32_t>(carry);
  }

  int quadrant = static_cast<int>(product[kFractionWords] & 3);
  bool negative = false;
  if (product[kFractionWords - 1] >> 31) {  // fraction >= 1/2: round up
    negative = true;
    ++quadrant;
    std::uint64_t borrow = 0;
    for (int k = 0; k < kFractionWords; ++k) {
      const std::uint64_t diff =
          0 - static_cast<std::uint64_t>(product[static_cast<std::size_t>(k)]) -
          borrow;
      product[static_cast<std::size_t>(k)] = static_cast<std::uint32_t>(diff);
      borrow = diff >> 63;
    }
  }

  // The fraction's two leading words are exact in a long double.
  int top = kFractionWords - 1;
  while (top > 0 && product[static_cast<std::size_t>(top)] == 0) --top;
  auto scaled = [&](int k) {
    return k < 0 ? 0.0L
                 : std::ldexp(static_cast<long double>(
                                  product[static_cast<std::size_t>(k)]),
                              32 * (k - kFractionWords));
  };
  const long double high = scaled(top) + scaled(top - 1);
  const long double rest = scaled(top - 2) + scaled(top - 3);
  r = high * kHalfPiHigh + (high * kHalfPiLow + rest * kHalfPiHigh);
  if (negative) r = -r;
  return quadrant & 3;
}

// Taylor series in nested form, up to r^21 and r^22: the first term left
// out is below 2^-80 for |r| <= pi/4.
long double SinKernel(long double r) {
  const long double z = r * r;
  long double tail = 1;
  for (int k = 20; k >= 4; k -= 2) tail = 1.0L - z * tail / (k * (k + 1));
  return r - r * (z * tail / 6);
}

long double CosKernel(long double r) {
  const long double z = r * r;
  long double tail = 1;
  for (int k = 22; k >= 4; k -= 2) tail = 1.0L - z * tail / (k * (k - 1));
  return 1.0L - z * tail / 2;
}

}  // namespace

void SinCosExtended(double t, long double& sine, long double& cosine) {
  if (!std::isfinite(t)) {
    sine = cosine = std::numeric_limits<long double>::quiet_NaN();
    return;
  }
  long double r = std::fabs(static_cast<long double>(t));
  int quadrant = 0;
  if (r > kQuarterPi) quadrant = ReduceHalfPi(t, r);
  const long double s = SinKernel(r);
  const long double c = CosKernel(r);
  switch (quadrant) {
    case 0:
      sine = s;
      cosine = c;
      break;
    case 1:
      sine = c;
      cosine = -s;
      break;
    case 2:
      sine = -s;
      cosine = -c;
      break;
    default:
      sine = -c;
      cosine = s;
      break;
  }
  if (t < 0) sine = -sine;
}

}  // namespace halvane
