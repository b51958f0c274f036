// Fitting the drawing into the preview pane: one scale for both axes, the
// drawing centred with a margin, y turned to point down as on the screen.
#pragma once

#include "util/geometry.h"

namespace halvane {

// The extent of what is drawn, in drawing units; empty until a point is added.
struct DrawingBox {
  double MinX = 0, MinY = 0, MaxX = 0, MaxY = 0;
  bool Empty = true;
  void Add(Point p);
};

// Pane pixels from drawing units.
struct FitTransform {
  double Scale = 1;                 // pixels per drawing unit
  double OriginX = 0, OriginY = 0;  // where the drawing's (0, 0) falls
  Point Apply(Point p) const {
    return {OriginX + p.x * Scale, OriginY - p.y * Scale};
  }
  double Length(double length) const { return length * Scale; }
};

// A box with no extent (a point, or nothing) is shown at the pane's centre,
// a drawing unit to a pixel.
FitTransform FitToPane(const DrawingBox& box, double width, double height,
                       double margin);

}  // namespace halvane
