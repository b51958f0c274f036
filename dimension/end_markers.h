// The markers at the two ends of the dimension line: line arrows drawn as two
// wings, or glyphs that the host draws from a point code.
#pragma once

#include "dimension/dimension_options.h"
#include "util/geometry.h"

namespace halvane {

// Always given whole.
struct MarkerStyle {
  double ArrowLength;  // paper mm
  double ArrowAngle;   // degrees
  double MarkerScale;  // glyphs only
  double DrawingScale;
};

// What one end marker writes: two wings from the end point, or one point.
struct EndMarker {
  MarkerKind Kind = MarkerKind::LineArrow;
  Point At;
  Point Wing1, Wing2;  // line arrow
  double Size = 1;     // glyph
  double Angle = 0;    // glyph, degrees
  bool operator==(const EndMarker&) const = default;
};

// How far the marker reaches along the dimension line, in drawing units.
// Negative for a line arrow wider than a right angle.
double MarkerDepth(MarkerKind kind, const MarkerStyle& style);

// The marker of `kind` at `end`, `end_angle` in degrees (pointing outward
// unless the markers are reversed).
EndMarker MakeEndMarker(MarkerKind kind, Point end, double end_angle,
                        const MarkerStyle& style);

}  // namespace halvane
