// Where the parts of the program's message window sit: the icon, the text
// and one OK button, and where the window opens. Pixels at 96 dpi.
#pragma once

#include "ui/window_placement.h"

namespace halvane {

struct PixelSize {
  int Width, Height;
};

// Text wider than this is wrapped onto more lines.
inline constexpr int kMessageTextMaxWidth = 400;
inline constexpr PixelSize kMessageButton{88, 26};

// In client coordinates; Client is the size of the client area.
struct MessageLayout {
  ScreenRect Icon, Text, Button;
  PixelSize Client;
};

// The layout for a text that measures `text` and an icon of `icon`: the
// icon at the top left, the text beside it, centred on the icon when it is
// lower, and the button centred below both.
MessageLayout LayOutMessage(PixelSize text, PixelSize icon);

// The top-left corner for a window of `size` centred on `around`, moved
// into `work_area` wholly, or onto its left and top edges when larger.
ScreenPoint CentredPosition(PixelSize size, const ScreenRect& around,
                            const ScreenRect& work_area);

}  // namespace halvane
