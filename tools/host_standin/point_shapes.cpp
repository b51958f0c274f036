#include "tools/host_standin/point_shapes.h"

namespace halvane {

std::vector<GlyphOutline> GlyphShape(int code) {
  // The marker kinds are numbered as the host numbers its glyphs.
  const int first = static_cast<int>(MarkerKind::Triangle);
  const int last = static_cast<int>(MarkerKind::SecondTriangle);
  if (code >= first && code <= last) {
    return GlyphOutlines(static_cast<MarkerKind>(code));
  }
  return {{{{-0.5, 0}, {0.5, 0}}}, {{{0, -0.5}, {0, 0.5}}}};
}

}  // namespace halvane
