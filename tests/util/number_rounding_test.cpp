#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>

#include "util/numbers.h"

namespace halvane {
namespace {

struct RoundCase {
  int places;
  Rounding mode;
  double value;
  double expected;
};

constexpr auto kTruncate = Rounding::Truncate;
constexpr auto kUp = Rounding::Up;
constexpr auto kHalfUp = Rounding::HalfUp;

class RoundValueCases : public testing::TestWithParam<RoundCase> {};

TEST_P(RoundValueCases, RoundsByMode) {
  const RoundCase& c = GetParam();
  double got = RoundValue(c.places, c.mode, c.value);
  EXPECT_EQ(std::bit_cast<uint64_t>(got), std::bit_cast<uint64_t>(c.expected))
      << "RoundValue(" << c.places << ", " << static_cast<int>(c.mode) << ", "
      << c.value << ") gave " << got;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RoundValueCases,
    testing::Values(
        RoundCase{0, kTruncate, -2.7, -2}, RoundCase{0, kTruncate, 12.75, 12},
        RoundCase{1, kTruncate, 1.25, 1.2},
        RoundCase{2, kTruncate, 1.239, 1.23},
        RoundCase{0, kTruncate, -0.3, -0.0},
        // Truncation cuts the decimal value, not the binary one below it.
        RoundCase{1, kTruncate, 0.3, 0.3}, RoundCase{1, kTruncate, 0.7, 0.7},
        RoundCase{1, kTruncate, 1234.3, 1234.3},
        RoundCase{2, kTruncate, 2.675, 2.67},
        RoundCase{0, kTruncate, 299.99999999999994, 300},
        RoundCase{1, kTruncate, 0.29999999999999, 0.2},
        RoundCase{8, kTruncate, 1.234567891, 1.23456789},
        RoundCase{0, kTruncate, 1e300, 1e300},
        RoundCase{3, kTruncate, 5e-324, 0}, RoundCase{1, kUp, 1.11, 1.2},
        RoundCase{1, kUp, 1.101, 1.1}, RoundCase{0, kUp, 12.5, 13},
        RoundCase{0, kUp, 12.0625, 12}, RoundCase{1, kUp, 1.2, 1.2},
        RoundCase{0, kUp, -2.1, -3}, RoundCase{1, kHalfUp, 2.25, 2.3},
        RoundCase{1, kHalfUp, 1.25, 1.3},
        RoundCase{2, kHalfUp, 1.005, 1},  // the stored double is below the half
        RoundCase{0, kHalfUp, -2.5, -3}, RoundCase{0, kHalfUp, 2.4999, 2},
        RoundCase{0, static_cast<Rounding>(7), 2.5, 3},
        RoundCase{0, static_cast<Rounding>(-1), 2.5, 3},
        // Places outside 1 to 13 mean factor 1.
        RoundCase{14, kHalfUp, 1.26, 1}, RoundCase{-1, kHalfUp, 2.5, 3},
        RoundCase{14, kTruncate, 1.26, 1}, RoundCase{13, kHalfUp, 0.1, 0.1},
        RoundCase{13, kTruncate, 2.5, 2.5}));

TEST(RoundValue, PassesNotFiniteValuesThrough) {
  EXPECT_TRUE(std::isinf(RoundValue(2, kHalfUp, HUGE_VAL)));
  EXPECT_TRUE(std::isnan(RoundValue(2, kTruncate, std::nan(""))));
}

TEST(RoundOffNoise, RoundsAtTheTenthDecimal) {
  EXPECT_EQ(RoundOffNoise(359.99999999999994), 360);
  EXPECT_EQ(RoundOffNoise(-2.00000000004), -2);
  EXPECT_EQ(RoundOffNoise(5e-11), 1e-10);
  EXPECT_EQ(RoundOffNoise(1.23456789012345), 1.2345678901);
  EXPECT_EQ(RoundOffNoise(90.00000000006), 90.0000000001);
  double tiny = RoundOffNoise(-1e-12);
  EXPECT_EQ(tiny, 0);
  EXPECT_TRUE(std::signbit(tiny));
  EXPECT_EQ(FormatGeneral(tiny), "0");
}

}  // namespace
}  // namespace halvane
