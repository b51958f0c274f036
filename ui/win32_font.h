// The dialog's font: the form's own face where it is installed, otherwise a
// Japanese UI face that is, so that no text of the dialog is drawn from a
// face without its glyphs.
#pragma once

#include <windows.h>

#include <string>

namespace halvane {

// The face to draw with; the form's face when none of the others is found.
std::wstring DialogFontFace();

// `face` at `height` pixels, Shift-JIS character set, regular.
HFONT MakeDialogFont(const std::wstring& face, int height);

}  // namespace halvane
