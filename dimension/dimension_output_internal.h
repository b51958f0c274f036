// The steps of WriteDimension, for dimension_output.cpp and its tests.
#pragma once

#include "dimension/dimension_output.h"

namespace halvane {

// "z3" and a wing, "z3" and a wing; or "z3" and the point line.
void WriteEndMarker(ExchangeOutput& out, const EndMarker& marker);
void PutEndMarker(ExchangeOutput& out, MarkerKind kind, Point end,
                  double end_angle, const MarkerStyle& style);

// The dimension line and its value, as a segment and a text or as one
// dimension figure.
void WriteLineAndValue(ExchangeOutput& out, const DimensionLine& line,
                       const TextFrame& frame, const ValueLabel& label,
                       bool as_figure);

}  // namespace halvane
