#include "dimension/end_markers.h"

#include <cmath>

#include "dimension/dimension_geometry.h"

namespace halvane {

namespace {

// Depth of a glyph at marker scale 1, in paper mm.
long double GlyphDepth(MarkerKind kind) {
  switch (kind) {
    case MarkerKind::Triangle:
    case MarkerKind::FilledTriangle:
    case MarkerKind::Chevron:
    case MarkerKind::SecondTriangle:
      return 7.5L;
    case MarkerKind::Tilde:
    case MarkerKind::Slash:
      return 1.25L * std::sqrt(2.0L);
    default:
      return 1.25L;
  }
}

}  // namespace

double MarkerDepth(MarkerKind kind, const MarkerStyle& style) {
  long double depth;
  if (kind == MarkerKind::LineArrow) {
    depth = PointAlong({0, 0}, style.ArrowLength, style.ArrowAngle).x;
  } else {
    depth = GlyphDepth(kind) * style.MarkerScale;
  }
  return static_cast<double>(depth * style.DrawingScale);
}

EndMarker MakeEndMarker(MarkerKind kind, Point end, double end_angle,
                        const MarkerStyle& style) {
  EndMarker marker;
  marker.Kind = kind;
  marker.At = end;
  if (kind == MarkerKind::LineArrow) {
    const double r = style.ArrowLength * style.DrawingScale;
    marker.Wing1 = PointAlong(end, r, end_angle + 180 + style.ArrowAngle);
    marker.Wing2 = PointAlong(end, r, end_angle + 180 - style.ArrowAngle);
  } else {
    // The glyph's size goes out as the bare marker scale.
    marker.Size = style.MarkerScale;
    marker.Angle = end_angle;
  }
  return marker;
}

}  // namespace halvane
