#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>

#include "exchange/reader/field_number.h"
#include "reader_test_support.h"

namespace halvane {
namespace {

void ExpectSameAsParseFloat(const std::string& text) {
  EXPECT_EQ(Bits(FieldNumber(text)), Bits(ParseFloat(text)))
      << '"' << text << '"';
}

TEST(FieldNumberTest, AgreesWithParseFloatOnEdgeForms) {
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
    ExpectSameAsParseFloat(text);
  }
}

TEST(FieldNumberTest, AgreesWithParseFloatOnPrintedValues) {
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
    ExpectSameAsParseFloat(text);
  }
}

TEST(FieldNumberTest, AgreesWithParseFloatOnRandomBytes) {
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
    ExpectSameAsParseFloat(text);
  }
}

}  // namespace
}  // namespace halvane
