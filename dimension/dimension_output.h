// Writing a planned dimension out as lines of the exchange file; everything
// else in the dimension layer only computes.
#pragma once

#include "dimension/dimension_plan.h"
#include "exchange/exchange_output.h"

namespace halvane {

// "z3" and the segment.
void WriteSegment(ExchangeOutput& out, const Segment& segment);

// "z3" and a wing, "z3" and a wing; or "z3" and the point line.
void WriteEndMarker(ExchangeOutput& out, const EndMarker& marker);
void PutEndMarker(ExchangeOutput& out, MarkerKind kind, Point end,
                  double end_angle, const MarkerStyle& style);

// The dimension line and its value, as a segment and a text or as one
// dimension figure.
void WriteLineAndValue(ExchangeOutput& out, const DimensionLine& line,
                       const TextFrame& frame, const ValueLabel& label,
                       bool as_figure);

// The extension lines, the dimension line with its value, then at each end
// the run line (when due) and the marker.
void WriteDimension(ExchangeOutput& out, const DimensionPlan& plan,
                    bool as_figure);

}  // namespace halvane
