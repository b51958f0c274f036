// The attributes an entity is drawn with, at their values before any line of
// the exchange file or any writer sets them. The reader's running attributes,
// the host's first-line values and the writers' cache all start from here.
#pragma once

#include <cstdint>
#include <string>

#include "util/texts.h"

namespace halvane {

// The initial current font name is kDefaultFontName of util/texts.h.

// The attributes the first lines of the file give the host's values of.
struct LineAttributes {
  int32_t Group = 0;
  int32_t Layer = 0;
  int32_t LineColor = 1;
  int32_t LineType = 1;
  int32_t LineWidth = 0;
  int32_t TextType = 1;
  double FreeW = 2.0;  // the free text type's size and colour
  double FreeH = 2.0;
  double FreeD = 0.0;
  int32_t FreeColor = 1;
};

inline constexpr LineAttributes kInitialLineAttributes{};

struct CurrentAttributes : LineAttributes {
  int32_t TextCode = 0;
  std::string FontName = kDefaultFontName;
  int32_t PointColor = 1;
  int32_t ExtColor = 0;
};

}  // namespace halvane
