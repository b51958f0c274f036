// What OK does with the form as it stands, worked out without doing it, so
// that OK and the preview cannot disagree.
#pragma once

#include <variant>

#include "dimension/dimension_drawing.h"
#include "form/form_model.h"

namespace halvane {

// The first refused option's control, why the dimension cannot be drawn, or
// the drawing that OK writes.
using OkOutcome = std::variant<ControlId, PlanRefusal, DimensionDrawing>;

OkOutcome DecideOk(const TForm1& form, const DimensionPoints& points);

}  // namespace halvane
