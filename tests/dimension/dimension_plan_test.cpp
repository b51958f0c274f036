#include "dimension/dimension_plan.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <random>
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

// Each of the 16 groups has its own scale; a group number beyond them wraps
// like its last hex digit.
TEST(DrawingScaleTest, TheScaleOfTheHostsGroup) {
  ExchangeData data{};
  for (int group = 0; group < 16; ++group) data.GroupScale[group] = 10 + group;
  for (int group = 0; group < 16; ++group) {
    data.HostGroup = group;
    EXPECT_EQ(DrawingScale(data), 10 + group) << group;
  }
  for (const auto& [group, scale] : {std::pair{16, 10}, std::pair{31, 25},
                                     std::pair{-1, 25}, std::pair{-16, 10}}) {
    data.HostGroup = group;
    EXPECT_EQ(DrawingScale(data), scale) << group;
  }
}

TEST_F(PlanTest, SitePlanPointsAboveEachOtherAtHalfTurnAreRefused) {
  const DimensionPoints points{{-657098.802, -490617.332},
                               {-657098.802, -370420.555},
                               {484528.057, -944923.838},
                               {-657098.802, 93157.51}};
  EXPECT_FALSE(Plan(points, 180));
}

TEST_F(PlanTest, LengthOfExactlyTheToleranceIsDrawn) {
  const double below = std::nextafter(1e-10, 0.0);
  EXPECT_TRUE(Plan({{0, 0}, {1e-10, 5}, {0, 10}, {0, 20}}, 0));
  EXPECT_FALSE(Plan({{0, 0}, {below, 5}, {0, 10}, {0, 20}}, 0));
}

// Each cause of a refusal is named, the first one found when there are more.
struct RefusalCase {
  const char* name;
  DimensionPoints points;
  std::function<void(DimensionOptions&, ExchangeData&)> change;
  PlanRefusal expected;
};

void PrintTo(const RefusalCase& c, std::ostream* out) { *out << c.name; }

class RefusalCauseTest : public PlanTest,
                         public testing::WithParamInterface<RefusalCase> {};

TEST_P(RefusalCauseTest, NamesTheCause) {
  const RefusalCase& c = GetParam();
  SetUpHost(data_, 0);
  DimensionOptions options;
  if (c.change) c.change(options, data_);
  PlanRefusal refusal = PlanRefusal::ZeroLength;
  EXPECT_FALSE(PlanDimension(c.points, options, data_, &refusal));
  EXPECT_EQ(refusal, c.expected);
  // Without a place for the cause the plan is refused all the same.
  EXPECT_FALSE(PlanDimension(c.points, options, data_));
}

constexpr DimensionPoints kPlain{{0, 0}, {100, 0}, {50, 20}, {50, 30}};
const auto kNoChange = [](DimensionOptions&, ExchangeData&) {};

INSTANTIATE_TEST_SUITE_P(
    EveryCause, RefusalCauseTest,
    testing::Values(
        RefusalCase{"ZeroLength",
                    {{5, 0}, {5, 80}, {40, 20}, {50, 30}},
                    kNoChange,
                    PlanRefusal::ZeroLength},
        RefusalCase{"PointBeyondTheLargest",
                    {{0, 0}, {100, 0}, {50, 20}, {-1.5e308, 30}},
                    kNoChange,
                    PlanRefusal::CoordinateTooLarge},
        RefusalCase{"PointBeforeZeroLength",
                    {{0, 0}, {0, 1}, {50, 20}, {50, 1.7e308}},
                    kNoChange,
                    PlanRefusal::CoordinateTooLarge},
        RefusalCase{"LengthBeyondTheLargest",
                    {{-9e307, 0}, {9e307, 0}, {0, 5}, {0, 0}},
                    kNoChange,
                    PlanRefusal::CoordinateTooLarge},
        RefusalCase{"TextTypeOfHugeWidth", kPlain,
                    [](DimensionOptions& o, ExchangeData& d) {
                      o.TextTypeChoice = 2;
                      d.TextTypes[1].W = 1e308;
                    },
                    PlanRefusal::TextSizeTooLarge},
        RefusalCase{
            "HostsFreeSizeBeyondTheLargest", kPlain,
            [](DimensionOptions&, ExchangeData& d) { d.HostFreeD = 1.5e308; },
            PlanRefusal::TextSizeTooLarge},
        RefusalCase{"ValueOf256Bytes", kPlain,
                    [](DimensionOptions& o, ExchangeData&) {
                      o.Prefix.assign(253, 'x');
                    },
                    PlanRefusal::ValueTooLong},
        RefusalCase{"GapAtAHugeScale", kPlain,
                    [](DimensionOptions& o, ExchangeData& d) {
                      d.GroupScale.fill(1e300);
                      o.ExtensionGap = 1e10;
                    },
                    PlanRefusal::DistanceTooLarge},
        RefusalCase{"ValueDistance", kPlain,
                    [](DimensionOptions& o, ExchangeData&) {
                      o.ValueDistance = -1.1e308;
                    },
                    PlanRefusal::DistanceTooLarge},
        RefusalCase{"GlyphOfAHugeScale", kPlain,
                    [](DimensionOptions& o, ExchangeData&) {
                      o.EndKind = MarkerKind::Circle;
                      o.MarkerScale = 1.01e308;
                    },
                    PlanRefusal::MarkerTooLarge},
        RefusalCase{"ArrowAtAHugeScale", kPlain,
                    [](DimensionOptions& o, ExchangeData& d) {
                      d.GroupScale.fill(1e306);
                      o.ArrowLength = 1000;
                      o.ExtensionGap = o.ExtensionOvershoot = 0;
                      o.ReverseOvershoot = o.ValueDistance = 0;
                    },
                    PlanRefusal::MarkerTooLarge},
        // A value beyond the end, shifted along the line and lifted across
        // it at a slant: each part is written, their sum is not.
        RefusalCase{"ValueShiftedAndLiftedAtAnAngle",
                    {{0, 0}, {100, 0}, {50, 20}, {200, 200}},
                    [](DimensionOptions& o, ExchangeData& d) {
                      d.DrawingAngle = 135;
                      o.TextTypeChoice = 2;
                      d.TextTypes[1].W = 3e307;
                      o.ValueDistance = 1e308;
                    },
                    PlanRefusal::CoordinateTooLarge}),
    [](const auto& info) { return std::string(info.param.name); });

// At any finite axis angle a vertical dimension runs at right angles to the
// horizontal one: its value reads a quarter turn on.
TEST_F(PlanTest, VerticalIsAtRightAnglesAtAnyAxisAngle) {
  const DimensionPoints points{{0, 0}, {70, 40}, {30, 90}, {20, 95}};
  for (const double angle : {1e17, 1e19, 1e300, -1e300, 1.7e308, -1e17,
                             9007199254740993.0, 123456789.123, 3600.5}) {
    DimensionOptions options;
    options.Direction = DimensionDirection::Horizontal;
    const auto horizontal = Plan(points, angle, options);
    options.Direction = DimensionDirection::Vertical;
    const auto vertical = Plan(points, angle, options);
    ASSERT_TRUE(horizontal && vertical) << angle;
    const Point h = horizontal->Label.Direction;
    const Point v = vertical->Label.Direction;
    // Upright text may turn the vertical value by a half turn.
    EXPECT_NEAR(h.x * v.x + h.y * v.y, 0, 1e-9) << angle;
    EXPECT_NEAR(std::fabs(h.x * v.y - h.y * v.x), 100, 1e-9) << angle;
  }
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

constexpr DimensionDirection kDirections[] = {DimensionDirection::Horizontal,
                                              DimensionDirection::Vertical,
                                              DimensionDirection::Aligned};

struct DirectionCase {
  DimensionDirection direction;
  double size;
  double angle;  // the axis angle; for an aligned one, the way from P1 to P2
};

void PrintTo(const DirectionCase& c, std::ostream* out) {
  *out << "direction " << static_cast<int>(c.direction) << " size " << c.size
       << " angle " << c.angle;
}

std::vector<DirectionCase> AllCases() {
  std::vector<DirectionCase> cases;
  for (DimensionDirection direction : kDirections) {
    for (double size : kSizes) {
      for (double angle : kAngles) cases.push_back({direction, size, angle});
    }
  }
  return cases;
}

class AnySizeAndAngleTest : public PlanTest,
                            public testing::WithParamInterface<DirectionCase> {
 protected:
  const Point p1_ = At(GetParam().size, -0.657098802, -0.490617332);
  const Point p3_ = At(GetParam().size, 0.484528057, -0.944923838);

  // The way the dimension runs on the sheet, and the way across it.
  static double Along() {
    const auto [direction, size, angle] = GetParam();
    return direction == DimensionDirection::Vertical ? angle + 90 : angle;
  }
  static double Across() { return Along() + 90; }

  // The second measured point `along` from the first as measured, and
  // `across` from it, unless the dimension is aligned.
  Point SecondPoint(double along, double across) const {
    if (GetParam().direction == DimensionDirection::Aligned) across = 0;
    return PointAlong(PointAlong(p1_, along, Along()), across, Across());
  }

  std::optional<DimensionPlan> Plan(const DimensionPoints& points,
                                    DimensionOptions options = {}) {
    options.Direction = GetParam().direction;
    return PlanTest::Plan(points, GetParam().angle, options);
  }
};

TEST_P(AnySizeAndAngleTest, MeasuredPointsLevelAlongTheLineAreRefused) {
  const auto [direction, size, angle] = GetParam();
  // Straight across the dimension, or for an aligned one at the same place
  // give or take less than the tolerance.
  const double across[] = {0.120196777 * size, -0.9 * size, 1e-3 * size};
  const double along[] = {0, 0.4e-13 * size, -0.4e-13 * size};
  for (int i = 0; i < 3; ++i) {
    const Point p2 = direction == DimensionDirection::Aligned
                         ? SecondPoint(along[i], 0)
                         : SecondPoint(0, across[i]);
    const DimensionPoints points{p1_, p2, p3_,
                                 At(size, -0.657098802, 0.09315751)};
    EXPECT_FALSE(Plan(points)) << Describe(points, angle);
  }
}

TEST_P(AnySizeAndAngleTest, ValuePointSnappedOntoAnEndLiesBeyondIt) {
  const auto [direction, size, angle] = GetParam();
  // P2 ahead of P1 or behind it.
  for (const double along : {0.31 * size, -0.31 * size}) {
    const Point p2 = SecondPoint(along, 0.12 * size);
    for (const double height : {0.0, 0.43, -0.2}) {
      for (const auto& [end, side] : {std::pair{p1_, ValueSide::BeyondStart},
                                      std::pair{p2, ValueSide::BeyondEnd}}) {
        // On the extension line of that end, at any height.
        const DimensionPoints points{p1_, p2, p3_,
                                     PointAlong(end, height * size, Across())};
        const auto plan = Plan(points, NoOvershoot());
        ASSERT_TRUE(plan) << Describe(points, angle);
        EXPECT_EQ(SideOf(*plan), side) << Describe(points, angle);
      }
    }
  }
}

TEST_P(AnySizeAndAngleTest, ThousandthOfAUnitIsDrawn) {
  const auto [direction, size, angle] = GetParam();
  const DimensionPoints points{p1_, SecondPoint(1e-3, 0.12 * size), p3_,
                               At(size, -0.657098802, 0.0931)};
  const auto plan = Plan(points);
  ASSERT_TRUE(plan) << Describe(points, angle);
  EXPECT_EQ(plan->Label.Text, "0.001") << Describe(points, angle);
}

INSTANTIATE_TEST_SUITE_P(Table, AnySizeAndAngleTest,
                         testing::ValuesIn(AllCases()));

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
  for (const double angle : {0.0, 90.0, 180.0, 270.0, 33.3}) {
    // `along` the dimension line and `across` it from the base point.
    const auto near = [&](double along, double across) {
      return PointAlong(PointAlong(c.base, along, angle), across, angle + 90);
    };
    for (const double first : {-50.0, 50.0}) {
      const std::pair<double, ValueSide> ends[] = {
          {first, ValueSide::BeyondStart}, {-first, ValueSide::BeyondEnd}};
      for (const auto& [end, side] : ends) {
        const double outward = end < 0 ? -1 : 1;
        const std::pair<double, ValueSide> offsets[] = {
            {1e-10, side},
            {0, side},
            {-tol / 2, side},
            {-tol * 2, ValueSide::Between}};
        for (const auto& [offset, expected] : offsets) {
          const DimensionPoints points{near(first, 0), near(-first, 0),
                                       near(0, 20),
                                       near(end + outward * offset, 9)};
          const auto plan = Plan(points, angle, NoOvershoot());
          ASSERT_TRUE(plan);
          EXPECT_EQ(SideOf(*plan), expected)
              << Describe(points, angle) << " offset " << offset;
        }
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

// Repeatable inputs of every kind: coordinates from 1 to 1e9, P2 on P1, level
// with it or anywhere, axis angles from the table or anywhere, markers and
// value options of every kind.
class InputGenerator {
 public:
  DimensionPoints Points() {
    const double size = std::pow(10.0, Uniform(0, 9));
    const auto any = [&] {
      return Point{Uniform(-size, size), Uniform(-size, size)};
    };
    const Point p1 = any();
    Point p2 = any();
    switch (Pick(4)) {
      case 0:
        p2 = p1;
        break;
      case 1:
        p2.x = p1.x;
        break;
      case 2:
        p2.y = p1.y;
        break;
    }
    return {p1, p2, any(), Pick(8) == 0 ? p1 : any()};
  }

  double Angle() {
    return Pick(2) == 0 ? kAngles[Pick(std::size(kAngles))]
                        : Uniform(-720, 720);
  }

  DimensionOptions Options() {
    DimensionOptions options;
    options.StartKind = static_cast<MarkerKind>(Pick(12));
    options.EndKind = static_cast<MarkerKind>(Pick(12));
    options.MarkerScale = Uniform(0.1, 1e4);
    options.Decimals = Pick(9);
    options.ReverseOvershoot = Pick(2) * 2.0;
    options.AsFigure = Pick(2) == 0;
    return options;
  }

 private:
  double Uniform(double low, double high) {
    return std::uniform_real_distribution<double>(low, high)(random_);
  }
  int Pick(std::size_t count) { return static_cast<int>(random_() % count); }

  std::mt19937_64 random_{20261209};
};

// A vertical dimension is the horizontal one a quarter turn on; an aligned one
// the horizontal one along P1 to P2: every field of the plan is the same.
TEST_F(PlanTest, OtherDirectionsAreTheHorizontalOneTurned) {
  InputGenerator generate;
  int drawn = 0;
  constexpr int kCases = 3000;
  for (int i = 0; i < kCases; ++i) {
    const DimensionPoints points = generate.Points();
    const double angle = generate.Angle();
    DimensionOptions options = generate.Options();
    // The plan in `direction` at the host's angle, against the horizontal
    // one at `horizontal_angle`.
    const auto same_as_horizontal = [&](DimensionDirection direction,
                                        double horizontal_angle) {
      options.Direction = DimensionDirection::Horizontal;
      const auto horizontal = Plan(points, horizontal_angle, options);
      options.Direction = direction;
      const auto turned = Plan(points, angle, options);
      EXPECT_EQ(turned.has_value(), horizontal.has_value())
          << Describe(points, angle);
      if (turned && horizontal) {
        EXPECT_TRUE(*turned == *horizontal) << Describe(points, angle);
      }
      drawn += turned.has_value();
    };
    same_as_horizontal(DimensionDirection::Vertical,
                       std::fmod(angle, 360.0) + 90);
    same_as_horizontal(
        DimensionDirection::Aligned,
        DirectionDeg(points.P2.x - points.P1.x, points.P2.y - points.P1.y));
  }
  // Both outcomes occur often.
  EXPECT_GT(drawn, kCases);
  EXPECT_LT(drawn, 2 * kCases * 9 / 10);
}

TEST_F(PlanTest, AlignedValueReadsUprightWhicheverWayItRuns) {
  DimensionOptions options;
  options.Direction = DimensionDirection::Aligned;
  for (const double way : {90.0, 90.5, 100.0, 135.0, 179.9, 180.0, 200.0, 269.9,
                           270.0, 300.0, 0.0, 45.0}) {
    const Point p1{120, -35};
    const Point p2 = PointAlong(p1, 250, way);
    const DimensionPoints points{p1, p2, PointAlong(p1, 40, way + 90),
                                 PointAlong(p1, 125, way)};
    for (double axis : {0.0, 90.0, 217.0}) {
      const auto plan = Plan(points, axis, options);
      ASSERT_TRUE(plan) << way;
      const Point d = plan->Label.Direction;
      // Rightward, or straight up give or take the text angle's 1e-8 degrees.
      EXPECT_TRUE(d.x > 0 || (d.y > 0 && std::fabs(d.x) < 2e-9))
          << way << ": (" << d.x << ", " << d.y << ")";
      EXPECT_NEAR(std::hypot(d.x, d.y), 10, 1e-12) << way;
    }
  }
}

}  // namespace
}  // namespace halvane
