// The radian steps behind the degree functions, for geometry.cpp and its
// tests.
#pragma once

namespace halvane {

// Direction of (dx, dy) in radians, 0..2pi; 0 for a vector shorter than 1e-10.
double DirectionRad(double dx, double dy);
// Turns (x, y) about (cx, cy) by `angle` radians.
void RotatePointRad(double x, double y, double cx, double cy, double angle,
                    double& rx, double& ry);

}  // namespace halvane
