#include "ui/win32_screen.h"

namespace halvane {

namespace {

ScreenRect FromRect(const RECT& r) {
  return {r.left, r.top, r.right, r.bottom};
}

bool AddWorkArea(HMONITOR monitor, std::vector<ScreenRect>& areas) {
  MONITORINFO info{};
  info.cbSize = sizeof info;
  if (!GetMonitorInfoW(monitor, &info)) return false;
  areas.push_back(FromRect(info.rcWork));
  return true;
}

BOOL CALLBACK AddMonitor(HMONITOR monitor, HDC, LPRECT, LPARAM areas) {
  AddWorkArea(monitor, *reinterpret_cast<std::vector<ScreenRect>*>(areas));
  return TRUE;
}

}  // namespace

ScreenRect FrameOf(HWND window) {
  RECT r{};
  GetWindowRect(window, &r);
  return FromRect(r);
}

ScreenRect TitleBarOf(HWND window) {
  RECT frame{};
  GetWindowRect(window, &frame);
  POINT client{0, 0};
  ClientToScreen(window, &client);
  const LONG border = client.x - frame.left;
  return {frame.left + border, frame.top + border, frame.right - border,
          client.y};
}

std::vector<ScreenRect> MonitorWorkAreas(HWND window) {
  std::vector<ScreenRect> areas;
  EnumDisplayMonitors(nullptr, nullptr, AddMonitor,
                      reinterpret_cast<LPARAM>(&areas));
  if (areas.empty())
    AddWorkArea(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST), areas);
  return areas;
}

}  // namespace halvane
