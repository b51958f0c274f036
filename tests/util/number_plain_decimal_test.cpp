// The plain decimal path must give bit for bit what the general decimal
// parser gives, over the whole text and over a range alike.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>

#include "util/number_parse.h"

namespace halvane {
namespace {

uint64_t Bits(double v) {
  uint64_t bits;
  std::memcpy(&bits, &v, sizeof bits);
  return bits;
}

void ExpectSameAsGeneralParser(const std::string& text) {
  const char* const first = text.data();
  const char* const last = first + text.size();
  double general = 0;
  const ParseResult g = ParseFloat(first, last, general);
  const double whole = g.ok && g.ptr == last ? general : 0;
  EXPECT_EQ(Bits(ParseFloat(text)), Bits(whole)) << '"' << text << '"';

  double plain = 1;
  const ParseResult r = ParsePlainDecimal(first, last, plain);
  if (!r.ok) {
    EXPECT_TRUE(r.ptr == first && Bits(plain) == 0) << '"' << text << '"';
    return;
  }
  // The general grammar goes on into an exponent; up to there both agree.
  if (r.ptr != last && (*r.ptr == 'e' || *r.ptr == 'E')) return;
  EXPECT_TRUE(g.ok && g.ptr == r.ptr) << '"' << text << '"';
  EXPECT_EQ(Bits(plain), Bits(general)) << '"' << text << '"';
}

TEST(PlainDecimalTest, AgreesWithGeneralParserOnEdgeForms) {
  for (const char* text : {"",
                           "-",
                           ".",
                           "-.",
                           "0",
                           "-0",
                           "0.0",
                           "-0.0",
                           "5.",
                           "-5.",
                           ".5",
                           "-.5",
                           "1..2",
                           "1.2.3",
                           "12-3",
                           "--1",
                           "+1",
                           " 1",
                           "1 ",
                           "1e3",
                           "1E-2",
                           "1,5",
                           "999999999999999",
                           "9999999999999999",
                           "0.000000000000001",
                           "123456789012345.",
                           "1234567.89012345",
                           "0.1",
                           "0.3",
                           "2.675",
                           "84099.9999999999",
                           "00000000000000012",
                           "1x",
                           "\x82\xa0"}) {
    ExpectSameAsGeneralParser(text);
  }
}

TEST(PlainDecimalTest, AgreesWithGeneralParserOnPrintedValues) {
  uint64_t state = 88172645463325252ull;
  auto next = [&state] {
    state ^= state << 13;
    state ^= state >> 7;
    state ^= state << 17;
    return state;
  };
  char text[64];
  for (int i = 0; i < 200000; ++i) {
    const double v = static_cast<double>(next() >> 11) / 9007199254740992.0 *
                     (i % 2 ? 1e5 : -100.0);
    const int places = static_cast<int>(next() % 12);
    if (i % 3 == 0) {
      std::snprintf(text, sizeof text, "%.15g", v);
    } else {
      std::snprintf(text, sizeof text, "%.*f", places, v);
    }
    ExpectSameAsGeneralParser(text);
  }
}

TEST(PlainDecimalTest, AgreesWithGeneralParserOnRandomBytes) {
  static constexpr char kAlphabet[] = "0123456789.-+eE x";
  uint32_t state = 12345;
  for (int i = 0; i < 200000; ++i) {
    std::string text;
    state = state * 1664525u + 1013904223u;
    const int length = static_cast<int>(state >> 28);
    for (int k = 0; k < length; ++k) {
      state = state * 1664525u + 1013904223u;
      text += kAlphabet[(state >> 24) % (sizeof kAlphabet - 1)];
    }
    ExpectSameAsGeneralParser(text);
  }
}

}  // namespace
}  // namespace halvane
