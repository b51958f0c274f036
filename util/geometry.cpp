#include "util/geometry.h"

#include <cmath>

#include "util/extended_trig.h"
#include "util/geometry_internal.h"
#include "util/numbers.h"

namespace halvane {
namespace {

constexpr long double kPi = 3.1415926535897932385L;
constexpr long double kTwoPi = 6.283185307179586477L;
constexpr long double kTolerance = 1e-10L;

}  // namespace

double Distance(double x1, double y1, double x2, double y2) {
  const long double dx = static_cast<long double>(x2) - x1;
  const long double dy = static_cast<long double>(y2) - y1;
  return static_cast<double>(std::sqrt(dx * dx + dy * dy));
}

double DirectionRad(double dx, double dy) {
  if (std::fabs(dx) < kTolerance && std::fabs(dy) < kTolerance) return 0;
  double r = static_cast<double>(
      std::atan2(static_cast<long double>(dy), static_cast<long double>(dx)));
  if (r < 0) r = static_cast<double>(r + kTwoPi);
  return r;
}

double DirectionDeg(double dx, double dy) {
  const auto degrees = static_cast<double>(DirectionRad(dx, dy) * 180.0L / kPi);
  return RoundOffNoise(degrees);
}

double NormalizeDeg(double angle) {
  double b = std::fabs(angle);
  // fmod is exact; b - trunc(b / 360) * 360 gives the same below 2^53 and
  // garbage above it.
  if (b >= 360) b = std::fmod(b, 360.0);
  if (std::fabs(b) <= kTolerance) b = 0;
  if (std::fabs(b - 360.0L) <= kTolerance) b = 0;
  if (angle < 0) b = -b;
  if (b < 0) b = static_cast<double>(b + 360.0L);
  if (b >= 360) b = static_cast<double>(b - 360.0L);
  return b == 0 ? 0.0 : b;  // no negative zero
}

void RotatePointRad(double x, double y, double cx, double cy, double angle,
                    double& rx, double& ry) {
  long double sine = 0;
  long double cosine = 0;
  SinCosExtended(angle, sine, cosine);
  const long double dx = static_cast<long double>(x) - cx;
  const long double dy = static_cast<long double>(y) - cy;
  rx = static_cast<double>((cx + cosine * dx) - sine * dy);
  ry = static_cast<double>((cy + sine * dx) + cosine * dy);
}

void RotatePoint(double x, double y, double cx, double cy, double angle,
                 double& rx, double& ry) {
  const auto radians = static_cast<double>(angle / 180.0L * kPi);
  RotatePointRad(x, y, cx, cy, radians, rx, ry);
}

Point RotatePoint(Point p, Point centre, double angle) {
  Point turned;
  RotatePoint(p.x, p.y, centre.x, centre.y, angle, turned.x, turned.y);
  return turned;
}

}  // namespace halvane
