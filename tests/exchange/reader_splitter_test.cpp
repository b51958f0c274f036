#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "exchange/reader/line_splitter.h"

namespace halvane {
namespace {

std::vector<std::string> Split(LineSplitter& splitter, std::string_view line,
                               bool dropAllCr = false) {
  splitter.Begin(dropAllCr);
  splitter.Feed(line.data(), line.data() + line.size());
  const LineFields f = splitter.Finish();
  std::vector<std::string> fields;
  for (int k = 1; k <= f.Count; ++k) fields.emplace_back(f.Field(k));
  return fields;
}

struct SplitCase {
  const char* name;
  std::string line;
  std::vector<std::string> fields;
};

class SplitTest : public ::testing::TestWithParam<SplitCase> {};

TEST_P(SplitTest, GivesFields) {
  LineSplitter splitter;
  EXPECT_EQ(Split(splitter, GetParam().line), GetParam().fields);
}

using S = std::string;
INSTANTIATE_TEST_SUITE_P(
    Lines, SplitTest,
    ::testing::Values(
        SplitCase{"empty", "", {""}},
        SplitCase{"separators_only", " \t  ", {""}},
        SplitCase{"four_numbers", "0 0 100 0", {"0", "0", "100", "0"}},
        SplitCase{"runs_and_leading", "  ci\t 1  2 3", {"ci", "1", "2", "3"}},
        SplitCase{"trailing_separator_counts",
                  "ci 1 2 3 ",
                  {"ci", "1", "2", "3", ""}},
        SplitCase{"quote_stops_splitting",
                  "ch 1 2 3 4 \"a b \"c\" = d",
                  {"ch", "1", "2", "3", "4", "a b \"c\" = d"}},
        SplitCase{"quote_inside_field", "ab\"c d", {"abc d"}},
        SplitCase{"equals_kept_and_stops",
                  "file=C:\\my dir\\a b.jww",
                  {"file=C:\\my dir\\a b.jww"}},
        SplitCase{"tab_dropped_after_quote", "cn\"$a\tb c", {"cn$ab c"}},
        SplitCase{"control_bytes_dropped",
                  S("l\x01g\x1f"
                    "1\r\x7f",
                    7),
                  {S("lg1\x7f")}},
        SplitCase{"nul_dropped", S("a\0b c", 5), {"ab", "c"}},
        SplitCase{"fe_ff_dropped",
                  "a\xfe\xff"
                  "b",
                  {"ab"}},
        SplitCase{"kana_half_width_kept", "\xb1\xb2 x", {"\xb1\xb2", "x"}},
        SplitCase{"double_byte_kept_whole",
                  "\x82\x20\x81\x22 x",  // trail bytes that look like a space
                  {"\x82\x20\x81\x22", "x"}},
        SplitCase{"double_byte_with_control_trail",
                  S("\x81\x09z", 3),
                  {S("\x81\x09z", 3)}},
        SplitCase{"lone_lead_at_end_dropped", "ab \x82", {"ab", ""}},
        SplitCase{"lead_fd_and_e0", "\xfd\x41\xe0\x40", {"\xfd\x41\xe0\x40"}},
        SplitCase{"lead_a0_is_single", "\xa0 b", {"\xa0", "b"}}),
    [](const auto& info) { return std::string(info.param.name); });

// The splitting rules byte by byte, as plainly as they can be written.
std::vector<std::string> ReferenceSplit(std::string_view line) {
  std::vector<std::string> fields(1);
  bool splitting = true;
  for (std::size_t i = 0; i < line.size(); ++i) {
    const auto c = static_cast<unsigned char>(line[i]);
    if ((c >= 0x80 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFD)) {
      if (i + 1 == line.size()) break;
      fields.back() += line.substr(i, 2);
      ++i;
    } else if (splitting && c == '"') {
      splitting = false;
    } else if (splitting && c == '=') {
      fields.back() += '=';
      splitting = false;
    } else if (splitting && (c == ' ' || c == '\t')) {
      if (!fields.back().empty()) {
        if (fields.size() == kMaxFields) break;
        fields.emplace_back();
      }
    } else if (c >= 0x20 && c <= 0xFD) {
      fields.back() += static_cast<char>(c);
    }
  }
  return fields;
}

TEST(LineSplitterTest, AgreesWithTheRulesOnRandomLines) {
  static constexpr char kBytes[] =
      "0123456789.- -  \t\"=abAZ\x01\x7f\x81\xa0\xe0\xfd\xfe";
  uint32_t state = 2463534242u;
  LineSplitter splitter;
  for (int i = 0; i < 100000; ++i) {
    std::string line;
    state ^= state << 13;
    state ^= state >> 17;
    state ^= state << 5;
    const int length = static_cast<int>(state % 90);
    for (int k = 0; k < length; ++k) {
      state ^= state << 13;
      state ^= state >> 17;
      state ^= state << 5;
      line += kBytes[state % (sizeof kBytes - 1)];
    }
    ASSERT_EQ(Split(splitter, line), ReferenceSplit(line)) << line;
  }
}

TEST(LineSplitterTest, LineBeyond32FieldsKeepsTheFirst32) {
  std::string line;
  for (int i = 1; i <= 40; ++i) {
    line += std::to_string(i);
    line += ' ';
  }
  LineSplitter splitter;
  const std::vector<std::string> fields = Split(splitter, line);
  ASSERT_EQ(fields.size(), 32u);
  EXPECT_EQ(fields[0], "1");
  EXPECT_EQ(fields[31], "32");
}

TEST(LineSplitterTest, ExactlyThirtyTwoFieldsAndATrailingSpace) {
  std::string line;
  for (int i = 1; i <= 32; ++i) line += "x ";
  LineSplitter splitter;
  EXPECT_EQ(Split(splitter, line).size(), 32u);
}

// In three pieces, cut anywhere: also a piece of nothing but the CRs after a
// lead byte, whatever follows it.
TEST(LineSplitterTest, PiecesGiveTheSameFieldsAsTheWholeLine) {
  const std::string line = "ch 1 2\x82\r\r\xa0 3 4 \"\x82\xa0 text \x83\x41";
  const char* const begin = line.data();
  for (bool drop_all_cr : {false, true}) {
    LineSplitter splitter;
    const std::vector<std::string> expected =
        Split(splitter, line, drop_all_cr);
    for (std::size_t cut1 = 0; cut1 <= line.size(); ++cut1) {
      for (std::size_t cut2 = cut1; cut2 <= line.size(); ++cut2) {
        splitter.Begin(drop_all_cr);
        splitter.Feed(begin, begin + cut1);
        splitter.Feed(begin + cut1, begin + cut2);
        splitter.Feed(begin + cut2, begin + line.size());
        const LineFields f = splitter.Finish();
        std::vector<std::string> got;
        for (int k = 1; k <= f.Count; ++k) got.emplace_back(f.Field(k));
        ASSERT_EQ(got, expected)
            << drop_all_cr << " cut at " << cut1 << ", " << cut2;
      }
    }
  }
}

TEST(LineSplitterTest, FileModeDropsCrEvenAfterALeadByte) {
  LineSplitter splitter;
  EXPECT_EQ(Split(splitter, "a\x82\r\r\xa0 b", true),
            (std::vector<std::string>{"a\x82\xa0", "b"}));
  // Given as a line, a CR after a lead byte is its second byte.
  EXPECT_EQ(Split(splitter, "a\x82\r\xa0 b", false),
            (std::vector<std::string>{"a\x82\r\xa0", "b"}));
}

TEST(LineSplitterTest, CrBetweenALeadByteAndTheLineEndLeavesItAlone) {
  LineSplitter splitter;
  splitter.Begin(true);
  const std::string piece = "ab\x82\r";
  splitter.Feed(piece.data(), piece.data() + piece.size());
  const LineFields f = splitter.Finish();
  ASSERT_EQ(f.Count, 1);
  EXPECT_EQ(f.Field(1), "ab");
}

TEST(LineSplitterTest, FieldsBeyondTheCountAreEmpty) {
  LineSplitter splitter;
  splitter.Begin(false);
  const std::string line = "a b";
  splitter.Feed(line.data(), line.data() + line.size());
  const LineFields f = splitter.Finish();
  EXPECT_EQ(f.Field(3), "");
  EXPECT_EQ(f.Field(32), "");
  EXPECT_EQ(f.Field(0), "");
}

TEST(LineSplitterTest, DroppedBytesNeedNoBuffer) {
  // 64 MiB of NUL bytes and of separated fields beyond the 32nd.
  const std::string nuls(std::size_t{1} << 20, '\0');
  std::string words;
  while (words.size() < (std::size_t{1} << 20)) words += "word ";
  LineSplitter splitter;
  for (const std::string* piece :
       {&nuls, static_cast<const std::string*>(&words)}) {
    splitter.Begin(true);
    for (int i = 0; i < 64; ++i) {
      splitter.Feed(piece->data(), piece->data() + piece->size());
    }
    splitter.Finish();
    EXPECT_LE(splitter.BufferCapacity(), std::size_t{4} << 20);
  }
}

TEST(LineSplitterTest, LongFieldIsKeptWholeAndTheBufferGivenBack) {
  std::string name(std::size_t{3} << 20, 'n');
  const std::string line = "BL 1 2 " + name;
  LineSplitter splitter;
  splitter.Begin(true);
  for (std::size_t at = 0; at < line.size(); at += 4096) {
    const std::size_t len = std::min<std::size_t>(4096, line.size() - at);
    splitter.Feed(line.data() + at, line.data() + at + len);
  }
  const LineFields f = splitter.Finish();
  ASSERT_EQ(f.Count, 4);
  EXPECT_EQ(f.Field(4), name);
  EXPECT_LE(splitter.BufferCapacity(), 2 * line.size());
  splitter.Begin(true);
  EXPECT_EQ(splitter.BufferCapacity(), 0u);
}

TEST(LineSplitterTest, OnlyABufferOfUpToAMebibyteIsKeptForTheNextLine) {
  constexpr std::size_t kMiB = std::size_t{1} << 20;
  for (std::size_t size : {kMiB / 2 + 64, kMiB - 64, kMiB - 9, kMiB - 8,
                           kMiB + 64, 2 * kMiB - 64}) {
    const std::string line(size, 'n');
    LineSplitter splitter;
    EXPECT_EQ(splitter.BufferCapacity(), 0u);
    splitter.Begin(true);
    splitter.Feed(line.data(), line.data() + size);
    ASSERT_EQ(splitter.Finish().Field(1).size(), size);
    const std::size_t capacity = splitter.BufferCapacity();
    splitter.Begin(true);
    EXPECT_EQ(splitter.BufferCapacity(), capacity > kMiB ? 0 : capacity)
        << size;
  }
}

}  // namespace
}  // namespace halvane
