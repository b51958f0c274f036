#include "ui/window_placement.h"

#include <gtest/gtest.h>

#include <climits>
#include <vector>

namespace halvane {
namespace {

// The dialog as it is created: 517 x 400 at 194, 107, a 22 pixel caption
// inside a 3 pixel frame.
constexpr ScreenRect kFrame{194, 107, 711, 507};
constexpr ScreenRect kTitleBar{197, 110, 708, 132};
constexpr ScreenRect kScreen{0, 0, 1280, 1024};
constexpr ScreenRect kRightScreen{1280, 0, 2560, 1024};
constexpr ScreenRect kLeftScreen{-1920, 0, 0, 1080};
constexpr ScreenRect kLowerScreen{0, 1024, 1280, 2048};
constexpr ScreenRect kAboveTaskbar{0, 0, 1280, 984};
constexpr ScreenRect kSmallScreen{0, 0, 400, 300};

struct PlaceCase {
  const char* what;
  ScreenPoint wanted;
  std::vector<ScreenRect> work_areas;
  ScreenPoint expected;
};

class Placing : public testing::TestWithParam<PlaceCase> {};

TEST_P(Placing, KeepsTheTitleBarWithinReach) {
  const PlaceCase& c = GetParam();
  const ScreenPoint got =
      ReachablePosition(c.wanted, kFrame, kTitleBar, c.work_areas);
  EXPECT_EQ(got.X, c.expected.X) << c.what;
  EXPECT_EQ(got.Y, c.expected.Y) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Placing,
    testing::Values(
        PlaceCase{"the default place", {100, 100}, {kScreen}, {100, 100}},
        PlaceCase{"dragged half off the left and bottom edges",
                  {-40, 700},
                  {{0, 0, 1024, 768}},
                  {-40, 700}},
        PlaceCase{"beyond the bottom right corner",
                  {3000, 2000},
                  {kScreen},
                  {763, 624}},
        PlaceCase{
            "beyond the top left corner", {-5000, -5000}, {kScreen}, {0, 0}},
        PlaceCase{"the extremes of the settings file",
                  {INT_MAX, INT_MIN},
                  {kScreen},
                  {763, 0}},
        PlaceCase{
            "the other extremes", {INT_MIN, INT_MAX}, {kScreen}, {0, 624}},
        PlaceCase{"20 pixels of the title bar left at the right edge",
                  {1280 - 3 - 20, 100},
                  {kScreen},
                  {763, 100}},
        PlaceCase{"47 pixels left at the right edge",
                  {1280 - 3 - 47, 100},
                  {kScreen},
                  {763, 100}},
        PlaceCase{"48 pixels left at the right edge",
                  {1280 - 3 - 48, 100},
                  {kScreen},
                  {1280 - 3 - 48, 100}},
        PlaceCase{"48 pixels left at the left edge",
                  {48 - 3 - 511, 300},
                  {kScreen},
                  {48 - 3 - 511, 300}},
        PlaceCase{"47 pixels left at the left edge",
                  {47 - 3 - 511, 300},
                  {kScreen},
                  {0, 300}},
        PlaceCase{"16 rows of the title bar below the top edge",
                  {200, 16 - 3 - 22},
                  {kScreen},
                  {200, 16 - 3 - 22}},
        PlaceCase{"15 rows below the top edge",
                  {200, 15 - 3 - 22},
                  {kScreen},
                  {200, 0}},
        PlaceCase{"16 rows above the bottom edge",
                  {200, 1024 - 3 - 16},
                  {kScreen},
                  {200, 1024 - 3 - 16}},
        PlaceCase{"15 rows above the bottom edge",
                  {200, 1024 - 3 - 15},
                  {kScreen},
                  {200, 624}},
        PlaceCase{"the title bar behind the taskbar",
                  {200, 980},
                  {kAboveTaskbar},
                  {200, 584}},
        PlaceCase{"on the second monitor",
                  {2000, 300},
                  {kScreen, kRightScreen},
                  {2000, 300}},
        PlaceCase{
            "the second monitor unplugged", {2000, 300}, {kScreen}, {763, 300}},
        PlaceCase{"below the left monitor, nearer to it than to the main one",
                  {-1000, 1500},
                  {kScreen, kLeftScreen},
                  {-1000, 680}},
        PlaceCase{"the title bar split across two monitors, 8 and 14 rows",
                  {200, 1024 - 8 - 3},
                  {kScreen, kLowerScreen},
                  {200, 1024}},
        PlaceCase{"a screen smaller than the window",
                  {3000, 2000},
                  {kSmallScreen},
                  {0, 0}},
        PlaceCase{"no monitors known", {3000, 2000}, {}, {3000, 2000}}));

}  // namespace
}  // namespace halvane
