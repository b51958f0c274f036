// Copies the form model into the dialog's controls and back.
#pragma once

#include "form/form_model.h"
#include "ui/win32_controls.h"

namespace halvane {

void WriteModelToControls(TForm1& form, const DialogControls& controls);

// Takes what the user has set. An edit whose text still reads as its model
// text keeps the model's bytes, so nothing that came from the settings file
// is altered by the round trip through UTF-16.
void ReadControlsIntoModel(const DialogControls& controls, TForm1& form);

}  // namespace halvane
