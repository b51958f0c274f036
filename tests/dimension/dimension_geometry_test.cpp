#include "dimension/dimension_geometry.h"

#include <gtest/gtest.h>

#include "dimension/dimension_output.h"
#include "output_lines.h"

namespace halvane {
namespace {

void ExpectNear(Point actual, Point expected, double tolerance = 1e-9) {
  EXPECT_NEAR(actual.x, expected.x, tolerance);
  EXPECT_NEAR(actual.y, expected.y, tolerance);
}

TEST(DimensionLineTest, FeetOfTheMeasuredPointsOnTheLineThroughP3) {
  const DimensionLine line = MakeDimensionLine({0, 0}, {100, 0}, {50, 20}, 0);
  ExpectNear(line.D1, {0, 20});
  ExpectNear(line.D2, {100, 20});
  EXPECT_DOUBLE_EQ(line.Length, 100);
}

TEST(DimensionLineTest, MeasuresOnlyAlongTheAxisAngle) {
  // Turned by 90: the line runs parallel to the y axis through P3.
  const DimensionLine line =
      MakeDimensionLine({0, 0}, {30, 100}, {-20, 50}, 90);
  ExpectNear(line.D1, {-20, 0});
  ExpectNear(line.D2, {-20, 100});
  EXPECT_NEAR(line.Length, 100, 1e-9);
}

TEST(DimensionLineTest, PointsAboveEachOtherHaveNoLength) {
  const DimensionLine line = MakeDimensionLine({5, 0}, {5, 40}, {0, 20}, 0);
  EXPECT_LT(line.Length, 1e-10);
}

TEST(ExtensionLineTest, RunsFromTheGapToTheOvershoot) {
  const DimensionLine line = MakeDimensionLine({0, 0}, {100, 0}, {50, 20}, 0);
  const Segment e1 = MakeExtensionLine({0, 0}, line.B1, 0, 2, 2);
  const Segment e2 = MakeExtensionLine({100, 0}, line.B2, 0, 2, 2);
  ExpectNear(e1.From, {0, 2});
  ExpectNear(e1.To, {0, 22});
  ExpectNear(e2.From, {100, 2});
  ExpectNear(e2.To, {100, 22});
}

TEST(ExtensionLineTest, GoesDownWhenTheLineIsBelow) {
  const DimensionLine line = MakeDimensionLine({0, 0}, {100, 0}, {50, -20}, 0);
  const Segment e1 = MakeExtensionLine({0, 0}, line.B1, 0, 2, 2);
  const Segment e2 = MakeExtensionLine({100, 0}, line.B2, 0, 2, 2);
  ExpectNear(e1.From, {0, -2});
  ExpectNear(e1.To, {0, -22});
  ExpectNear(e2.From, {100, -2});
  ExpectNear(e2.To, {100, -22});
}

TEST(ExtensionLineTest, LineLevelWithThePointCountsAsAbove) {
  const Segment e = MakeExtensionLine({0, 0}, 0, 0, 1, 3);
  ExpectNear(e.From, {0, 1});
  ExpectNear(e.To, {0, 3});
}

TEST(ExtensionLineTest, AtNinetyDegreesRunsAlongTheXAxis) {
  const DimensionLine line = MakeDimensionLine({0, 0}, {0, 100}, {-20, 50}, 90);
  const Segment e = MakeExtensionLine({0, 0}, line.B1, 90, 2, 2);
  ExpectNear(e.From, {-2, 0});
  ExpectNear(e.To, {-22, 0});
}

TEST(ExtensionLineTest, EqualGapAndOvershootOnTheLineWritesNothing) {
  test::FreshRun run;
  WriteSegment(run.Output, MakeExtensionLine({0, 0}, 0, 0, 2, 2));
  EXPECT_EQ(run.Lines(), std::vector<std::string>{"z3"});
}

struct SideCase {
  const char* name;
  Point p1, p2, p4;
  ValueSide side;
  double run;
  double shift;
};

class ValueSideTest : public testing::TestWithParam<SideCase> {};

TEST_P(ValueSideTest, SideRunAndShift) {
  const SideCase c = GetParam();
  const ValuePlacement v = PlaceValueAlongLine(c.p1, c.p2, c.p4, 0, 10, 1e-10);
  EXPECT_EQ(v.Side, c.side);
  EXPECT_DOUBLE_EQ(v.Run, c.run);
  EXPECT_DOUBLE_EQ(v.Shift, c.shift);
}

INSTANTIATE_TEST_SUITE_P(BothOrders, ValueSideTest,
                         testing::Values(SideCase{"BetweenLeftToRight",
                                                  {0, 0},
                                                  {100, 0},
                                                  {50, 9},
                                                  ValueSide::Between,
                                                  0,
                                                  0},
                                         SideCase{"BeyondP1LeftToRight",
                                                  {0, 0},
                                                  {100, 0},
                                                  {-20, 9},
                                                  ValueSide::BeyondStart,
                                                  30,
                                                  -5},
                                         SideCase{"AtP1CountsAsBeyond",
                                                  {0, 0},
                                                  {100, 0},
                                                  {0, 70},
                                                  ValueSide::BeyondStart,
                                                  10,
                                                  -5},
                                         SideCase{"BeyondP2LeftToRight",
                                                  {0, 0},
                                                  {100, 0},
                                                  {130, 9},
                                                  ValueSide::BeyondEnd,
                                                  40,
                                                  5},
                                         SideCase{"BetweenRightToLeft",
                                                  {100, 0},
                                                  {0, 0},
                                                  {50, 9},
                                                  ValueSide::Between,
                                                  0,
                                                  0},
                                         SideCase{"BeyondP1RightToLeft",
                                                  {100, 0},
                                                  {0, 0},
                                                  {120, 9},
                                                  ValueSide::BeyondStart,
                                                  30,
                                                  5},
                                         SideCase{"BeyondP2RightToLeft",
                                                  {100, 0},
                                                  {0, 0},
                                                  {-30, 9},
                                                  ValueSide::BeyondEnd,
                                                  40,
                                                  -5}),
                         [](const auto& info) {
                           return std::string(info.param.name);
                         });

// At an end, or up to the tolerance inside it, counts as beyond that end;
// twice the tolerance inside is between. P2 on either side of P1.
TEST(ValueSideTest, UpToTheToleranceInsideCountsAsBeyond) {
  for (const double tolerance : {1e-10, 1e-7}) {
    for (const double way : {1.0, -1.0}) {
      // `x` from P1 towards P2.
      const auto side = [&](double x) {
        return PlaceValueAlongLine({0, 0}, {way * 100, 0}, {way * x, 0}, 0, 1,
                                   tolerance)
            .Side;
      };
      for (const double inside : {0.0, tolerance / 2, tolerance}) {
        EXPECT_EQ(side(inside), ValueSide::BeyondStart) << way << " " << inside;
        EXPECT_EQ(side(100 - inside), ValueSide::BeyondEnd)
            << way << " " << inside;
      }
      EXPECT_EQ(side(tolerance * 2), ValueSide::Between) << way;
      EXPECT_EQ(side(100 - tolerance * 2), ValueSide::Between) << way;
    }
  }
}

TEST(ReverseTest, DepthsEqualToTheLengthDoNotReverse) {
  EXPECT_FALSE(MarkersReversed(7.5, 7.5, 15, ValueSide::Between));
  EXPECT_TRUE(MarkersReversed(7.5, 7.5000001, 15, ValueSide::Between));
  EXPECT_TRUE(MarkersReversed(0, 0, 15, ValueSide::BeyondStart));
  EXPECT_TRUE(MarkersReversed(0, 0, 15, ValueSide::BeyondEnd));
}

TEST(EndAngleTest, OutwardUnlessReversed) {
  EXPECT_DOUBLE_EQ(EndAngle({0, 20}, {100, 20}, false), 180);
  EXPECT_DOUBLE_EQ(EndAngle({100, 20}, {0, 20}, false), 0);
  EXPECT_DOUBLE_EQ(EndAngle({0, 20}, {100, 20}, true), 0);
  EXPECT_DOUBLE_EQ(EndAngle({100, 20}, {0, 20}, true), 180);
  EXPECT_DOUBLE_EQ(EndAngle({0, 0}, {0, 100}, true), 90);
}

TEST(RunLineTest, UnderTheValueOnItsSideElseByTheOvershoot) {
  const auto under = MakeRunLine({0, 20}, 0, true, 30, 2);
  ASSERT_TRUE(under);
  ExpectNear(under->From, {0, 20});
  ExpectNear(under->To, {-30, 20});
  const auto other = MakeRunLine({100, 20}, 180, false, 30, 2);
  ASSERT_TRUE(other);
  ExpectNear(other->To, {102, 20});
  EXPECT_FALSE(MakeRunLine({100, 20}, 180, false, 30, 0));
  EXPECT_FALSE(MakeRunLine({100, 20}, 180, false, 30, 1e-10));
}

TEST(PointAlongTest, QuarterTurnsAreExactAndOtherAnglesCorrectlyRounded) {
  struct Row {
    double degrees, x, y;
  };
  const Row rows[] = {
      {0, 1000, 0},
      {90, 0, 1000},
      {180, -1000, 0},
      {270, 0, -1000},
      {-90, 0, -1000},
      {450, 0, 1000},
      {-720, 1000, 0},
      {1e-10, 1000, 1.7453292519943295e-9},
      // Just past the eighth turns, where the reduction changes quarter.
      {45.5869, 699.82667792319774, 714.31269124031451},
      {135.1282, -708.68716979571002, 705.52285247676173},
  };
  for (const Row& row : rows) {
    const Point p = PointAlong({0, 0}, 1000, row.degrees);
    EXPECT_EQ(p.x, row.x) << row.degrees;
    EXPECT_EQ(p.y, row.y) << row.degrees;
  }
}

}  // namespace
}  // namespace halvane
