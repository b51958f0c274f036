// The whole built-in full-width table against
// tests/util/fullwidth_expected.txt, which tools/gen_fullwidth_expected.py
// derives from the Unicode compatibility forms rather than from the code page's
// mapping the table comes from.
#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <sstream>
#include <string>

#include "tests/support/hex_bytes.h"
#include "util/sjis_text.h"

namespace halvane {
namespace {

using test::Hex;

// Lead bytes as the program takes them: code page 932's 0x81-0x9F and
// 0xE0-0xFC, and 0x80 and 0xFD as well.
bool IsLead(int b) {
  return (b >= 0x80 && b < 0xA0) || (b >= 0xE0 && b < 0xFE);
}

// Hex input -> hex output of every character the conversion changes.
std::map<std::string, std::string> ExpectedChanges() {
  std::ifstream file(HALVANE_TEST_DATA "/util/fullwidth_expected.txt");
  std::map<std::string, std::string> changes;
  std::string line;
  while (std::getline(file, line)) {
    if (line.empty() || line[0] == '#') continue;
    std::istringstream fields(line);
    std::string input, output;
    fields >> input >> output;
    changes[input] = output;
  }
  return changes;
}

TEST(FullWidthTable, EveryCharacterMatchesTheUnicodeCompatibilityForms) {
  const std::map<std::string, std::string> changes = ExpectedChanges();
  ASSERT_GT(changes.size(), 250u);
  const auto expected = [&](const std::string& input) {
    const auto it = changes.find(Hex(input));
    return it != changes.end() ? it->second : Hex(input);
  };
  int checked = 0;
  std::string wrong;
  const auto check = [&](const std::string& input, const std::string& want) {
    ++checked;
    if (Hex(ToFullWidth(input)) != want && wrong.size() < 400) {
      wrong += Hex(input) + " -> " + Hex(ToFullWidth(input)) + ", not " + want +
               "\n";
    }
  };
  // Every byte alone and with each possible second byte after it.
  for (int b = 0; b < 256; ++b) {
    const std::string one(1, char(b));
    check(one, expected(one));
    for (int second = 0x40; second <= 0xFC; ++second) {
      const std::string two{char(b), char(second)};
      const auto it = changes.find(Hex(two));
      if (it != changes.end()) {
        check(two, it->second);
      } else {
        check(two,
              IsLead(b) ? Hex(two) : expected(one) + expected(two.substr(1)));
      }
    }
  }
  EXPECT_EQ(wrong, "");
  EXPECT_EQ(checked, 256 * (1 + 0xFC - 0x3F));
}

}  // namespace
}  // namespace halvane
