// Writing a drawing out as lines of the exchange file; everything else in the
// dimension layer only computes.
#pragma once

#include "dimension/dimension_drawing.h"
#include "exchange/exchange_output.h"

namespace halvane {

// "z3" and the segment.
void WriteSegment(ExchangeOutput& out, const Segment& segment);

// Each entity after its attributes, then the text type to come back to. The
// writers skip an attribute that has not changed.
void WriteDrawing(ExchangeOutput& out, const DimensionDrawing& drawing);

}  // namespace halvane
