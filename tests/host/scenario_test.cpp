#include "tools/host_standin/scenario.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

namespace halvane {
namespace {

TEST(Scenario, EmptyTextGivesTheDefaults) {
  Scenario s;
  ScenarioError e;
  ASSERT_TRUE(ParseScenario("", s, e));
  EXPECT_EQ(s.Angle, 0);
  EXPECT_EQ(s.Scales[15], 1.0);
  EXPECT_EQ(s.TextType, 1);
  EXPECT_EQ(s.TextTypes[2].H, 3);
  EXPECT_FALSE(s.LineWidth.has_value());
  EXPECT_FALSE(s.Points[1].Given);
  EXPECT_EQ(s.FontName, "\x82\x6c\x82\x72\x20\x83\x53\x83\x56\x83\x62\x83\x4e");
}

TEST(Scenario, ReadsEveryStatement) {
  Scenario s;
  ScenarioError e;
  ASSERT_TRUE(
      ParseScenario("\xef\xbb\xbf# comment\r\n"
                    "point 4 -1.5 2e3\r\n"
                    "angle 30\n"
                    "scale B 200\n"
                    "group a\n"
                    "layer F\n"
                    "color 5\n"
                    "linetype 3\n"
                    "linewidth 7\n"
                    "texttype 10 4 5 0.5 8\n"
                    "text 0 2.5 3 0.25 6\n"
                    "font   ＭＳ 明朝  \n"
                    "settings my settings/t517.dat\n"
                    "title 題 名\n",
                    s, e))
      << e.Line << ": " << e.Message;
  EXPECT_TRUE(s.Points[4].Given);
  EXPECT_EQ(s.Points[4].X, -1.5);
  EXPECT_EQ(s.Points[4].Y, 2000);
  EXPECT_EQ(s.Angle, 30);
  EXPECT_EQ(s.Scales[11], 200);
  EXPECT_EQ(s.Group, 10);
  EXPECT_EQ(s.Layer, 15);
  EXPECT_EQ(s.Color, 5);
  EXPECT_EQ(s.LineType, 3);
  EXPECT_EQ(s.LineWidth, 7);
  EXPECT_EQ(s.TextTypes[9].W, 4);
  EXPECT_EQ(s.TextTypes[9].H, 5);
  EXPECT_EQ(s.TextTypes[9].D, 0.5);
  EXPECT_EQ(s.TextTypes[9].Color, 8);
  EXPECT_EQ(s.TextType, 0);
  EXPECT_EQ(s.FreeW, 2.5);
  EXPECT_EQ(s.FreeH, 3);
  EXPECT_EQ(s.FreeD, 0.25);
  EXPECT_EQ(s.FreeColor, 6);
  EXPECT_EQ(s.FontName, "\x82\x6c\x82\x72\x20\x96\xbe\x92\xa9");  // ＭＳ 明朝
  EXPECT_TRUE(s.Settings.generic_u8string() == u8"my settings/t517.dat");
  EXPECT_EQ(s.Title, "題 名");
}

struct BadLine {
  const char* text;
  int line;
  const char* message_part;
};

class ScenarioErrors : public testing::TestWithParam<BadLine> {};

TEST_P(ScenarioErrors, NameTheLineAndTheFault) {
  Scenario s;
  ScenarioError e;
  EXPECT_FALSE(ParseScenario(GetParam().text, s, e));
  EXPECT_EQ(e.Line, GetParam().line);
  EXPECT_NE(e.Message.find(GetParam().message_part), std::string::npos)
      << e.Message;
}

INSTANTIATE_TEST_SUITE_P(
    Lines, ScenarioErrors,
    testing::Values(BadLine{"pont 1 0 0", 1, "unknown key"},
                    BadLine{"# ok\npoint 1 0", 2, "takes 3 values"},
                    BadLine{"point 0 0 0", 1, "1 to 99"},
                    BadLine{"point 100 0 0", 1, "1 to 99"},
                    BadLine{"point 1 1,5 0", 1, "not a number: 1,5"},
                    BadLine{"angle 1e", 1, "not a number"},
                    BadLine{"scale G 2", 1, "hexadecimal"},
                    BadLine{"group 10", 1, "hexadecimal"},
                    BadLine{"color 1.5", 1, "not an integer"},
                    BadLine{"texttype 11 1 1 0 1", 1, "1 to 10"},
                    BadLine{"text 11", 1, "type 1-10"},
                    BadLine{"text 3 1 1 0 1", 1, "only text type 0"},
                    BadLine{"font", 1, "takes a name"},
                    BadLine{"font \xe2\x82\xac\xf0\x9f\x98\x80", 1,
                            "Shift-JIS"},
                    BadLine{"font \xff\xfe", 1, "Shift-JIS"},
                    BadLine{"settings", 1, "file name"}));

TEST(Scenario, TheBundledExampleIsValid) {
  std::ifstream in(HALVANE_SOURCE_DIR "/examples/dimension.scenario",
                   std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  Scenario s;
  ScenarioError e;
  ASSERT_TRUE(ParseScenario(text.str(), s, e)) << e.Line << ": " << e.Message;
  for (int n = 1; n <= 4; ++n) EXPECT_TRUE(s.Points[n].Given) << n;
  EXPECT_EQ(s.Settings, "t517.dat");
}

}  // namespace
}  // namespace halvane
