#include "dimension/dimension_geometry.h"

#include <cmath>

namespace halvane {

namespace {

// A reverse overshoot up to this counts as none: a distance typed by the
// user, not a comparison of coordinates.
constexpr double kLeastReverseOvershoot = 1e-10;
constexpr long double kPi = 3.1415926535897932385L;

Point IntoFrame(Point q, Point origin, double angle) {
  return RotatePoint(q, origin, -angle);
}

Point OutOfFrame(Point q, Point origin, double angle) {
  return RotatePoint(q, origin, angle);
}

}  // namespace

DimensionLine MakeDimensionLine(Point p1, Point p2, Point p3, double angle) {
  const double b1 = IntoFrame(p3, p1, angle).y;
  const double b2 = IntoFrame(p3, p2, angle).y;
  const Point d1 = OutOfFrame({p1.x, b1}, p1, angle);
  const Point d2 = OutOfFrame({p2.x, b2}, p2, angle);
  return {d1, d2, b1, b2, Distance(d1.x, d1.y, d2.x, d2.y)};
}

Segment MakeExtensionLine(Point p, double line_height, double angle, double gap,
                          double overshoot) {
  // A line level with the point counts as above it.
  const double s = line_height >= p.y ? 1 : -1;
  return {OutOfFrame({p.x, p.y + s * gap}, p, angle),
          OutOfFrame({p.x, line_height + s * overshoot}, p, angle)};
}

ValuePlacement PlaceValueAlongLine(Point p1, Point p2, Point p4, double angle,
                                   double width, double tolerance) {
  const double x1 = p1.x;
  const double x2 = IntoFrame(p2, p1, angle).x;
  const double x4 = IntoFrame(p4, p1, angle).x;
  ValuePlacement placement;
  if (x1 < x2) {
    if (x4 <= x1 + tolerance) {
      placement = {ValueSide::BeyondStart, (x1 - x4) + width, -width / 2};
    }
    if (x4 >= x2 - tolerance) {
      placement = {ValueSide::BeyondEnd, (x4 - x2) + width, width / 2};
    }
  } else {
    if (x4 >= x1 - tolerance) {
      placement = {ValueSide::BeyondStart, (x4 - x1) + width, width / 2};
    }
    if (x4 <= x2 + tolerance) {
      placement = {ValueSide::BeyondEnd, (x2 - x4) + width, -width / 2};
    }
  }
  return placement;
}

bool MarkersReversed(double start_depth, double end_depth, double length,
                     ValueSide side) {
  return start_depth + end_depth > length || side != ValueSide::Between;
}

double EndAngle(Point end, Point other, bool reversed) {
  double angle = DirectionDeg(end.x - other.x, end.y - other.y);
  if (reversed) angle += 180;
  if (angle >= 360) angle -= 360;
  return angle;
}

std::optional<Segment> MakeRunLine(Point end, double end_angle,
                                   bool value_beyond_this_end, double value_run,
                                   double reverse_overshoot) {
  double length;
  if (value_beyond_this_end) {
    length = value_run;
  } else if (reverse_overshoot > kLeastReverseOvershoot) {
    length = reverse_overshoot;
  } else {
    return std::nullopt;
  }
  return Segment{end, PointAlong(end, length, end_angle + 180)};
}

Point PointAlong(Point from, double length, double degrees) {
  // Reduced in degrees to within 45 of a quarter turn first: quarter turns
  // then give exact values, and every platform's cosl agrees on the rest.
  long double d = std::fmod(static_cast<long double>(degrees), 360.0L);
  if (d < 0) d += 360;
  const int quarter = static_cast<int>(std::floor((d + 45) / 90));
  const long double t = (d - quarter * 90) / 180 * kPi;
  const long double c = std::cos(t);
  const long double s = std::sin(t);
  long double dx = c, dy = s;
  switch (quarter % 4) {
    case 1:
      dx = -s, dy = c;
      break;
    case 2:
      dx = -c, dy = -s;
      break;
    case 3:
      dx = s, dy = -c;
      break;
  }
  return {static_cast<double>(from.x + length * dx),
          static_cast<double>(from.y + length * dy)};
}

}  // namespace halvane
