// Writing a planned dimension out as lines of the exchange file; everything
// else in the dimension layer only computes.
#pragma once

#include "dimension/dimension_plan.h"
#include "exchange/exchange_output.h"

namespace halvane {

// "z3" and the segment.
void WriteSegment(ExchangeOutput& out, const Segment& segment);

// The extension lines, the dimension line with its value, then at each end
// the run line (when due) and the marker.
void WriteDimension(ExchangeOutput& out, const DimensionPlan& plan,
                    bool as_figure);

}  // namespace halvane
