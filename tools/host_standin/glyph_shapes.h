// The shapes the stand-in draws for the point codes of "pt" lines: one
// recognisable shape per glyph of the marker lists (△ □ Ｏ ○ ■ ▲ ● ～ ＞ ／ △).
// Units are paper mm at size factor 1; +x is the point's angle. Each shape
// reaches as far along its axis as the program reckons its marker reaches.
#pragma once

#include <vector>

#include "util/geometry.h"

namespace halvane {

struct GlyphStroke {
  std::vector<Point> Points;
  bool Closed = false;
  bool Filled = false;
};

std::vector<GlyphStroke> GlyphShape(int code);

}  // namespace halvane
