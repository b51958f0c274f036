#include "dimension/end_markers.h"

#include <cmath>

#include "dimension/dimension_geometry.h"
#include "dimension/glyph_shapes.h"

namespace halvane {

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
