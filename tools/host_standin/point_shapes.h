// The shapes the stand-in draws for the point codes of "pt" lines: the
// program's glyph shapes for the codes of its markers, a small cross for any
// other point kind.
#pragma once

#include <vector>

#include "dimension/glyph_shapes.h"

namespace halvane {

std::vector<GlyphOutline> GlyphShape(int code);

}  // namespace halvane
