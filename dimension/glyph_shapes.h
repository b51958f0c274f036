// The glyph markers' shapes, in glyph units: paper mm at marker scale 1, the
// glyph's point at the origin, +x along the marker's angle. The host draws
// each glyph from its number; these are the shapes it draws.
#pragma once

#include <vector>

#include "dimension/dimension_options.h"
#include "util/geometry.h"

namespace halvane {

struct GlyphOutline {
  std::vector<Point> Points;
  bool Closed = false;
  bool Filled = false;
};

// Nothing for a line arrow: it is drawn as two segments.
std::vector<GlyphOutline> GlyphOutlines(MarkerKind kind);

// How far the glyph reaches along the dimension line from its point, in
// glyph units: inward for the pointed ones, else its half size; 0 for a line
// arrow.
long double GlyphDepth(MarkerKind kind);

}  // namespace halvane
