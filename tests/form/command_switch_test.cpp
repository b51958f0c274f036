// The three commands' switches and the dialog's name for the direction.
#include "form/command_switch.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace halvane {
namespace {

using D = DimensionDirection;

TEST(CommandSwitchTest, ArgumentsChooseOneDirectionOrNone) {
  const struct {
    std::vector<std::string> arguments;
    std::optional<D> direction;
  } cases[] = {
      {{}, D::Horizontal},
      {{"/vertical"}, D::Vertical},
      {{"/aligned"}, D::Aligned},
      {{"/vertcal"}, std::nullopt},
      {{"/Vertical"}, std::nullopt},
      {{"vertical"}, std::nullopt},
      {{"--vertical"}, std::nullopt},
      {{"/"}, std::nullopt},
      {{""}, std::nullopt},
      {{"/vertical", "/aligned"}, std::nullopt},
      {{"/vertical", "x"}, std::nullopt},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(DirectionOfArguments(c.arguments), c.direction)
        << testing::PrintToString(c.arguments);
  }
}

TEST(CommandSwitchTest, UnknownSwitchMessageNamesItAndTheKnownOnes) {
  const std::vector<std::string> given = {"/vertcal", "\x82\xa0" /* あ */};
  const std::string message = UnknownSwitchMessage(given);
  EXPECT_EQ(message.rfind("\x8b\x4e\x93\xae\x83\x58\x83\x43\x83\x62\x83\x60"
                          "\x81\x75/vertcal \x82\xa0\x81\x76",
                          0),
            0u);  // 起動スイッチ「/vertcal あ」
  for (const char* known :
       {"/vertical", "/aligned",
        "\x90\x85\x95\xbd\x90\xa1\x96\x40\x90\xfc" /* 水平寸法線 */}) {
    EXPECT_NE(message.find(known), std::string::npos) << known;
  }
}

TEST(CommandSwitchTest, TextsNameTheDirectionDrawn) {
  // 寸法値と水平線との距離; and 水平's bytes found across two characters
  // ("\x81\x90" then "\x85\x95"), which are not 水平.
  const std::string label =
      "\x90\xa1\x96\x40\x92\x6c\x82\xc6\x90\x85\x95\xbd\x90\xfc\x82\xc6\x82\xcc"
      "\x8b\x97\x97\xa3";
  const struct {
    D direction;
    const char* word;
  } cases[] = {{D::Horizontal, "\x90\x85\x95\xbd"},
               {D::Vertical, "\x90\x82\x92\xbc"},
               {D::Aligned, "\x95\xbd\x8d\x73"}};
  for (const auto& c : cases) {
    std::string expected = label;
    expected.replace(8, 4, c.word);
    EXPECT_EQ(NameDirection(label, c.direction), expected);
  }
  const std::string misaligned = "\x81\x90\x85\x95\xbd";
  EXPECT_EQ(NameDirection(misaligned, D::Vertical), misaligned);
  EXPECT_EQ(NameDirection("", D::Aligned), "");
}

}  // namespace
}  // namespace halvane
