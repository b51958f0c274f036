// The steps of WriteDrawing, for dimension_output.cpp and its tests.
#pragma once

#include "dimension/dimension_output.h"

namespace halvane {

// One shape without its attributes.
void WriteShape(ExchangeOutput& out, const DrawnShape& shape);

// The shapes of MarkerShapes, and of LineAndValueShapes.
void WriteEndMarker(ExchangeOutput& out, const EndMarker& marker);
void PutEndMarker(ExchangeOutput& out, MarkerKind kind, Point end,
                  double end_angle, const MarkerStyle& style);
void WriteLineAndValue(ExchangeOutput& out, const DimensionLine& line,
                       const TextFrame& frame, const ValueLabel& label,
                       bool as_figure);

}  // namespace halvane
