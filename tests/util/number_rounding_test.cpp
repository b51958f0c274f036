#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>

#include "util/numbers.h"

namespace halvane {
namespace {

struct RoundCase {
  int places;
  int mode;
  double value;
  double expected;
};

class RoundValueCases : public testing::TestWithParam<RoundCase> {};

TEST_P(RoundValueCases, RoundsByMode) {
  const RoundCase& c = GetParam();
  double got = RoundValue(c.places, c.mode, c.value);
  EXPECT_EQ(std::bit_cast<uint64_t>(got), std::bit_cast<uint64_t>(c.expected))
      << "RoundValue(" << c.places << ", " << c.mode << ", " << c.value
      << ") gave " << got;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RoundValueCases,
    testing::Values(
        RoundCase{0, 0, -2.7, -2}, RoundCase{0, 0, 12.75, 12},
        RoundCase{1, 0, 1.25, 1.2}, RoundCase{2, 0, 1.239, 1.23},
        RoundCase{0, 0, -0.3, -0.0},
        // Truncation cuts the decimal value, not the binary one below it.
        RoundCase{1, 0, 0.3, 0.3}, RoundCase{1, 0, 0.7, 0.7},
        RoundCase{1, 0, 1234.3, 1234.3}, RoundCase{2, 0, 2.675, 2.67},
        RoundCase{0, 0, 299.99999999999994, 300},
        RoundCase{1, 0, 0.29999999999999, 0.2},
        RoundCase{8, 0, 1.234567891, 1.23456789}, RoundCase{0, 0, 1e300, 1e300},
        RoundCase{3, 0, 5e-324, 0}, RoundCase{1, 1, 1.11, 1.2},
        RoundCase{1, 1, 1.101, 1.1}, RoundCase{0, 1, 12.5, 13},
        RoundCase{0, 1, 12.0625, 12}, RoundCase{1, 1, 1.2, 1.2},
        RoundCase{0, 1, -2.1, -3}, RoundCase{1, 2, 2.25, 2.3},
        RoundCase{1, 2, 1.25, 1.3},
        RoundCase{2, 2, 1.005, 1},  // the stored double is below the half
        RoundCase{0, 2, -2.5, -3}, RoundCase{0, 2, 2.4999, 2},
        RoundCase{0, 7, 2.5, 3}, RoundCase{0, -1, 2.5, 3},
        // Places outside 1 to 13 mean factor 1.
        RoundCase{14, 2, 1.26, 1}, RoundCase{-1, 2, 2.5, 3},
        RoundCase{14, 0, 1.26, 1}, RoundCase{13, 2, 0.1, 0.1},
        RoundCase{13, 0, 2.5, 2.5}));

TEST(RoundValue, PassesNotFiniteValuesThrough) {
  EXPECT_TRUE(std::isinf(RoundValue(2, 2, HUGE_VAL)));
  EXPECT_TRUE(std::isnan(RoundValue(2, 0, std::nan(""))));
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
