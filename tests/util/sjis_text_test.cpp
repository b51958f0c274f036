#include "util/sjis_text.h"

#include <gtest/gtest.h>

#include <array>
#include <climits>
#include <string>

#include "util/sjis_text_internal.h"

namespace halvane {
namespace {

using namespace std::string_literals;

std::string Repeat(const std::string& piece, int times) {
  std::string out;
  for (int i = 0; i < times; ++i) out += piece;
  return out;
}

// Full-width forms used below, in Shift-JIS.
const std::string kFullA = "\x82\x60";       // Ａ
const std::string kFullSeven = "\x82\x56";   // ７
const std::string kHiraganaA = "\x82\xa0";   // あ
const std::string kKatakanaA = "\x83\x41";   // ア
const std::string kVoicedMark = "\x81\x4a";  // ゛
const std::string kFullSpace = "\x81\x40";   // U+3000

struct StripCase {
  std::string text;
  std::string expected;
};

TEST(StripSpaces, RemovesBlanksAndControlCharacters) {
  const StripCase cases[] = {
      {"", ""},
      {kFullSpace + " \t\r\n" + kFullSpace, ""},
      {kFullSpace + " \t" + kFullA + "\r\n " + kFullSpace, kFullA},
      {" 1 2\t3 ", "123"},
      {"a\0b"s, "ab"},
      // Half-width kana, 0x7F, 0xA0, 0xFE and 0xFF stay.
      {"\xb1 \xb2\xdf", "\xb1\xb2\xdf"},
      {"\x7f\xa0\xfe\xff", "\x7f\xa0\xfe\xff"},
      // A trail byte 0x40 or 0x20 belongs to its character.
      {"\x82\x40\x81\x20", "\x82\x40\x81\x20"},
      {"\x88\x9f \x81\x40", "\x88\x9f"},
      // A lead byte at the very end is kept alone.
      {"a \x81", "a\x81"},
  };
  for (const StripCase& c : cases) {
    EXPECT_EQ(StripSpaces(c.text), c.expected) << c.text;
  }
}

struct CopyCase {
  std::string text;
  int start;
  int count;
  std::string expected;
};

TEST(SjisCopy, CopiesOnlyWholeCharactersInTheRange) {
  const std::string three = "\x88\x9f\x88\xa0\x88\xa1";  // 亜唖娃
  const CopyCase cases[] = {
      {three, 2, 4, "\x88\xa0"},
      {three, 1, 6, three},
      {three, 1, 5, "\x88\x9f\x88\xa0"},
      {three, 1, 1, ""},
      {three, 6, 1, ""},
      {"abc", 2, 1, "b"},
      {"abc", 3, 10, "c"},
      {"a" + kHiraganaA + "b", 1, 2, "a"},
      {"a" + kHiraganaA + "b", 2, 3, kHiraganaA + "b"},
      {"abc", 1, INT_MAX, "abc"},
      {"abc", 3, INT_MAX, "c"},
      // Nothing to copy.
      {"", 1, 5, ""},
      {"abc", 0, 2, ""},
      {"abc", -1, 2, ""},
      {"abc", 4, 2, ""},
      {"abc", 1, 0, ""},
      {"abc", 1, -3, ""},
      // A lone lead byte at the end counts two bytes wide but is copied
      // alone, without a byte from beyond the text.
      {"ab\x82", 1, 3, "ab"},
      {"ab\x82", 1, 4, "ab\x82"},
      {"ab\x82", 3, 2, "\x82"},
  };
  for (const CopyCase& c : cases) {
    int copied = -1;
    EXPECT_EQ(SjisCopy(c.text, c.start, c.count, copied), c.expected)
        << c.text << " from " << c.start << " count " << c.count;
    EXPECT_EQ(copied, static_cast<int>(c.expected.size()));
  }
}

TEST(CopyToBuffer, CopiesAndClosesWithAZeroByte) {
  std::array<char, 8> buffer;
  buffer.fill('#');
  CopyToBuffer("abc", buffer.data(), 7);
  EXPECT_EQ(std::string(buffer.data(), 5), "abc\0#"s);
}

TEST(CopyToBuffer, CutsALongTextBeforeAHalfCharacter) {
  std::array<char, 8> buffer;
  buffer.fill('#');
  CopyToBuffer("ab" + kHiraganaA + "c", buffer.data(), 5);
  EXPECT_EQ(std::string(buffer.data(), 6),
            "ab\x82\xa0"
            "c\0"s);
  buffer.fill('#');
  CopyToBuffer("abc" + kHiraganaA, buffer.data(), 4);
  EXPECT_EQ(std::string(buffer.data(), 5), "abc\0#"s);
  buffer.fill('#');
  CopyToBuffer("abc", buffer.data(), 0);
  EXPECT_EQ(buffer[0], '\0');
  EXPECT_EQ(buffer[1], '#');
  CopyToBuffer("abc", nullptr, 7);  // no crash
}

struct FullWidthCase {
  std::string text;
  std::string expected;
};

TEST(ToFullWidth, MapsHalfWidthCharactersAndHiragana) {
  const FullWidthCase cases[] = {
      {"", ""},
      {"1,234.5", "\x82\x50\x81\x43\x82\x51\x82\x52\x82\x53\x81\x44\x82\x54"},
      {"-0", "\x81\x7c\x82\x4f"},
      {" ", kFullSpace},
      {"Az", "\x82\x60\x82\x9a"},
      // The code page's usual mappings: yen sign/backslash, the IBM
      // extension codes of the quotes, the wave dash.
      {"\\", "\x81\x5f"},
      {"'\"", "\xfa\x56\xfa\x57"},
      {"~", "\x81\x60"},
      {"!#$%&()*+/:;<=>?@[]^_`{|}",
       "\x81\x49\x81\x94\x81\x90\x81\x93\x81\x95\x81\x69\x81\x6a\x81\x96"
       "\x81\x7b\x81\x5e\x81\x46\x81\x47\x81\x83\x81\x81\x81\x84\x81\x48"
       "\x81\x97\x81\x6d\x81\x6e\x81\x4f\x81\x51\x81\x4d\x81\x6f\x81\x62"
       "\x81\x70"},
      // Half-width kana, with the voiced marks combined where a
      // full-width kana exists.
      {"\xb1\xa7\xb0\xa1\xa2\xa3\xa4\xa5",
       "\x83\x41\x83\x40\x81\x5b\x81\x42\x81\x75\x81\x76\x81\x41\x81\x45"},
      {"\xb6\xde", "\x83\x4b"},  // ガ
      {"\xca\xdf", "\x83\x70"},  // パ
      {"\xb3\xde", "\x83\x94"},  // ヴ
      {"\xce\xde\xce\xdf", "\x83\x7b\x83\x7c"},
      {"\xb1\xde", kKatakanaA + kVoicedMark},
      {"\xdc\xde", "\x83\x8f" + kVoicedMark},  // ワ゛: no ヷ in the code page
      {"\xb6\xdf", "\x83\x4a\x81\x4b"},
      {"\xde\xdf", kVoicedMark + "\x81\x4b"},
      {"\xb6"
       "1\xde",
       "\x83\x4a\x82\x50" + kVoicedMark},
      // Hiragana to katakana, iteration marks included; a half-width mark
      // does not join a full-width kana.
      {kHiraganaA + "\x82\xf1\x82\x9f", kKatakanaA + "\x83\x93\x83\x40"},
      {"\x81\x54\x81\x55", "\x81\x52\x81\x53"},
      {"\x82\xa9\xde", "\x83\x4a" + kVoicedMark},
      // No full-width form: unchanged.
      {"\x88\x9f\x82\x60\x83\x41\x81\x4a", "\x88\x9f\x82\x60\x83\x41\x81\x4a"},
      {"\t\x7f\xa0\xfe\xff", "\t\x7f\xa0\xfe\xff"},
      {"\x80\x41\xfd\x20", "\x80\x41\xfd\x20"},
      // A zero byte inside the text loses nothing after it.
      {"1\0"
       "2"s,
       "\x82\x50\0\x82\x51"s},
      {"1\x82", "\x82\x50\x82"},
  };
  for (const FullWidthCase& c : cases) {
    EXPECT_EQ(ToFullWidth(c.text), c.expected) << c.text;
  }
}

TEST(ToFullWidth, WorksInPiecesOf126Bytes) {
  const std::string result = ToFullWidth(std::string(300, '7'));
  EXPECT_EQ(result.size(), 600u);
  EXPECT_EQ(result, Repeat(kFullSeven, 300));
}

TEST(ToFullWidth, AVoicedMarkOpeningAPieceStandsAlone) {
  const std::string fullA125 = Repeat(kFullA, 125);
  // ｶﾞ at bytes 125 and 126 is inside the first piece.
  EXPECT_EQ(ToFullWidth(std::string(124, 'A') + "\xb6\xde"),
            Repeat(kFullA, 124) + "\x83\x4b");
  // At bytes 126 and 127 the mark opens the second piece.
  EXPECT_EQ(ToFullWidth(std::string(125, 'A') + "\xb6\xde"),
            fullA125 + "\x83\x4a" + kVoicedMark);
  // A two-byte character across byte 126 moves whole into the next piece.
  EXPECT_EQ(ToFullWidth(std::string(125, 'A') + kHiraganaA + "A"),
            fullA125 + kKatakanaA + kFullA);
}

struct LengthCase {
  std::string text;
  double width;
  double spacing;
  double expected;
};

TEST(TextLength, CountsHalfWidthCharactersHalf) {
  const LengthCase cases[] = {
      {"", 3, 1, 0},
      {kHiraganaA + kHiraganaA, 3, 1, 7},
      {"abc", 3, 1, 5.5},
      {kHiraganaA + "a", 2, 1, 4},
      {"a" + kHiraganaA, 2, 1, 3.5},
      {"\xb1", 4, 1, 2},
      // Control characters have no width but are followed by spacing.
      {"\t", 2, 1, 0},
      {"a\tb", 2, 1, 3},
      // A lead byte at the end counts as a full-width character.
      {"a\x82", 2, 1, 3.5},
      // The sum is a double after every step: the small spacings vanish
      // one by one instead of adding up.
      {kHiraganaA + std::string(11, '\x01'), 1, 1e-16, 1},
  };
  for (const LengthCase& c : cases) {
    EXPECT_EQ(TextLength(c.text, c.width, c.spacing), c.expected) << c.text;
  }
}

}  // namespace
}  // namespace halvane
