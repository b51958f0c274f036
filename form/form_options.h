// Reading the dimension options from the form's controls, and their checks.
#pragma once

#include <optional>

#include "dimension/dimension_options.h"
#include "form/form_model.h"

namespace halvane {

// Reads every option from the form and checks them in the dialog's order.
// Gives the control of the first refused option, or nothing when all pass.
std::optional<ControlId> ReadDimensionOptions(const TForm1& form,
                                              DimensionOptions& options);

// Whether OK takes the value of `id`: a list or radio group with an item
// selected, an edit whose number lies within the control's limits.
bool Accepted(const TForm1& form, ControlId id);

}  // namespace halvane
