// Compares the built-in full-width table with the platform's mapping for the
// Japanese locale, over every character the table covers.
#include <gtest/gtest.h>
#include <windows.h>

#include <map>
#include <string>
#include <vector>

#include "tests/support/hex_bytes.h"
#include "util/sjis_text.h"

namespace halvane {
namespace {

constexpr UINT kCodePage = 932;
const LCID kJapanese = MAKELCID(0x0411, SORT_DEFAULT);

enum class Platform { kMapped, kNotInCodePage, kFailed };

// Code page 932 -> UTF-16 -> LCMapStringW -> code page 932.
Platform PlatformFullWidth(const std::string& sjis, std::string& out) {
  wchar_t wide[16];
  const int n =
      MultiByteToWideChar(kCodePage, MB_ERR_INVALID_CHARS, sjis.data(),
                          static_cast<int>(sjis.size()), wide, 16);
  if (n <= 0) return Platform::kFailed;
  wchar_t mapped[16];
  const int m = LCMapStringW(kJapanese, LCMAP_FULLWIDTH | LCMAP_KATAKANA, wide,
                             n, mapped, 16);
  if (m <= 0) return Platform::kFailed;
  char bytes[64];
  BOOL used_default = FALSE;
  const int k = WideCharToMultiByte(kCodePage, 0, mapped, m, bytes, 64, nullptr,
                                    &used_default);
  if (k <= 0) return Platform::kFailed;
  if (used_default) return Platform::kNotInCodePage;
  out.assign(bytes, static_cast<std::size_t>(k));
  return Platform::kMapped;
}

// Two-byte codes whose round trip through UTF-16 gives them back unchanged;
// the others are unassigned or duplicates that the code page folds into
// another code, which is no full-width conversion.
bool RoundTrips(const std::string& sjis) {
  wchar_t wide[4];
  const int n = MultiByteToWideChar(kCodePage, MB_ERR_INVALID_CHARS,
                                    sjis.data(), 2, wide, 4);
  if (n != 1) return false;
  char bytes[8];
  BOOL used_default = FALSE;
  const int k = WideCharToMultiByte(kCodePage, 0, wide, 1, bytes, 8, nullptr,
                                    &used_default);
  return !used_default &&
         std::string(bytes, static_cast<std::size_t>(k)) == sjis;
}

using test::Hex;

bool RunningUnderWine() {
  const HMODULE ntdll = GetModuleHandleA("ntdll.dll");
  return ntdll != nullptr &&
         GetProcAddress(ntdll, "wine_get_version") != nullptr;
}

// Where Wine's mapping differs from Windows'; the table follows Windows, so
// these are compared on Windows only.
const std::map<std::string, const char*> kWineDifferences = {
    {"5C", "Wine leaves the backslash; Windows gives U+FF3C"},
    {"DE",
     "Wine gives combining U+3099 (not in the code page), Windows U+309B"},
    {"DF",
     "Wine gives combining U+309A (not in the code page), Windows U+309C"},
    {"814A", "Wine turns U+309B into combining U+3099; Windows keeps it"},
    {"814B", "Wine turns U+309C into combining U+309A; Windows keeps it"},
};

void ExpectSameAsPlatform(const std::vector<std::string>& inputs) {
  const bool wine = RunningUnderWine();
  int compared = 0;
  for (const std::string& input : inputs) {
    std::string expected;
    const Platform result = PlatformFullWidth(input, expected);
    if (wine && kWineDifferences.count(Hex(input)) != 0) continue;
    ASSERT_NE(result, Platform::kFailed) << Hex(input);
    if (result == Platform::kNotInCodePage) {
      // The platform combined into a kana the code page lacks; the table
      // keeps the two characters apart instead of writing a '?'.
      ASSERT_EQ(input.size(), 2u) << Hex(input);
      EXPECT_EQ(ToFullWidth(input),
                ToFullWidth(input.substr(0, 1)) + ToFullWidth(input.substr(1)))
          << Hex(input);
      continue;
    }
    EXPECT_EQ(Hex(ToFullWidth(input)), Hex(expected)) << Hex(input);
    ++compared;
  }
  EXPECT_GT(compared, 0);
}

TEST(FullWidthWin, OneByteCharactersMatchThePlatform) {
  std::vector<std::string> inputs;
  for (int b = 0x20; b <= 0x7E; ++b) inputs.push_back(std::string(1, char(b)));
  for (int b = 0xA1; b <= 0xDF; ++b) inputs.push_back(std::string(1, char(b)));
  ExpectSameAsPlatform(inputs);
}

TEST(FullWidthWin, KanaWithVoicedMarksMatchThePlatform) {
  std::vector<std::string> inputs;
  for (int kana = 0xA6; kana <= 0xDD; ++kana) {
    for (int mark : {0xDE, 0xDF}) {
      inputs.push_back(std::string{char(kana), char(mark)});
    }
  }
  ExpectSameAsPlatform(inputs);
}

TEST(FullWidthWin, TwoByteCharactersMatchThePlatform) {
  std::vector<std::string> inputs;
  for (int lead = 0x81; lead <= 0xFC; ++lead) {
    if (lead > 0x9F && lead < 0xE0) continue;
    for (int trail = 0x40; trail <= 0xFC; ++trail) {
      const std::string code{char(lead), char(trail)};
      if (trail != 0x7F && RoundTrips(code)) inputs.push_back(code);
    }
  }
  EXPECT_GT(inputs.size(), 7000u);
  ExpectSameAsPlatform(inputs);
}

}  // namespace
}  // namespace halvane
