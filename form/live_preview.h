// The preview that the dialog shows beside its options: what OK would draw at
// the picked points, redrawn after every change of a control.
#pragma once

#include "form/form_model.h"
#include "form/preview_scene.h"

namespace halvane {

// The scene for the form as it stands, fitted to a pane of `width` by
// `height` pixels.
PreviewScene ComputePreview(const TForm1& form, double width, double height);

}  // namespace halvane
