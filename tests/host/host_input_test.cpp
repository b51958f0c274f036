#include "tools/host_standin/host_input.h"

#include <gtest/gtest.h>

namespace halvane {
namespace {

BatchDirectives FourPoints() {
  BatchDirectives b;
  for (int n = 1; n <= 4; ++n) b.Points.push_back({n, "", "p"});
  return b;
}

Scenario WithPoints() {
  Scenario s = DefaultScenario();
  for (int n = 1; n <= 4; ++n) s.Points[n] = {true, n * 100.5, -n * 1e-5};
  return s;
}

TEST(HostInput, WritesHeaderPointsAndAttributesInTheHostsOrder) {
  Scenario s = WithPoints();
  s.Angle = 12.5;
  s.Scales[0] = 50;
  s.Scales[15] = 0.5;
  s.Group = 11;
  s.Layer = 3;
  s.Color = 4;
  s.LineType = 2;
  std::vector<int> missing;
  std::vector<std::string> lines = HostInputLines(s, FourPoints(), missing);
  EXPECT_TRUE(missing.empty());
  std::vector<std::string> expected = {
      "hq",
      "hk 12.5",
      "hs 50 1 1 1 1 1 1 1 1 1 1 1 1 1 1 0.5",
      "hcw 2 2.5 3 4 5 6 7 8 9 10",
      "hch 2 2.5 3 4 5 6 7 8 9 10",
      "hcd 0 0 0 0 0 0 0 0 0 0",
      "hcc 1 2 3 4 5 6 7 8 9 2",
      "hp1 100.5 -1E-5",
      "hp2 201 -2E-5",
      "hp3 301.5 -3E-5",
      "hp4 402 -4E-5",
      "lgB",
      "ly3",
      "lc4",
      "lt2",
      "cn1",
      "cn\"$\x82\x6c\x82\x72\x20\x83\x53\x83\x56\x83\x62\x83\x4e"};
  EXPECT_EQ(lines, expected);
  EXPECT_EQ(JoinCrLf({"hq", "hk 0"}), "hq\r\nhk 0\r\n");
}

TEST(HostInput, FreeTextSizeAndLineWidthOnlyWhenAsked) {
  Scenario s = WithPoints();
  s.TextType = 0;
  s.FreeW = 2.5;
  s.FreeH = 3;
  s.FreeD = 0.5;
  s.FreeColor = 7;
  s.LineWidth = 4;
  BatchDirectives b = FourPoints();
  std::vector<int> missing;
  std::vector<std::string> lines = HostInputLines(s, b, missing);
  EXPECT_EQ(lines[lines.size() - 2], "cn0 2.5 3 0.5 7");
  for (const std::string& l : lines) EXPECT_NE(l.substr(0, 2), "lw");
  b.AsksLineWidth = true;
  lines = HostInputLines(s, b, missing);
  EXPECT_EQ(lines[lines.size() - 3], "lw4");
}

TEST(HostInput, MarksRubberLinesAndSelections) {
  Scenario s = WithPoints();
  BatchDirectives b;
  b.Points = {{1, "-", ""}, {2, "ln", ""}, {3, "", ""}, {4, "ch", ""}};
  std::vector<int> missing;
  std::vector<std::string> lines = HostInputLines(s, b, missing);
  EXPECT_EQ(lines[7], "hp1 100.5 -1E-5");
  EXPECT_EQ(lines[8], "hp2-ln 201 -2E-5");
  EXPECT_EQ(lines[9], "hp3 301.5 -3E-5");
  EXPECT_EQ(lines[10], "hp4ch 402 -4E-5");
}

TEST(HostInput, ReportsPointsTheScenarioLacks) {
  Scenario s = DefaultScenario();
  s.Points[2] = {true, 1, 2};
  std::vector<int> missing;
  std::vector<std::string> lines = HostInputLines(s, FourPoints(), missing);
  EXPECT_EQ(missing, (std::vector<int>{1, 3, 4}));
  EXPECT_EQ(lines[7], "hp2 1 2");
  EXPECT_EQ(lines[8], "lg0");
}

}  // namespace
}  // namespace halvane
