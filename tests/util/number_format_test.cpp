#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <limits>
#include <random>
#include <string>

#include "util/number_digits_internal.h"
#include "util/numbers.h"

namespace halvane {
namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNan = std::numeric_limits<double>::quiet_NaN();

struct GeneralCase {
  double value;
  const char* expected;
};

class FormatGeneralCases : public testing::TestWithParam<GeneralCase> {};

TEST_P(FormatGeneralCases, WritesOutputNumberFormat) {
  EXPECT_EQ(FormatGeneral(GetParam().value), GetParam().expected);
  std::string appended = "x ";
  AppendGeneral(appended, GetParam().value);
  EXPECT_EQ(appended, std::string("x ") + GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FormatGeneralCases,
    testing::Values(
        GeneralCase{0.0, "0"}, GeneralCase{-0.0, "0"}, GeneralCase{100, "100"},
        GeneralCase{2.50, "2.5"}, GeneralCase{-0.5, "-0.5"},
        GeneralCase{1.0 / 3, "0.333333333333333"},
        GeneralCase{2.0 / 3, "0.666666666666667"},
        GeneralCase{0.1 + 0.2, "0.3"}, GeneralCase{-1234.5678, "-1234.5678"},
        GeneralCase{123456789012345678.0, "1.23456789012346E17"},
        GeneralCase{6.12323399573677e-17, "6.12323399573677E-17"},
        GeneralCase{1e20, "1E20"}, GeneralCase{1e16, "1E16"},
        // Plain notation from 0.0001 up to below 1e15.
        GeneralCase{1e-4, "0.0001"}, GeneralCase{-1e-4, "-0.0001"},
        GeneralCase{1e-3, "0.001"}, GeneralCase{1e-5, "1E-5"},
        GeneralCase{0.00001234, "1.234E-5"},
        GeneralCase{0.000123456789012345678, "0.000123456789012346"},
        GeneralCase{0.0000999999999999999995, "0.0001"},
        GeneralCase{1e15, "1E15"},
        GeneralCase{999999999999999.0, "999999999999999"},
        GeneralCase{123456789012345.0, "123456789012345"},
        GeneralCase{1234567890123456.0, "1.23456789012346E15"},
        GeneralCase{99999999999999.99, "100000000000000"},
        // The 15-digit rounding carries into a new digit.
        GeneralCase{999999999999999.5, "1E15"},
        GeneralCase{999999999999999.4, "999999999999999"},
        GeneralCase{9.999999999999999e-5, "0.0001"},
        GeneralCase{9.999999999999999e22, "1E23"},
        // Exact halves at the 16th digit go away from zero (printf would
        // take the even neighbour for the second and fourth).
        GeneralCase{1000000000000005.0, "1.00000000000001E15"},
        GeneralCase{1000000000000025.0, "1.00000000000003E15"},
        GeneralCase{-1000000000000025.0, "-1.00000000000003E15"},
        GeneralCase{833638649667020.5, "833638649667021"},
        GeneralCase{833638649667021.5, "833638649667022"},
        GeneralCase{std::numeric_limits<double>::max(), "1.79769313486232E308"},
        GeneralCase{std::numeric_limits<double>::denorm_min(),
                    "4.94065645841247E-324"},
        GeneralCase{-1e-300, "-1E-300"},
        // Never "inf" or "nan" in an output line.
        GeneralCase{kInf, "0"}, GeneralCase{-kInf, "0"},
        GeneralCase{kNan, "0"}));

struct FixedCase {
  int places;
  double value;
  std::string fixed;
  std::string grouped;
};

class FormatFixedCases : public testing::TestWithParam<FixedCase> {};

TEST_P(FormatFixedCases, WritesFixedDecimals) {
  const FixedCase& c = GetParam();
  EXPECT_EQ(FormatFixed(c.places, c.value), c.fixed)
      << c.places << " places of " << c.value;
  EXPECT_EQ(FormatGrouped(c.places, c.value), c.grouped)
      << c.places << " places of " << c.value;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FormatFixedCases,
    testing::Values(
        FixedCase{2, 2.675, "2.67", "2.67"},  // stored below the half
        FixedCase{2, 0.125, "0.13", "0.13"},  // exact half, away from zero
        FixedCase{2, -0.125, "-0.13", "-0.13"}, FixedCase{0, 0.5, "1", "1"},
        FixedCase{0, 2.5, "3", "3"}, FixedCase{0, -2.5, "-3", "-3"},
        FixedCase{0, 1.5, "2", "2"}, FixedCase{3, 12, "12.000", "12.000"},
        FixedCase{2, -0.001, "0.00", "0.00"},
        FixedCase{2, -0.005, "-0.01", "-0.01"},
        FixedCase{2, -0.0, "0.00", "0.00"}, FixedCase{0, 0, "0", "0"},
        FixedCase{0, -0.4, "0", "0"}, FixedCase{1, 0.05, "0.1", "0.1"},
        FixedCase{1, 0.95, "0.9", "0.9"}, FixedCase{2, 1.005, "1.00", "1.00"},
        FixedCase{8, 5e-9, "0.00000001", "0.00000001"},
        FixedCase{8, 4.9999999e-9, "0.00000000", "0.00000000"},
        FixedCase{8, 1e-300, "0.00000000", "0.00000000"},
        FixedCase{0, 1234567, "1234567", "1,234,567"},
        FixedCase{0, -1234567, "-1234567", "-1,234,567"},
        FixedCase{1, 1234567.5, "1234567.5", "1,234,567.5"},
        FixedCase{2, 999.999, "1000.00", "1,000.00"},
        FixedCase{0, 999999.5, "1000000", "1,000,000"},
        FixedCase{2, -999.5, "-999.50", "-999.50"},
        FixedCase{3, -1234.5678, "-1234.568", "-1,234.568"},
        FixedCase{0, 100, "100", "100"}, FixedCase{0, 1000, "1000", "1,000"},
        FixedCase{2, 123456.0, "123456.00", "123,456.00"},
        // First 18 significant digits (…9631557|46 -> …96315575), then the
        // places: the 5 left by the first rounding goes up.
        FixedCase{7, 8538201780.963156, "8538201780.9631558",
                  "8,538,201,780.9631558"},
        FixedCase{4, 1e17 + 16, "100000000000000016.0000",
                  "100,000,000,000,000,016.0000"},
        FixedCase{8, 1e300,
                  std::string("100000000000000005")
                      .append(283, '0')
                      .append(".00000000"),
                  [] {
                    std::string s = "1";
                    for (int i = 0; i < 100; ++i) {
                      s += i == 5 ? ",050" : ",000";
                    }
                    return s + ".00000000";
                  }()},
        FixedCase{2, kInf, "0.00", "0.00"}, FixedCase{2, kNan, "0.00", "0.00"},
        // Places outside 0 to 18 are clamped.
        FixedCase{-1, 2.5, "3", "3"},
        FixedCase{100, 0.1, "0.100000000000000006", "0.100000000000000006"}));

TEST(FormatFixed, HugePlacesStayBounded) {
  EXPECT_EQ(FormatFixed(std::numeric_limits<int>::max(), 1.0),
            "1.000000000000000000");
}

// The short expansion with its fallback must agree with the full one.
TEST(RoundSignificant, AgreesWithFullExpansion) {
  std::mt19937_64 random(20240611);
  int checked = 0;
  for (int i = 0; i < 200000; ++i) {
    double value = std::bit_cast<double>(random() >> 1);  // not negative
    if (!std::isfinite(value)) continue;
    for (int significant : {15, 18}) {
      DecimalDigits fast = RoundSignificant(value, significant);
      DecimalDigits exact = RoundSignificantExact(value, significant);
      ASSERT_EQ(std::string(fast.digits, fast.count),
                std::string(exact.digits, exact.count))
          << value;
      ASSERT_EQ(fast.exponent, exact.exponent) << value;
    }
    ++checked;
  }
  EXPECT_GT(checked, 190000);
}

// 1/3 is 0.333333333333333314829616256...: each count of digits from 1 to
// 19 gives other digits, so a count taken outside 1..18 shows.
TEST(RoundSignificant, DigitsAreClampedToOneThroughEighteen) {
  const struct {
    int significant;
    const char* digits;
  } cases[] = {{INT_MIN, "3"},
               {0, "3"},
               {1, "3"},
               {2, "33"},
               {17, "33333333333333331"},
               {18, "333333333333333315"},
               {19, "333333333333333315"},
               {INT_MAX, "333333333333333315"}};
  for (const auto& c : cases) {
    for (auto round : {RoundSignificant, RoundSignificantExact}) {
      const DecimalDigits d = round(1.0 / 3, c.significant);
      EXPECT_EQ(std::string(d.digits, d.count), c.digits) << c.significant;
      EXPECT_EQ(d.exponent, 0) << c.significant;
    }
  }
}

TEST(RoundSignificant, ZeroOfEitherSignHasNoDigits) {
  for (double zero : {0.0, -0.0}) {
    for (auto round : {RoundSignificant, RoundSignificantExact}) {
      const DecimalDigits d = round(zero, 15);
      EXPECT_EQ(d.count, 0) << zero;
      EXPECT_EQ(d.exponent, 0) << zero;
    }
  }
}

TEST(RoundSignificant, HalvesOfIntegersGoUp) {
  // Every integer below 2^53 is exact: these end in 5 at the 16th digit.
  for (int64_t n = 1000000000000005; n < 9000000000000000;
       n += 777777777777770) {
    DecimalDigits d = RoundSignificant(static_cast<double>(n), 15);
    std::string expected = std::to_string(n / 10 + 1);
    while (expected.back() == '0') expected.pop_back();
    EXPECT_EQ(std::string(d.digits, d.count), expected) << n;
    EXPECT_EQ(d.exponent, 16) << n;
  }
}

}  // namespace
}  // namespace halvane
