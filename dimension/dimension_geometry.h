// The geometry of one dimension, in drawing units, measured along `angle`
// (the drawing's axis angle for a horizontal dimension); each measured point
// has its own frame turned by minus that angle about the point.
#pragma once

#include <optional>

#include "util/geometry.h"

namespace halvane {

struct Segment {
  Point From;
  Point To;
  bool operator==(const Segment&) const = default;
};

struct DimensionLine {
  Point D1, D2;  // feet of P1 and P2 on the dimension line
  double B1;     // the line's height in P1's frame
  double B2;     // the line's height in P2's frame
  double Length;
  bool operator==(const DimensionLine&) const = default;
};

DimensionLine MakeDimensionLine(Point p1, Point p2, Point p3, double angle);

// The extension line at measured point `p`, whose frame puts the dimension
// line at height `line_height`: from the gap beyond the point to the
// overshoot beyond the line.
Segment MakeExtensionLine(Point p, double line_height, double angle, double gap,
                          double overshoot);

enum class ValueSide { Between, BeyondStart, BeyondEnd };

struct ValuePlacement {
  ValueSide Side = ValueSide::Between;
  double Run = 0;    // how far the line continues under the value
  double Shift = 0;  // moves the value's reference point along the line
};

// Where the value of width `width` lies, from the value point p4 as seen in
// P1's frame. A value point at an end, or up to `tolerance` inside it,
// lies beyond that end.
ValuePlacement PlaceValueAlongLine(Point p1, Point p2, Point p4, double angle,
                                   double width, double tolerance);

bool MarkersReversed(double start_depth, double end_depth, double length,
                     ValueSide side);

// Direction at the end `end` pointing away from `other`, turned by 180 when
// the markers are reversed; 0 up to below 360.
double EndAngle(Point end, Point other, bool reversed);

// The line that continues the dimension line outward beyond a reversed end:
// under the value on the value's side, else by the reverse overshoot.
std::optional<Segment> MakeRunLine(Point end, double end_angle,
                                   bool value_beyond_this_end, double value_run,
                                   double reverse_overshoot);

// `from` plus `length` times the unit vector of `degrees`, worked in extended
// precision.
Point PointAlong(Point from, double length, double degrees);

}  // namespace halvane
