#include "util/number_parse.h"

#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <limits>
#include <string>

namespace halvane {
namespace {

struct IntCase {
  const char* text;
  int32_t expected;
};

class ParseIntWholeText : public testing::TestWithParam<IntCase> {};

TEST_P(ParseIntWholeText, GivesValueOrZero) {
  EXPECT_EQ(ParseInt(GetParam().text), GetParam().expected)
      << "text: [" << GetParam().text << "]";
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ParseIntWholeText,
    testing::Values(
        IntCase{"42", 42}, IntCase{" 42", 42}, IntCase{"   42", 42},
        IntCase{"42 ", 0}, IntCase{"$1F", 31}, IntCase{"$1f", 31},
        IntCase{"0x10", 16}, IntCase{"0X10", 16}, IntCase{"x10", 16},
        IntCase{"X1a", 26}, IntCase{"$F", 15}, IntCase{"$0", 0},
        IntCase{"-7", -7}, IntCase{"+7", 7}, IntCase{"0", 0}, IntCase{"-0", 0},
        IntCase{"2147483647", 2147483647}, IntCase{"2147483648", 0},
        IntCase{"-2147483648", std::numeric_limits<int32_t>::min()},
        IntCase{"-2147483649", 0}, IntCase{"+2147483648", 0},
        IntCase{"99999999999999999999999", 0},
        IntCase{"0000000000000000000042", 42}, IntCase{"", 0}, IntCase{" ", 0},
        IntCase{"1.5", 0}, IntCase{"1e3", 0}, IntCase{"$FFFFFFFF", -1},
        IntCase{"$80000000", std::numeric_limits<int32_t>::min()},
        IntCase{"$7fffffff", 2147483647}, IntCase{"$00000010", 16},
        IntCase{"$123456789", 0}, IntCase{"-$10", -16},
        IntCase{"-$FFFFFFFF", 1},
        IntCase{"-$80000000", std::numeric_limits<int32_t>::min()},
        IntCase{"$", 0}, IntCase{"0x", 0}, IntCase{"x", 0}, IntCase{"$G", 0},
        IntCase{"0xG", 0}, IntCase{"$$1", 0}, IntCase{"-", 0}, IntCase{"+", 0},
        IntCase{"+-5", 0}, IntCase{"- 5", 0}, IntCase{"\t5", 0},
        IntCase{"5\t", 0}, IntCase{"5\r", 0}, IntCase{"12a", 0},
        IntCase{"1,000", 0}, IntCase{"\x82\x50", 0} /* full-width 1 */));

template <typename T>
struct RangeCase {
  std::string text;
  bool ok;
  T value;
  size_t stop;
};

// A digit follows the range in memory: the parser must not read it.
template <typename T>
void ExpectRange(const RangeCase<T>& c,
                 ParseResult (*parse)(const char*, const char*, T&)) {
  std::string memory = c.text + "9";
  const char* first = memory.data();
  T value = 77;
  ParseResult r = parse(first, first + c.text.size(), value);
  EXPECT_EQ(r.ok, c.ok) << c.text;
  EXPECT_EQ(value, c.value) << c.text;
  EXPECT_EQ(static_cast<size_t>(r.ptr - first), c.stop) << c.text;
}

using IntRangeCase = RangeCase<int32_t>;
class ParseIntRange : public testing::TestWithParam<IntRangeCase> {};

TEST_P(ParseIntRange, ReportsStopAndMatch) {
  ExpectRange(GetParam(), ParseInt);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ParseIntRange,
    testing::Values(
        IntRangeCase{"123", true, 123, 3}, IntRangeCase{"$1", true, 1, 2},
        IntRangeCase{"12abc", true, 12, 2}, IntRangeCase{" 7 8", true, 7, 2},
        IntRangeCase{"$1F,", true, 31, 3}, IntRangeCase{"0x", true, 0, 1},
        IntRangeCase{"0xZ", true, 0, 1}, IntRangeCase{"$", false, 0, 0},
        IntRangeCase{"  -", false, 0, 0}, IntRangeCase{"", false, 0, 0},
        IntRangeCase{"2147483648,", false, 0, 10},
        IntRangeCase{"$123456789 ", false, 0, 10}));

struct FloatCase {
  std::string text;
  double expected;
};

class ParseFloatWholeText : public testing::TestWithParam<FloatCase> {};

// Bitwise, so that the sign of zero counts too.
TEST_P(ParseFloatWholeText, GivesNearestDoubleOrZero) {
  double got = ParseFloat(GetParam().text);
  EXPECT_EQ(std::bit_cast<uint64_t>(got),
            std::bit_cast<uint64_t>(GetParam().expected))
      << "text: [" << GetParam().text << "] got " << got;
}

// head, `count` times `fill`, tail.
std::string Run(std::string head, size_t count, char fill, const char* tail) {
  return head.append(count, fill).append(tail);
}

constexpr double kMax = std::numeric_limits<double>::max();
constexpr double kTiny = std::numeric_limits<double>::denorm_min();

INSTANTIATE_TEST_SUITE_P(
    Cases, ParseFloatWholeText,
    testing::Values(
        FloatCase{"1e3", 1000}, FloatCase{" -2.5", -2.5}, FloatCase{"1,5", 0},
        FloatCase{".", 0}, FloatCase{"-", 0}, FloatCase{"+", 0},
        FloatCase{"3.", 3}, FloatCase{".5", 0.5}, FloatCase{"-.5", -0.5},
        FloatCase{"1e", 0}, FloatCase{"1e+", 0}, FloatCase{"1e-", 0},
        FloatCase{"1E-2", 0.01}, FloatCase{"1e+2", 100}, FloatCase{"+1", 1},
        FloatCase{"", 0}, FloatCase{" ", 0}, FloatCase{"1.5 ", 0},
        FloatCase{"1 000", 0}, FloatCase{"1..2", 0}, FloatCase{"1e5.5", 0},
        FloatCase{"--1", 0}, FloatCase{"\t1", 0}, FloatCase{"e5", 0},
        FloatCase{".e5", 0}, FloatCase{"-.", -0.0}, FloatCase{"-0", -0.0},
        FloatCase{"0", 0}, FloatCase{"inf", 0}, FloatCase{"-infinity", 0},
        FloatCase{"nan", 0}, FloatCase{"0x1p3", 0}, FloatCase{"1d3", 0},
        FloatCase{"0.1", 0.1}, FloatCase{"00012.50", 12.5},
        FloatCase{"1e400", 0}, FloatCase{"-1e400", 0},
        FloatCase{"1e99999999999999999999999", 0}, FloatCase{"1e-400", 0},
        FloatCase{"-1e-400", -0.0}, FloatCase{"0e999999999999", 0},
        FloatCase{"1.7976931348623157e308", kMax},
        FloatCase{"1.7976931348623159e308", 0},
        FloatCase{"4.9406564584124654e-324", kTiny},
        FloatCase{"2.4703282292062328e-324", kTiny},
        FloatCase{"2.4703282292062327e-324", 0},
        // Halfway between two doubles: to even, one digit further decides.
        FloatCase{"9007199254740993", 9007199254740992.0},
        FloatCase{"9007199254740993.0000000000000000001", 9007199254740994.0},
        FloatCase{Run("0.", 500, '0', "1e501"), 1.0},
        FloatCase{Run("", 400, '9', "e-400"), 1.0},
        FloatCase{Run("1", 400, '0', ""), 0},
        FloatCase{Run("0.", 400, '0', "1"), 0}));

using FloatRangeCase = RangeCase<double>;
class ParseFloatRange : public testing::TestWithParam<FloatRangeCase> {};

TEST_P(ParseFloatRange, ReportsStopAndMatch) {
  ExpectRange(GetParam(), ParseFloat);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ParseFloatRange,
    testing::Values(
        FloatRangeCase{"1.25", true, 1.25, 4},
        FloatRangeCase{"1e-", true, 1, 1}, FloatRangeCase{"1e", true, 1, 1},
        FloatRangeCase{"1e+x", true, 1, 1},
        FloatRangeCase{"2.5E-1 ", true, 0.25, 6},
        FloatRangeCase{"  1.5x", true, 1.5, 5},
        FloatRangeCase{"1,5", true, 1, 1}, FloatRangeCase{". 1", true, 0, 1},
        FloatRangeCase{"1e400,", false, 0, 5},
        FloatRangeCase{"1e-400,", true, 0, 6},
        // 1e320 written with a negative exponent is still too large.
        FloatRangeCase{Run("1", 330, '0', "e-10,"), false, 0, 335},
        FloatRangeCase{Run("1", 3500, '0', "e-4000,"), true, 0, 3507},
        FloatRangeCase{"-", false, 0, 0}, FloatRangeCase{" x", false, 0, 0},
        FloatRangeCase{"", false, 0, 0}));

}  // namespace
}  // namespace halvane
