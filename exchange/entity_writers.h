// Entity commands: segment, point, text and dimension figure. Degenerate
// entities are skipped silently.
#pragma once

#include <cstdint>
#include <string_view>

#include "exchange/exchange_output.h"

namespace halvane {

void PutSegment(ExchangeOutput& out, double x1, double y1, double x2,
                double y2);
void PutPoint(ExchangeOutput& out, int32_t code, double x, double y,
              double size, double angle);
void PutText(ExchangeOutput& out, int32_t kind, std::string_view text, double x,
             double y, double dx, double dy);
void PutDimText(ExchangeOutput& out, std::string_view text, double x1,
                double y1, double x2, double y2, double x, double y, double dx,
                double dy);

}  // namespace halvane
