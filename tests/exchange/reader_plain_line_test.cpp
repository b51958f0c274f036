#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "exchange/reader/line_splitter.h"
#include "exchange/reader/plain_line.h"
#include "reader_test_support.h"

namespace halvane {
namespace {

struct Split {
  std::vector<std::string> fields;
  std::vector<uint64_t> numbers;  // bits of Number(k)
  bool operator==(const Split&) const = default;
};

Split Collect(const LineFields& f) {
  Split split;
  for (int k = 1; k <= f.Count; ++k) {
    split.fields.emplace_back(f.Field(k));
    split.numbers.push_back(Bits(f.Number(k)));
  }
  return split;
}

// The file reader's way for lines it does not split in place.
Split ByteByByte(std::string_view line) {
  LineSplitter splitter;
  splitter.Begin(true);
  splitter.Feed(line.data(), line.data() + line.size());
  return Collect(splitter.Finish());
}

// Splits `text` (a line and what follows it in the buffer) in place; the
// line's length with its line end, or -1 when it was left alone.
int InPlace(PlainLine& plain, const std::string& text, Split* split) {
  const char* next = plain.Split(text.data(), text.data() + text.size());
  if (next == nullptr) return -1;
  *split = Collect(plain.Fields());
  return static_cast<int>(next - text.data());
}

struct PlainCase {
  const char* name;
  std::string text;
  int length;  // -1: left to the byte-by-byte splitter
  std::vector<std::string> fields;
};

class PlainLineTest : public ::testing::TestWithParam<PlainCase> {};

TEST_P(PlainLineTest, SplitsOrLeavesAlone) {
  const PlainCase& c = GetParam();
  PlainLine plain;
  Split split;
  ASSERT_EQ(InPlace(plain, c.text, &split), c.length);
  if (c.length < 0) return;
  EXPECT_EQ(split.fields, c.fields);
  const std::string line = c.text.substr(0, static_cast<std::size_t>(c.length));
  EXPECT_EQ(split, ByteByByte(line.substr(0, line.find_first_of("\r\n"))));
}

const std::string kAfter = "next line follows\r\n";

INSTANTIATE_TEST_SUITE_P(
    Lines, PlainLineTest,
    ::testing::Values(
        PlainCase{"segment_crlf",
                  "-1.5 2 31160.742555582 0.25\r\n" + kAfter,
                  29,
                  {"-1.5", "2", "31160.742555582", "0.25"}},
        PlainCase{"lf_only", "ci 1 2 3\n" + kAfter, 9, {"ci", "1", "2", "3"}},
        PlainCase{
            "runs_of_spaces", "  lg3   5  \r\n" + kAfter, 13, {"lg3", "5", ""}},
        PlainCase{"blank_line", "\r\n" + kAfter, 2, {""}},
        PlainCase{"spaces_only", "    \n" + kAfter, 5, {""}},
        PlainCase{"not_numbers",
                  "1e5 12345678901234567 - . 1.2.3 0x10\r\n" + kAfter,
                  38,
                  {"1e5", "12345678901234567", "-", ".", "1.2.3", "0x10"}},
        PlainCase{"tab_left_alone", "ci\t1 2 3\r\n" + kAfter, -1, {}},
        PlainCase{"quoted_text",
                  "ch 1 2 3 4 \"\x90\xdd\x94\xf5 a\"=b \r\n" + kAfter,
                  24,
                  {"ch", "1", "2", "3", "4", "\x90\xdd\x94\xf5 a\"=b "}},
        PlainCase{"quoted_empty", "cn\"\n" + kAfter, -1, {}},
        PlainCase{"quote_after_space", "cn \"\n" + kAfter, 5, {"cn", ""}},
        PlainCase{
            "trail_byte_like_quote", "x \"\x81\x22\x82\x0d\n" + kAfter, -1, {}},
        PlainCase{"quoted_tab_left_alone", "x \"a\tb\r\n" + kAfter, -1, {}},
        PlainCase{"quoted_fe_left_alone", "x \"a\xfe\r\n" + kAfter, -1, {}},
        PlainCase{
            "quoted_lone_lead_left_alone", "x \"a\x82\r\n" + kAfter, -1, {}},
        PlainCase{
            "quote_inside_field_left_alone", "ab\"c d\r\n" + kAfter, -1, {}},
        PlainCase{"equals_left_alone", "file=a.jww\r\n" + kAfter, -1, {}},
        PlainCase{"lone_cr_left_alone", "1 2\r3 4\r\n" + kAfter, -1, {}},
        PlainCase{
            "double_byte_left_alone", "lnA \x82\xa0\r\n" + kAfter, -1, {}},
        PlainCase{
            "nul_left_alone", std::string("1 \0 2\n", 6) + kAfter, -1, {}},
        PlainCase{"no_line_end_in_buffer", "1 2 3 4 5 6 7 8 9", -1, {}},
        PlainCase{"line_end_in_last_bytes", "1 ab 3\r\n", 8, {"1", "ab", "3"}},
        PlainCase{"cr_in_last_byte", "1 2 3\r", -1, {}}),
    [](const auto& info) { return std::string(info.param.name); });

std::string Fields(int n, bool trailingSpace) {
  std::string line;
  for (int i = 1; i <= n; ++i) {
    if (i > 1) line += ' ';
    line += std::to_string(i);
  }
  return line + (trailingSpace ? " \r\n" : "\r\n") + kAfter;
}

TEST(PlainLineFieldCountTest, ThirtyTwoFieldsAtMost) {
  PlainLine plain;
  Split split;
  ASSERT_GT(InPlace(plain, Fields(32, false), &split), 0);
  EXPECT_EQ(split.fields.size(), 32u);
  // The 32nd field is complete, so the trailing space opens no 33rd.
  ASSERT_GT(InPlace(plain, Fields(32, true), &split), 0);
  EXPECT_EQ(split.fields.size(), 32u);
  ASSERT_GT(InPlace(plain, Fields(31, true), &split), 0);
  EXPECT_EQ(split.fields.size(), 32u);
  EXPECT_EQ(split.fields.back(), "");
  EXPECT_EQ(InPlace(plain, Fields(33, false), &split), -1);
}

// Random lines of the bytes that matter, each followed by more of the file:
// whatever is split in place must come out as the byte-by-byte splitter
// gives it, numbers included, and the lines of plain bytes, with or without
// a quoted text, are split in place.
TEST(PlainLineAgreementTest, AgreesWithTheByteByByteSplitter) {
  static constexpr char kBytes[] = "0123456789.-   -e\t\"=abz\r\x7f\x80\x82";
  uint32_t state = 2463534242u;
  auto next = [&state] {
    state ^= state << 13;
    state ^= state >> 17;
    state ^= state << 5;
    return state;
  };
  PlainLine plain;
  int splitInPlace = 0;
  for (int i = 0; i < 200000; ++i) {
    std::string line;
    const int length = static_cast<int>(next() % 80);
    for (int k = 0; k < length; ++k) {
      line += i % 3 == 2 ? kBytes[next() % (sizeof kBytes - 1)]
                         : "0123456789.- -ab"[next() % 16];
    }
    if (i % 3 == 1) {  // a quoted text at the end, double-byte pairs whole
      line += " \"";
      for (int k = static_cast<int>(next() % 20); k > 0; --k) {
        line += next() % 2 ? "\x90\xdd" : " a\"=";
      }
    }
    const std::string text = line + (next() % 2 ? "\r\n" : "\n") + kAfter;
    Split split;
    const int taken = InPlace(plain, text, &split);
    if (taken < 0) continue;
    ++splitInPlace;
    ASSERT_EQ(taken, static_cast<int>(text.size() - kAfter.size())) << line;
    ASSERT_EQ(split, ByteByByte(line)) << line;
  }
  EXPECT_GT(splitInPlace, 130000);
}

}  // namespace
}  // namespace halvane
