#include "util/text_encoding.h"

#include <gtest/gtest.h>

namespace halvane {
namespace {

TEST(TextEncoding, ConvertsBothWays) {
  std::string sjis;
  ASSERT_TRUE(Utf8ToSjis("始点 ｱ A", sjis));
  EXPECT_EQ(sjis, "\x8e\x6e\x93\x5f \xb1 A");
  EXPECT_EQ(SjisToUtf8(sjis), "始点 ｱ A");
  EXPECT_TRUE(Utf8ToSjis("", sjis));
  EXPECT_EQ(sjis, "");
  EXPECT_EQ(SjisToUtf8(""), "");
}

TEST(TextEncoding, BadShiftJisBecomesReplacementCharacters) {
  // A lone lead byte at the end, and a lead byte with a bad trail byte.
  EXPECT_EQ(SjisToUtf8("a\x82"), "a\xef\xbf\xbd");
  EXPECT_EQ(SjisToUtf8("\x82\x0a"
                       "b"),
            "\xef\xbf\xbd\nb");
}

TEST(TextEncoding, RefusesWhatShiftJisCannotHold) {
  std::string sjis = "old";
  EXPECT_FALSE(Utf8ToSjis("\xf0\x9f\x98\x80", sjis));  // emoji
  EXPECT_EQ(sjis, "");
  EXPECT_FALSE(Utf8ToSjis("\xc3", sjis));  // cut UTF-8
}

}  // namespace
}  // namespace halvane
