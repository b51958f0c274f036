#include "util/geometry.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "util/geometry_internal.h"
#include "util/numbers.h"

namespace halvane {
namespace {

struct VectorCase {
  double dx;
  double dy;
  double expected;
};

TEST(Distance, IsTheSameInBothDirections) {
  EXPECT_EQ(Distance(0, 0, 3, 4), 5.0);
  EXPECT_EQ(Distance(3, 4, 0, 0), 5.0);
  EXPECT_EQ(Distance(-2, 7, -2, 7), 0.0);
}

// The squares are carried in extended precision, whose range holds them.
TEST(Distance, SquaresDoNotOverflowOrVanish) {
  EXPECT_EQ(Distance(1e200, 1e200, -1e200, -1e200), 0x1.d8f9811335b57p+665);
  EXPECT_EQ(Distance(1e-200, 0, 0, 0), 1e-200);
}

TEST(DirectionRad, GivesTheAngleFromZeroToAFullTurn) {
  const VectorCase cases[] = {
      {0, 0, 0},
      {1e-11, -1e-11, 0},
      {9.9e-11, -9.9e-11, 0},
      // The double nearest 1e-10 lies above the extended tolerance.
      {-1e-10, 0, 0x1.921fb54442d18p+1},
      {1, 0, 0},
      {0, 1, 0x1.921fb54442d18p+0},
      {-1, 0, 0x1.921fb54442d18p+1},
      {0, -1, 0x1.2d97c7f3321d2p+2},
      // A hair below the x axis: r + 2pi is stored as 2pi itself.
      {1, -1e-17, 0x1.921fb54442d18p+2},
  };
  for (const VectorCase& c : cases) {
    EXPECT_EQ(DirectionRad(c.dx, c.dy), c.expected) << c.dx << ", " << c.dy;
  }
  EXPECT_EQ(FormatGeneral(DirectionRad(0, -1)), "4.71238898038469");
}

TEST(DirectionDeg, GivesWholeDegreesWithoutNoise) {
  const VectorCase cases[] = {
      {1, 0, 0},        {1, 1, 45},   {0, 1, 90},   {-1, 0, 180},
      {-1, -1, 225},    {0, -1, 270}, {1, -1, 315}, {0, 0, 0},
      {1, -1e-17, 360},  // within 5e-11 degrees below the axis
      {1, -1e-13, 360},
  };
  for (const VectorCase& c : cases) {
    EXPECT_EQ(DirectionDeg(c.dx, c.dy), c.expected) << c.dx << ", " << c.dy;
  }
  EXPECT_EQ(FormatGeneral(DirectionDeg(3, 4)), "53.1301023542");
}

TEST(NormalizeDeg, BringsAnglesIntoOneTurn) {
  const struct {
    double angle;
    double expected;
  } cases[] = {
      {0, 0},
      {-90, 270},
      {725, 5},
      {-725, 355},
      {720.5, 0.5},
      {360, 0},
      {-360, 0},
      {359.99999999995, 0},
      {-0.00000000005, 0},
      {359.9999999998, 359.9999999998},
      // The double nearest 1e-10 is just above the extended tolerance.
      {1e-10, 1e-10},
      {-1e-10, 0x1.67ffffffff921p+8},
      // Exact remainders where b - trunc(b / 360) * 360 would be off.
      {1e20, 280},
      {-1e20, 80},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(NormalizeDeg(c.angle), c.expected) << c.angle;
  }
}

TEST(NormalizeDeg, NeverGivesNegativeZero) {
  for (double angle : {-0.0, -0.00000000005, -360.0, -720.0}) {
    EXPECT_FALSE(std::signbit(NormalizeDeg(angle))) << angle;
  }
}

struct TurnCase {
  double x, y, cx, cy, degrees;
  double rx, ry;
};

TEST(RotatePoint, TurnsCounterClockwiseAboutTheCentre) {
  const TurnCase cases[] = {
      {10, 0, 0, 0, 90, 0x1.60fafbfd97309p-51, 10},
      {2, 1, 1, 1, 180, 0, 0x1.0000000000001p+0},
      {3, 2, 1, 1, 90, 0x1.1a8p-53, 3},
      {1, 0, 0, 0, -90, 0x1.1a62633145c07p-54, -1},
      {5, 0, 0, 0, 1e6, 0x1.bc8a11d8f7fd4p-1, -0x1.3b23737d0aadfp+2},
      {123.5, -40.25, 7, 3, 33, 0x1.00858242904e7p+7, 0x1.e2d8dd65a04f7p+4},
      {4, 5, 4, 5, 57, 4, 5},
  };
  for (const TurnCase& c : cases) {
    double rx = 0;
    double ry = 0;
    RotatePoint(c.x, c.y, c.cx, c.cy, c.degrees, rx, ry);
    EXPECT_EQ(rx, c.rx) << c.degrees;
    EXPECT_EQ(ry, c.ry) << c.degrees;
    // A default Point is the origin.
    const Point centre = c.cx == 0 && c.cy == 0 ? Point{} : Point{c.cx, c.cy};
    const Point turned = RotatePoint({c.x, c.y}, centre, c.degrees);
    EXPECT_EQ(turned.x, c.rx);
    EXPECT_EQ(turned.y, c.ry);
  }
}

TEST(RotatePoint, LeavesTheNoiseOfAQuarterTurn) {
  double rx = 0;
  double ry = 0;
  RotatePoint(10, 0, 0, 0, 90, rx, ry);
  EXPECT_EQ(FormatGeneral(rx), "6.12323399573677E-16");
  EXPECT_EQ(FormatGeneral(ry), "10");
  RotatePoint(2, 1, 1, 1, 180, rx, ry);
  EXPECT_EQ(FormatGeneral(rx), "0");
  EXPECT_EQ(FormatGeneral(ry), "1");
}

TEST(RotatePointRad, TakesTheAngleInRadians) {
  double rx = 0;
  double ry = 0;
  RotatePointRad(10, 0, 0, 0, 0x1.921fb54442d18p+0, rx, ry);
  EXPECT_EQ(rx, 0x1.60fafbfd97309p-51);
  EXPECT_EQ(ry, 10);
  RotatePointRad(0, 3, 0, 0, -0x1.921fb54442d18p+0, rx, ry);
  EXPECT_EQ(rx, 3);
  EXPECT_EQ(FormatGeneral(ry), "1.83697019872103E-16");
}

}  // namespace
}  // namespace halvane
