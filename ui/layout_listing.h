// The dialog as the end-to-end check expects to find it running: places,
// texts, labels and frame, listed from the control table in UTF-8.
#pragma once

#include <string>

#include "form/form_controls.h"

namespace halvane {

// The text a control shows before the files are read, in UTF-8; a memo's
// lines joined by "|".
std::string ShownText(const ControlRow& row);

// The lines of tests/e2e/expected_layout.txt.
std::string LayoutListing();

}  // namespace halvane
