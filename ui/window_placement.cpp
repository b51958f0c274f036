#include "ui/window_placement.h"

#include <algorithm>
#include <cstdint>

namespace halvane {

namespace {

// Positions far off the screen overflow int once a size is added.
struct WideRect {
  std::int64_t Left, Top, Right, Bottom;

  std::int64_t Width() const { return Right - Left; }
  std::int64_t Height() const { return Bottom - Top; }
};

WideRect Widen(const ScreenRect& r) {
  return {r.Left, r.Top, r.Right, r.Bottom};
}

WideRect Shifted(const ScreenRect& r, std::int64_t dx, std::int64_t dy) {
  return {r.Left + dx, r.Top + dy, r.Right + dx, r.Bottom + dy};
}

WideRect Overlap(const WideRect& a, const WideRect& b) {
  return {std::max(a.Left, b.Left), std::max(a.Top, b.Top),
          std::min(a.Right, b.Right), std::min(a.Bottom, b.Bottom)};
}

bool HoldsGrip(const WideRect& work_area, const WideRect& title_bar) {
  const WideRect common = Overlap(work_area, title_bar);
  return common.Width() >= kGripWidth && common.Height() >= kGripHeight;
}

// Gap between two ranges along one axis; 0 when they meet.
std::int64_t Gap(std::int64_t a_first, std::int64_t a_end, std::int64_t b_first,
                 std::int64_t b_end) {
  if (a_end <= b_first) return b_first - a_end;
  if (b_end <= a_first) return a_first - b_end;
  return 0;
}

// The work area sharing most of the window with it; when none shares any,
// the one at the least distance.
const ScreenRect& Nearest(const WideRect& window,
                          std::span<const ScreenRect> work_areas) {
  const ScreenRect* best = &work_areas.front();
  double best_shared = -1;
  double best_distance = 0;
  for (const ScreenRect& area : work_areas) {
    const WideRect common = Overlap(window, Widen(area));
    const double shared =
        common.Width() > 0 && common.Height() > 0
            ? static_cast<double>(common.Width()) * common.Height()
            : 0;
    const double dx = static_cast<double>(
        Gap(window.Left, window.Right, area.Left, area.Right));
    const double dy = static_cast<double>(
        Gap(window.Top, window.Bottom, area.Top, area.Bottom));
    const double distance = dx * dx + dy * dy;
    if (shared > best_shared ||
        (shared == 0 && best_shared == 0 && distance < best_distance)) {
      best = &area;
      best_shared = shared;
      best_distance = distance;
    }
  }
  return *best;
}

// The start nearest to `wanted` that keeps `size` inside first..end, or
// `first` when it cannot fit.
std::int64_t Fit(std::int64_t wanted, std::int64_t size, std::int64_t first,
                 std::int64_t end) {
  return std::max(first, std::min(wanted, end - size));
}

}  // namespace

ScreenPoint ReachablePosition(ScreenPoint wanted, const ScreenRect& frame,
                              const ScreenRect& title_bar,
                              std::span<const ScreenRect> work_areas) {
  if (work_areas.empty()) return wanted;
  const std::int64_t dx = std::int64_t{wanted.X} - frame.Left;
  const std::int64_t dy = std::int64_t{wanted.Y} - frame.Top;
  const WideRect bar = Shifted(title_bar, dx, dy);
  for (const ScreenRect& area : work_areas)
    if (HoldsGrip(Widen(area), bar)) return wanted;
  const WideRect window = Shifted(frame, dx, dy);
  const ScreenRect& area = Nearest(window, work_areas);
  return {
      static_cast<int>(Fit(wanted.X, window.Width(), area.Left, area.Right)),
      static_cast<int>(Fit(wanted.Y, window.Height(), area.Top, area.Bottom))};
}

}  // namespace halvane
