#include "dimension/dimension_plan.h"

#include <gtest/gtest.h>

#include <sstream>

namespace halvane {
namespace {

// Text type 1 of 3 mm, scale 1, the given axis angle.
void SetUpHost(ExchangeData& data, double angle) {
  data.DrawingAngle = angle;
  data.GroupScale.fill(1);
  data.TextTypes.fill({3, 3, 0, 2});
  data.HostTextType = 1;
}

// No reverse overshoot: a run line then appears only under a value beyond
// its end, as long as the markers fit between the ends.
DimensionOptions NoOvershoot() {
  DimensionOptions options;
  options.ReverseOvershoot = 0;
  return options;
}

ValueSide SideOf(const DimensionPlan& plan) {
  EXPECT_FALSE(plan.Run1 && plan.Run2);
  if (plan.Run1) return ValueSide::BeyondStart;
  if (plan.Run2) return ValueSide::BeyondEnd;
  return ValueSide::Between;
}

std::string Describe(const DimensionPoints& p, double angle) {
  std::ostringstream out;
  out.precision(17);
  out << "P1 (" << p.P1.x << ", " << p.P1.y << ") P2 (" << p.P2.x << ", "
      << p.P2.y << ") P3 (" << p.P3.x << ", " << p.P3.y << ") P4 (" << p.P4.x
      << ", " << p.P4.y << ") angle " << angle;
  return out.str();
}

class PlanTest : public testing::Test {
 protected:
  std::optional<DimensionPlan> Plan(const DimensionPoints& points, double angle,
                                    const DimensionOptions& options = {}) {
    SetUpHost(data_, angle);
    return PlanDimension(points, options, data_);
  }

  ExchangeData data_{};
};

TEST_F(PlanTest, SitePlanPointsAboveEachOtherAtHalfTurnAreRefused) {
  const DimensionPoints points{{-657098.802, -490617.332},
                               {-657098.802, -370420.555},
                               {484528.057, -944923.838},
                               {-657098.802, 93157.51}};
  EXPECT_FALSE(Plan(points, 180));
}

// Coordinates of every size the host may hand over, and axis angles whose
// turns leave noise (quarter and half turns in radians are not exact).
constexpr double kSizes[] = {1e3, 1e4, 1e5, 1e6, 1e7, 1e8, 1e9};
constexpr double kAngles[] = {
    0,     90,  180,           270,          1e-11, -90,
    30.25, 135, 225.123456789, 359.99999999, 450,   89.999999999};

// Points spread over the square of half side `size`, as on a site plan far
// from the origin.
Point At(double size, double fx, double fy) { return {size * fx, size * fy}; }

struct SizeAndAngle {
  double size;
  double angle;
};

void PrintTo(const SizeAndAngle& c, std::ostream* out) {
  *out << "size " << c.size << " angle " << c.angle;
}

class AnySizeAndAngleTest : public PlanTest,
                            public testing::WithParamInterface<SizeAndAngle> {};

TEST_P(AnySizeAndAngleTest, MeasuredPointsLevelAlongTheLineAreRefused) {
  const auto [size, angle] = GetParam();
  const Point p1 = At(size, -0.657098802, -0.490617332);
  for (const double apart : {0.120196777, -0.9, 1e-3}) {
    // The second point straight across the dimension direction from the first.
    const DimensionPoints points{p1, PointAlong(p1, apart * size, angle + 90),
                                 At(size, 0.484528057, -0.944923838),
                                 At(size, -0.657098802, 0.09315751)};
    EXPECT_FALSE(Plan(points, angle)) << Describe(points, angle);
  }
}

TEST_P(AnySizeAndAngleTest, ValuePointSnappedOntoAnEndLiesBeyondIt) {
  const auto [size, angle] = GetParam();
  const Point p1 = At(size, -0.657098802, -0.490617332);
  const Point p2 =
      PointAlong(PointAlong(p1, 0.31 * size, angle), 0.12 * size, angle + 90);
  const Point p3 = At(size, 0.484528057, -0.944923838);
  for (const double across : {0.0, 0.43, -0.2}) {
    for (const auto& [end, side] : {std::pair{p1, ValueSide::BeyondStart},
                                    std::pair{p2, ValueSide::BeyondEnd}}) {
      // On the extension line of that end, at any height.
      const DimensionPoints points{p1, p2, p3,
                                   PointAlong(end, across * size, angle + 90)};
      const auto plan = Plan(points, angle, NoOvershoot());
      ASSERT_TRUE(plan) << Describe(points, angle);
      EXPECT_EQ(SideOf(*plan), side) << Describe(points, angle);
    }
  }
}

std::vector<SizeAndAngle> AllSizesAndAngles() {
  std::vector<SizeAndAngle> cases;
  for (double size : kSizes) {
    for (double angle : kAngles) cases.push_back({size, angle});
  }
  return cases;
}

INSTANTIATE_TEST_SUITE_P(Table, AnySizeAndAngleTest,
                         testing::ValuesIn(AllSizesAndAngles()));

TEST_F(PlanTest, ThousandthOfAUnitFarFromTheOriginIsDrawn) {
  for (double angle : kAngles) {
    const Point p1 = At(1e6, -0.657098802, -0.490617332);
    const DimensionPoints points{
        p1, PointAlong(PointAlong(p1, 1e-3, angle), 0.12e6, angle + 90),
        At(1e6, 0.484528057, -0.944923838), At(1e6, -0.657098802, 0.0931)};
    const auto plan = Plan(points, angle);
    ASSERT_TRUE(plan) << Describe(points, angle);
    EXPECT_EQ(plan->Label.Text, "0.001") << Describe(points, angle);
  }
}

// The value point right at the boundary of the value-side test: at an end,
// 1e-10 beyond it, or inside it by half or by twice the tolerance. Near the
// origin the tolerance is 1e-10; with a coordinate of 1e6 it is 1e-7.
struct BoundaryCase {
  const char* name;
  Point base;  // the points lie around it
  double tolerance;
};

void PrintTo(const BoundaryCase& c, std::ostream* out) { *out << c.name; }

class ValueSideBoundaryTest : public PlanTest,
                              public testing::WithParamInterface<BoundaryCase> {
};

TEST_P(ValueSideBoundaryTest, BeyondUpToTheToleranceInside) {
  const BoundaryCase c = GetParam();
  const double tol = c.tolerance;
  const auto near = [&](double x, double y) {
    return Point{c.base.x + x, c.base.y + y};
  };
  for (const double first : {-50.0, 50.0}) {
    const Point p1 = near(first, 0);
    const Point p2 = near(-first, 0);
    for (const auto& [end, side] : {std::pair{p1, ValueSide::BeyondStart},
                                    std::pair{p2, ValueSide::BeyondEnd}}) {
      const double outward = end.x < c.base.x ? -1 : 1;
      const std::pair<double, ValueSide> offsets[] = {
          {1e-10, side},
          {0, side},
          {-tol / 2, side},
          {-tol * 2, ValueSide::Between}};
      for (const auto& [offset, expected] : offsets) {
        const DimensionPoints points{
            p1, p2, near(0, 20), {end.x + outward * offset, c.base.y + 9}};
        const auto plan = Plan(points, 0, NoOvershoot());
        ASSERT_TRUE(plan);
        EXPECT_EQ(SideOf(*plan), expected)
            << Describe(points, 0) << " offset " << offset;
      }
    }
  }
}

INSTANTIATE_TEST_SUITE_P(
    SmallAndLarge, ValueSideBoundaryTest,
    testing::Values(BoundaryCase{"NearTheOrigin", {0, 0}, 1e-10},
                    BoundaryCase{"Hundreds", {-700, 300}, 1e-10},
                    BoundaryCase{"Millions", {3e5, -1e6}, 1e-7}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace halvane
