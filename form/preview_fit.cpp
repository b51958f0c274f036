#include "form/preview_fit.h"

#include <algorithm>
#include <cmath>

namespace halvane {

void DrawingBox::Add(Point p) {
  if (!std::isfinite(p.x) || !std::isfinite(p.y)) return;
  if (Empty) {
    MinX = MaxX = p.x;
    MinY = MaxY = p.y;
    Empty = false;
    return;
  }
  MinX = std::min(MinX, p.x);
  MaxX = std::max(MaxX, p.x);
  MinY = std::min(MinY, p.y);
  MaxY = std::max(MaxY, p.y);
}

FitTransform FitToPane(const DrawingBox& box, double width, double height,
                       double margin) {
  const double room_x = std::max(width - 2 * margin, 1.0);
  const double room_y = std::max(height - 2 * margin, 1.0);
  const double extent_x = box.Empty ? 0 : box.MaxX - box.MinX;
  const double extent_y = box.Empty ? 0 : box.MaxY - box.MinY;
  double scale = 1;
  if (extent_x > 0 || extent_y > 0) {
    scale = std::min(extent_x > 0 ? room_x / extent_x : INFINITY,
                     extent_y > 0 ? room_y / extent_y : INFINITY);
  }
  if (!std::isfinite(scale) || scale <= 0) scale = 1;
  const double centre_x = box.Empty ? 0 : (box.MinX + box.MaxX) / 2;
  const double centre_y = box.Empty ? 0 : (box.MinY + box.MaxY) / 2;
  return {scale, width / 2 - centre_x * scale, height / 2 + centre_y * scale};
}

}  // namespace halvane
