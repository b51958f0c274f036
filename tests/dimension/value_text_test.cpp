#include "dimension/value_text.h"

#include <gtest/gtest.h>

#include "dimension/dimension_output_internal.h"
#include "dimension/dimension_plan.h"
#include "dimension/value_text_internal.h"
#include "output_lines.h"

namespace halvane {
namespace {

constexpr auto kTruncate = Rounding::Truncate;
constexpr auto kUp = Rounding::Up;
constexpr auto kHalfUp = Rounding::HalfUp;
constexpr auto kDropped = TrailingZeros::Dropped;
constexpr auto kKept = TrailingZeros::Kept;
constexpr auto kMm = LengthUnit::Millimetre;
constexpr auto kM = LengthUnit::Metre;

DimensionOptions Options(int decimals, Rounding mode, TrailingZeros zeros,
                         bool separators) {
  DimensionOptions o;
  o.Decimals = decimals;
  o.RoundingMode = mode;
  o.ZeroDisplay = zeros;
  o.Separators = separators;
  return o;
}

struct NumberCase {
  double length;
  int decimals;
  Rounding mode;
  TrailingZeros zeros;
  bool separators;
  LengthUnit unit;
  const char* expected;
};

class ValueNumberTest : public testing::TestWithParam<NumberCase> {};

TEST_P(ValueNumberTest, Formats) {
  const NumberCase c = GetParam();
  DimensionOptions o = Options(c.decimals, c.mode, c.zeros, c.separators);
  o.Unit = c.unit;
  EXPECT_EQ(FormatValueNumber(c.length, o), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ValueNumberTest,
    testing::Values(
        NumberCase{1234.5, 3, kHalfUp, kKept, false, kMm, "1234.500"},
        NumberCase{1234.5, 3, kHalfUp, kKept, true, kMm, "1,234.500"},
        NumberCase{1234.5, 3, kHalfUp, kDropped, false, kMm, "1234.5"},
        NumberCase{1234.5, 3, kHalfUp, kDropped, true, kMm, "1,234.5"},
        NumberCase{1200, 2, kHalfUp, kDropped, false, kMm, "1200"},
        NumberCase{1200, 2, kHalfUp, kDropped, true, kMm, "1,200"},
        NumberCase{1200.5, 0, kHalfUp, kKept, false, kMm, "1201"},
        NumberCase{1250, 2, kHalfUp, kKept, false, kM, "1.25"},
        NumberCase{1250, 1, kHalfUp, kKept, false, kM, "1.3"},
        NumberCase{1250, 1, kTruncate, kKept, false, kM, "1.2"},
        NumberCase{12.5, 0, kUp, kKept, false, kMm, "13"},
        NumberCase{12.0625, 0, kUp, kKept, false, kMm, "12"},
        NumberCase{12.75, 0, kTruncate, kKept, false, kMm, "12"},
        NumberCase{100.0400, 4, kHalfUp, kDropped, false, kMm, "100.04"},
        NumberCase{1234567.5, 8, kHalfUp, kDropped, true, kMm, "1,234,567.5"}));

TEST(ValueTextTest, FullWidthConvertsTheNumberOnly) {
  DimensionOptions o = Options(1, kHalfUp, kKept, true);
  o.FullWidth = true;
  o.UnitSuffix = true;
  o.Prefix = "L=";
  o.Suffix = " (a)";
  // L=１，２３４．５mm (a)
  EXPECT_EQ(BuildValueText(1234.5, o),
            "L=\x82\x50\x81\x43\x82\x51\x82\x52\x82\x53\x81\x44\x82\x54"
            "mm (a)");
}

TEST(ValueTextTest, MetreSuffixIsTheFullWidthLetter) {
  DimensionOptions o = Options(2, kHalfUp, kKept, false);
  o.Unit = kM;
  o.UnitSuffix = true;
  EXPECT_EQ(BuildValueText(1250, o), "1.25\x82\x8d");
  o.UnitSuffix = false;
  EXPECT_EQ(BuildValueText(1250, o), "1.25");
}

// An output line holds 255 bytes; a dimension whose value text would not fit
// whole is not drawn.
TEST(ValueTextTest, PlanTakesAValueTextOf255BytesAtMost) {
  const ExchangeData data;
  DimensionOptions o = Options(0, kHalfUp, kDropped, false);
  for (const std::size_t bytes : {254u, 255u, 256u}) {
    o.Prefix = std::string(bytes - 3, 'x');  // and "100"
    const auto plan =
        PlanDimension({{0, 0}, {100, 0}, {0, 10}, {50, 10}}, o, data);
    ASSERT_EQ(plan.has_value(), bytes <= 255) << bytes;
    if (plan) {
      EXPECT_EQ(plan->Label.Text.size(), bytes);
    }
  }
}

TEST(TextFrameTest, ChoiceNamesATextTypeOrTheHostsCurrentOne) {
  ExchangeData data;
  data.TextTypes[3] = {4.5, 5, 0.5, 7};
  data.HostTextType = 4;
  const TextFrame host = ChooseTextFrame(0, data);
  EXPECT_EQ(host.Type, 4);
  EXPECT_EQ(host.W, 4.5);
  EXPECT_EQ(host.D, 0.5);
  EXPECT_EQ(host.Color, 7);
  EXPECT_EQ(ChooseTextFrame(4, data).W, 4.5);
  EXPECT_EQ(ChooseTextFrame(1, data).Type, 1);

  data.HostTextType = 0;
  data.HostFreeW = 2.5;
  data.HostFreeH = 3.5;
  data.HostFreeD = 0.25;
  data.HostFreeColor = 6;
  const TextFrame free = ChooseTextFrame(0, data);
  EXPECT_EQ(free.Type, 0);
  EXPECT_EQ(free.W, 2.5);
  EXPECT_EQ(free.H, 3.5);
  EXPECT_EQ(free.D, 0.25);
  EXPECT_EQ(free.Color, 6);

  // A host type outside 0..10 falls back on 1 (0 is the free size); a choice
  // outside 1..10 takes the host's type.
  const int host_types[][2] = {{-3, 1}, {-1, 1},  {0, 0},  {1, 1},
                               {9, 9},  {10, 10}, {11, 1}, {12, 1}};
  for (const auto& [type, used] : host_types) {
    data.HostTextType = type;
    EXPECT_EQ(ChooseTextFrame(0, data).Type, used) << type;
    EXPECT_EQ(ChooseTextFrame(11, data).Type, used) << type;
    EXPECT_EQ(ChooseTextFrame(10, data).Type, 10) << type;
  }
}

// 0 up to below 360; turned a half turn on beyond 90 + 1e-8.
TEST(TextAngleTest, NeverUpsideDown) {
  const std::pair<double, double> cases[] = {
      {0, 0},
      {90, 90},
      {135, 315},
      {180, 0},
      {270, 90},
      {91, 271},
      {300, 300},
      {-90, 90},
      {450, 90},
      {225, 45},
      {179.5, 359.5},
      {359.5, 359.5},
      {90.00000001, 90.00000001},
      {90.00000002, 270.00000002},
  };
  for (const auto& [drawing, text] : cases) {
    EXPECT_NEAR(ValueTextAngle(drawing), text, 1e-9) << drawing;
  }
}

TEST(ValueLabelTest, BottomCentreAtTheValuePoint) {
  // Value distance 0.5 mm at scale 100, width 30, line at height 20.
  const ValueLabel label =
      PlaceValueLabel("x", {0, 0}, {0, 20}, {50, -7}, 0, 30, 0, 50);
  EXPECT_DOUBLE_EQ(label.Position.x, 35);
  EXPECT_DOUBLE_EQ(label.Position.y, 70);
  EXPECT_DOUBLE_EQ(label.Direction.x, 10);
  EXPECT_DOUBLE_EQ(label.Direction.y, 0);
}

TEST(ValueLabelTest, HalfTurnedDrawingStillReadsUpright) {
  // At 180 the line's frame is turned, but the text runs along +x and stands
  // above the line as seen on the sheet.
  const ValueLabel label =
      PlaceValueLabel("x", {0, 0}, {0, 20}, {-50, 0}, 180, 30, 0, 5);
  EXPECT_NEAR(label.Direction.x, 10, 1e-12);
  EXPECT_NEAR(label.Direction.y, 0, 1e-12);
  EXPECT_NEAR(label.Position.x, -65, 1e-9);
  EXPECT_NEAR(label.Position.y, 25, 1e-9);
}

TEST(ValueLabelTest, NegativeDistancePutsTheValueBelow) {
  const ValueLabel label =
      PlaceValueLabel("x", {0, 0}, {0, 20}, {50, 0}, 0, 10, 0, -3);
  EXPECT_DOUBLE_EQ(label.Position.y, 17);
}

// A free-size frame's colour goes out as the host gave it, unmapped (a
// colour number beyond 9 would otherwise move up by 91).
constexpr TextFrame kFreeFrame{0, 2.5, 2.5, 0, 12};

TEST(LineAndValueTest, FigureFormHasNoFlagNorTextCodeLine) {
  test::FreshRun run;
  const DimensionLine line = MakeDimensionLine({0, 20}, {100, 20}, {0, 20}, 0);
  const ValueLabel label{"100", {47.75, 20.5}, {10, 0}};
  WriteLineAndValue(run.Output, line, kFreeFrame, label, true);
  const std::vector<std::string> expected = {
      "cn0 2.5 2.5 0 12", "msg", "0 20 100 20", "cs 47.75 20.5 10 0 \"", "100"};
  EXPECT_EQ(run.Lines(), expected);
}

TEST(LineAndValueTest, PlainFormWritesSegmentTextTypeCodeAndText) {
  test::FreshRun run;
  const DimensionLine line = MakeDimensionLine({0, 20}, {100, 20}, {0, 20}, 0);
  const ValueLabel label{"100", {47.75, 20.5}, {10, 0}};
  WriteLineAndValue(run.Output, line, kFreeFrame, label, false);
  const std::vector<std::string> expected = {
      "z3",  "0 20 100 20", "cn0 2.5 2.5 0 12",
      "cc0", "z3",          "cs 47.75 20.5 10 0 \"",
      "100"};
  EXPECT_EQ(run.Lines(), expected);
}

}  // namespace
}  // namespace halvane
