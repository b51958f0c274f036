#include "dimension/end_markers.h"

#include <gtest/gtest.h>

#include <cmath>
#include <sstream>
#include <utility>

#include "dimension/dimension_output_internal.h"
#include "output_lines.h"
#include "util/numbers.h"

namespace halvane {
namespace {

using test::FreshRun;

struct DepthCase {
  MarkerKind kind;
  double paper_depth;  // at marker scale 1
};

class GlyphDepthTest : public testing::TestWithParam<DepthCase> {};

TEST_P(GlyphDepthTest, TableDepthTimesMarkerAndDrawingScale) {
  const DepthCase c = GetParam();
  const MarkerStyle style{3, 15, 2, 100};
  EXPECT_NEAR(MarkerDepth(c.kind, style), c.paper_depth * 2 * 100, 1e-9);
  EXPECT_NEAR(MarkerDepth(c.kind, {3, 15, 1, 1}), c.paper_depth, 1e-15);
}

INSTANTIATE_TEST_SUITE_P(
    AllGlyphs, GlyphDepthTest,
    testing::Values(DepthCase{MarkerKind::Triangle, 7.5},
                    DepthCase{MarkerKind::Square, 1.25},
                    DepthCase{MarkerKind::LetterO, 1.25},
                    DepthCase{MarkerKind::Circle, 1.25},
                    DepthCase{MarkerKind::FilledSquare, 1.25},
                    DepthCase{MarkerKind::FilledTriangle, 7.5},
                    DepthCase{MarkerKind::FilledCircle, 1.25},
                    DepthCase{MarkerKind::Tilde, 1.7677669529663689},
                    DepthCase{MarkerKind::Chevron, 7.5},
                    DepthCase{MarkerKind::Slash, 1.7677669529663689},
                    DepthCase{MarkerKind::SecondTriangle, 7.5}));

TEST(MarkerDepthTest, LineArrowIgnoresMarkerScale) {
  const double depth = MarkerDepth(MarkerKind::LineArrow, {3, 15, 5, 1});
  EXPECT_NEAR(depth, 2.8977774788672046, 1e-15);
  EXPECT_NEAR(MarkerDepth(MarkerKind::LineArrow, {3, 15, 5, 100}),
              289.77774788672046, 1e-12);
}

TEST(MarkerDepthTest, WideLineArrowHasNegativeDepth) {
  EXPECT_NEAR(MarkerDepth(MarkerKind::LineArrow, {3, 120, 1, 1}), -1.5, 1e-15);
  EXPECT_NEAR(MarkerDepth(MarkerKind::LineArrow, {3, 120, 1, 10}), -15, 1e-14);
}

TEST(MarkerDepthTest, TinyMarkerScaleStillScalesTheDepth) {
  EXPECT_NEAR(MarkerDepth(MarkerKind::Triangle, {3, 15, 1e-9, 1}), 7.5e-9,
              1e-22);
}

std::pair<double, double> SegmentEnd(const std::string& line) {
  double x1, y1, x2, y2;
  std::istringstream in(line);
  in >> x1 >> y1 >> x2 >> y2;
  return {x2, y2};
}

TEST(PutEndMarkerTest, LineArrowWingsPointAtTheExtensionLine) {
  FreshRun run;
  PutEndMarker(run.Output, MarkerKind::LineArrow, {0, 0}, 180, {3, 15, 1, 1});
  const auto lines = run.Lines();
  ASSERT_EQ(lines.size(), 4u);
  EXPECT_EQ(lines[0], "z3");
  EXPECT_EQ(lines[2], "z3");
  EXPECT_EQ(lines[1].rfind("0 0 ", 0), 0u) << lines[1];
  const auto [x1, y1] = SegmentEnd(lines[1]);
  const auto [x2, y2] = SegmentEnd(lines[3]);
  EXPECT_NEAR(x1, 2.898, 5e-4);
  EXPECT_NEAR(y1, 0.776, 5e-4);
  EXPECT_NEAR(x2, 2.898, 5e-4);
  EXPECT_NEAR(y2, -0.776, 5e-4);
}

TEST(PutEndMarkerTest, ReversedLineArrowPointsInward) {
  FreshRun run;
  PutEndMarker(run.Output, MarkerKind::LineArrow, {0, 0}, 0, {3, 15, 1, 1});
  const auto lines = run.Lines();
  ASSERT_EQ(lines.size(), 4u);
  const auto [x1, y1] = SegmentEnd(lines[1]);
  const auto [x2, y2] = SegmentEnd(lines[3]);
  EXPECT_NEAR(x1, -2.898, 5e-4);
  EXPECT_NEAR(y1, -0.776, 5e-4);
  EXPECT_NEAR(x2, -2.898, 5e-4);
  EXPECT_NEAR(y2, 0.776, 5e-4);
}

TEST(PutEndMarkerTest, LineArrowLengthUsesTheDrawingScale) {
  const EndMarker m =
      MakeEndMarker(MarkerKind::LineArrow, {10, 5}, 180, {3, 15, 7, 100});
  EXPECT_NEAR(std::hypot(m.Wing1.x - 10, m.Wing1.y - 5), 300, 1e-9);
  EXPECT_NEAR(std::hypot(m.Wing2.x - 10, m.Wing2.y - 5), 300, 1e-9);
}

TEST(PutEndMarkerTest, GlyphWritesItsCodeTheBareMarkerScaleAndTheEndAngle) {
  FreshRun run;
  PutEndMarker(run.Output, MarkerKind::SecondTriangle, {100, 20}, 0,
               {3, 15, 2, 100});
  PutEndMarker(run.Output, MarkerKind::Triangle, {0, 20}, 180, {3, 15, 2, 100});
  const std::vector<std::string> expected = {"z3", "pt 100 20 2 0 11", "z3",
                                             "pt 0 20 2 180 1"};
  EXPECT_EQ(run.Lines(), expected);
}

TEST(PutEndMarkerTest, TinyMarkerScaleIsWrittenAsOne) {
  FreshRun run;
  PutEndMarker(run.Output, MarkerKind::FilledSquare, {1, 2}, 90,
               {3, 15, 1e-9, 1});
  const std::vector<std::string> expected = {"z3", "pt 1 2 1 90 5"};
  EXPECT_EQ(run.Lines(), expected);
}

}  // namespace
}  // namespace halvane
