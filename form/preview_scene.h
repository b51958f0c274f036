// What the preview pane paints, in pane pixels (y down): the drawing that OK
// would write, fitted to the pane, and the picked points; or one line of
// notice when OK would refuse.
#pragma once

#include <string>
#include <vector>

#include "util/geometry.h"

namespace halvane {

enum class PreviewInk { Drawing, Picked };

struct PreviewPath {
  std::vector<Point> Points;
  bool Closed = false;
  bool Filled = false;
  PreviewInk Ink = PreviewInk::Drawing;
  bool operator==(const PreviewPath&) const = default;
};

// A text from its insertion point (the bottom left corner as it reads),
// turned by Angle degrees counter-clockwise as seen on the screen. A
// full-width character is CharWidth wide, a half-width one half as wide, and
// Spacing (half of it after a half-width character) lies between characters.
struct PreviewText {
  std::string Text;  // Shift-JIS
  Point At;
  double Angle = 0;
  double CharWidth = 0, CharHeight = 0, Spacing = 0;
  PreviewInk Ink = PreviewInk::Drawing;
  bool operator==(const PreviewText&) const = default;
};

struct PreviewScene {
  std::vector<PreviewPath> Paths;
  std::vector<PreviewText> Texts;
  std::string Notice;  // Shift-JIS; when set, painted instead of a drawing
  bool operator==(const PreviewScene&) const = default;
};

}  // namespace halvane
