// Entity commands: segment, point, text and dimension figure. Degenerate
// entities are skipped silently.
#pragma once

#include <cstdint>
#include <string_view>

namespace halvane {

void PutSegment(double x1, double y1, double x2, double y2);
void PutPoint(int32_t code, double x, double y, double size, double angle);
void PutText(int32_t kind, std::string_view text, double x, double y, double dx,
             double dy);
void PutDimText(std::string_view text, double x1, double y1, double x2,
                double y2, double x, double y, double dx, double dy);

}  // namespace halvane
