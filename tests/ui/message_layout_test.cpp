#include "ui/message_layout.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdlib>

namespace halvane {
namespace {

bool Inside(const ScreenRect& r, PixelSize client) {
  return r.Left >= 0 && r.Top >= 0 && r.Right <= client.Width &&
         r.Bottom <= client.Height;
}

int Width(const ScreenRect& r) { return r.Right - r.Left; }
int Height(const ScreenRect& r) { return r.Bottom - r.Top; }

struct SizeCase {
  PixelSize text, icon;
};

class MessageParts : public testing::TestWithParam<SizeCase> {};

// Whatever the text measures: each part as large as asked, none over
// another, all inside the window, the button centred under the rest.
TEST_P(MessageParts, FitWithoutOverlap) {
  const SizeCase& c = GetParam();
  const MessageLayout m = LayOutMessage(c.text, c.icon);
  EXPECT_EQ(Width(m.Text), c.text.Width);
  EXPECT_EQ(Height(m.Text), c.text.Height);
  EXPECT_EQ(Width(m.Icon), c.icon.Width);
  EXPECT_EQ(Height(m.Icon), c.icon.Height);
  EXPECT_EQ(Width(m.Button), kMessageButton.Width);
  EXPECT_EQ(Height(m.Button), kMessageButton.Height);
  for (const ScreenRect& part : {m.Icon, m.Text, m.Button})
    EXPECT_TRUE(Inside(part, m.Client));
  EXPECT_LT(m.Icon.Right, m.Text.Left);
  EXPECT_LT(m.Text.Bottom, m.Button.Top);
  EXPECT_LT(m.Icon.Bottom, m.Button.Top);
  EXPECT_LE(std::abs(m.Button.Left - (m.Client.Width - m.Button.Right)), 1);
  // Neither the icon nor the text stands out beyond the other's middle.
  EXPECT_LE(
      std::abs((m.Icon.Top + m.Icon.Bottom) - (m.Text.Top + m.Text.Bottom)), 1);
}

INSTANTIATE_TEST_SUITE_P(
    Sizes, MessageParts,
    testing::Values(SizeCase{{250, 13}, {32, 32}},  // one line
                    SizeCase{{400, 65}, {32, 32}},  // wrapped, above the icon
                    SizeCase{{1, 1}, {32, 32}},     // narrower than OK
                    SizeCase{{0, 0}, {32, 32}},     // no text
                    SizeCase{{37, 33}, {48, 48}},   // odd sizes, large icon
                    SizeCase{{120, 13}, {0, 0}}));  // no icon

constexpr ScreenRect kScreen{0, 0, 1024, 768};

struct PlaceCase {
  const char* what;
  PixelSize size;
  ScreenRect around;
  ScreenPoint expected;
};

class MessagePlace : public testing::TestWithParam<PlaceCase> {};

TEST_P(MessagePlace, CentredAndOnTheScreen) {
  const PlaceCase& c = GetParam();
  const ScreenPoint got = CentredPosition(c.size, c.around, kScreen);
  EXPECT_EQ(got.X, c.expected.X) << c.what;
  EXPECT_EQ(got.Y, c.expected.Y) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, MessagePlace,
    testing::Values(
        PlaceCase{"on the screen", {300, 120}, kScreen, {362, 324}},
        PlaceCase{
            "on the dialog", {300, 120}, {194, 107, 711, 507}, {302, 247}},
        PlaceCase{"on a window smaller than itself, at the corner",
                  {301, 121},
                  {0, 0, 10, 10},
                  {0, 0}},
        PlaceCase{"the dialog at the bottom right",
                  {300, 120},
                  {900, 700, 1417, 1100},
                  {724, 648}},
        PlaceCase{"the dialog off the top left",
                  {300, 120},
                  {-600, -500, -83, -100},
                  {0, 0}},
        PlaceCase{"larger than the screen", {2000, 900}, kScreen, {0, 0}},
        PlaceCase{"a window at the far end of the coordinates",
                  {300, 120},
                  {INT_MAX - 10, INT_MAX - 10, INT_MAX, INT_MAX},
                  {724, 648}},
        PlaceCase{"a window over all coordinates",
                  {300, 120},
                  {INT_MIN, INT_MIN, INT_MAX, INT_MAX},
                  {0, 0}}));

}  // namespace
}  // namespace halvane
