// Where the dialog opens: at the saved position while the user can still
// grab its title bar there, otherwise moved onto the nearest screen.
#pragma once

#include <span>

namespace halvane {

// Screen pixels; Right and Bottom lie just outside the rectangle.
struct ScreenRect {
  int Left, Top, Right, Bottom;
};

struct ScreenPoint {
  int X, Y;
};

// The least of the title bar that must lie in one work area for the user to
// drag the window from there.
inline constexpr int kGripWidth = 48;
inline constexpr int kGripHeight = 16;

// The top-left corner for `frame` (the window's rectangle where it is now,
// with `title_bar` in the same coordinates) asked to open at `wanted`.
// `wanted` itself while some work area holds a grip of the title bar;
// otherwise the position nearest to `wanted` at which the whole window lies
// in the work area nearest to it (its left and top edges when the window is
// larger). No work areas: `wanted`.
ScreenPoint ReachablePosition(ScreenPoint wanted, const ScreenRect& frame,
                              const ScreenRect& title_bar,
                              std::span<const ScreenRect> work_areas);

}  // namespace halvane
