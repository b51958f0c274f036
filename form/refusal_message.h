// The message that tells the user why a dimension cannot be drawn.
#pragma once

#include "dimension/dimension_plan.h"

namespace halvane {

// Shift-JIS, one of the texts of util/texts.txt.
const char* RefusalMessage(PlanRefusal refusal);

}  // namespace halvane
