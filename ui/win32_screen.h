// What the placing rule needs to know of the screen: the window's frame,
// its title bar and the work area of every monitor.
#pragma once

#include <windows.h>

#include <vector>

#include "ui/window_placement.h"

namespace halvane {

ScreenRect FrameOf(HWND window);
// The strip between the frame's top edge and the client area, inside the
// side borders.
ScreenRect TitleBarOf(HWND window);
// Every monitor's work area (the screen less the taskbar); when the monitors
// cannot be listed, the one nearest to `window`.
std::vector<ScreenRect> MonitorWorkAreas(HWND window);

}  // namespace halvane
