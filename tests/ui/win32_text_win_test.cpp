#include <gtest/gtest.h>

#include "ui/win32_text.h"

namespace halvane {
namespace {

TEST(SjisText, RoundTripsThroughUtf16) {
  const std::string sjis =
      "\x90\xa1\x96\x40" /* 寸法 */ "ab 1\x81\x40" /* 　 */;
  const std::wstring wide = SjisToWide(sjis);
  EXPECT_EQ(wide, L"\u5bf8\u6cd5ab 1\u3000");
  EXPECT_EQ(WideToSjis(wide), sjis);
  EXPECT_EQ(SjisToWide(""), L"");
  EXPECT_EQ(WideToSjis(L""), "");
}

struct LengthCase {
  const wchar_t* text;
  int bytes;
};

class SjisLength : public testing::TestWithParam<LengthCase> {};

TEST_P(SjisLength, CountsBytesOrRefuses) {
  EXPECT_EQ(SjisByteLength(GetParam().text), GetParam().bytes);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SjisLength,
    testing::Values(LengthCase{L"", 0}, LengthCase{L"12345678", 8},
                    LengthCase{L"\u5bf8\u6cd5", 4},  // full width: two each
                    LengthCase{L"\uff71", 1},        // half-width katakana
                    LengthCase{L"a\u00fc", -1},      // no Shift-JIS form
                    LengthCase{L"\u20ac", -1},
                    LengthCase{L"\xd83d\xde00", -1}));  // outside the BMP

struct FitCase {
  const wchar_t* current;
  std::size_t first, count;
  const wchar_t* inserted;
  int max_bytes;
  bool fits;
};

class Replacement : public testing::TestWithParam<FitCase> {};

TEST_P(Replacement, FitsTheByteLimit) {
  const FitCase& c = GetParam();
  EXPECT_EQ(
      ReplacementFits(c.current, c.first, c.count, c.inserted, c.max_bytes),
      c.fits);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Replacement,
    testing::Values(
        FitCase{L"1234567", 7, 0, L"8", 8, true},
        FitCase{L"12345678", 8, 0, L"9", 8, false},
        FitCase{L"1234567", 7, 0, L"\u5bf8", 8, false},  // 7 + 2 bytes
        FitCase{L"12345678", 0, 8, L"\u5bf8", 8, true},  // replaces all
        FitCase{L"12345678", 2, 2, L"\u5bf8", 8, true},  // 6 + 2
        FitCase{L"123456", 2, 0, L"\u5bf8", 8, true},
        FitCase{L"123", 1, 0, L"\u00fc", 8, false},
        FitCase{L"12", 5, 9, L"3", 8, true},  // selection past the end
        FitCase{L"\u5bf8\u5bf8\u5bf8\u5bf8\u5bf8\u5bf8\u5bf8\u5bf8"
                L"\u5bf8\u5bf8\u5bf8\u5bf8\u5bf8\u5bf8\u5bf8",
                15, 0, L"\u6cd5", 32, true},
        FitCase{L"\u5bf8\u5bf8\u5bf8\u5bf8\u5bf8\u5bf8\u5bf8\u5bf8"
                L"\u5bf8\u5bf8\u5bf8\u5bf8\u5bf8\u5bf8\u5bf8\u5bf8",
                16, 0, L"a", 32, false}));

TEST(FirstLine, StopsAtTheFirstLineBreak) {
  EXPECT_EQ(FirstLine(L"ab\r\ncd"), L"ab");
  EXPECT_EQ(FirstLine(L"ab\ncd"), L"ab");
  EXPECT_EQ(FirstLine(L"ab\rcd"), L"ab");
  EXPECT_EQ(FirstLine(L"\r\nab"), L"");
  EXPECT_EQ(FirstLine(L"abc"), L"abc");
}

}  // namespace
}  // namespace halvane
