// Plane geometry in degrees (counter-clockwise from the x axis), with the
// intermediate values carried in extended precision.
#pragma once

namespace halvane {

struct Point {
  double x = 0;
  double y = 0;
  bool operator==(const Point&) const = default;
};

double Distance(double x1, double y1, double x2, double y2);
// Direction of (dx, dy) in degrees, 0..360, with noise below 1e-10 removed.
double DirectionDeg(double dx, double dy);
// The same direction in 0 up to below 360.
double NormalizeDeg(double angle);
// Turns (x, y) about (cx, cy) by `angle` degrees.
void RotatePoint(double x, double y, double cx, double cy, double angle,
                 double& rx, double& ry);
// Convenience form of RotatePoint on points.
Point RotatePoint(Point p, Point centre, double angle);

}  // namespace halvane
