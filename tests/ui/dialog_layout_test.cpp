#include "ui/dialog_layout.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>

namespace halvane {
namespace {

// Width of the columns two places share, 0 when they do not meet.
int SharedColumns(const PixelRect& a, const PixelRect& b) {
  const bool rows = a.Top < b.Top + b.Height && b.Top < a.Top + a.Height;
  const int columns =
      std::min(a.Left + a.Width, b.Left + b.Width) - std::max(a.Left, b.Left);
  return rows && columns > 0 ? columns : 0;
}

TEST(DialogLayout, ControlsLieInsideTheClientAreaApart) {
  for (const ControlRow& p : ControlRows()) {
    const PixelRect& r = p.Place;
    EXPECT_GE(r.Left, 0) << p.Name;
    EXPECT_GE(r.Top, 0) << p.Name;
    EXPECT_LE(r.Left + r.Width, kClientWidth) << p.Name;
    EXPECT_LE(r.Top + r.Height, kClientHeight) << p.Name;
    for (const ControlRow& q : ControlRows()) {
      if (&p == &q) continue;
      // The row of check boxes meets in one-pixel seams, nothing else meets.
      const bool seam =
          p.Kind == ControlKind::Check && q.Kind == ControlKind::Check;
      EXPECT_LE(SharedColumns(p.Place, q.Place), seam ? 1 : 0)
          << p.Name << " " << q.Name;
    }
  }
}

TEST(DialogLayout, StatusStripFillsTheBottom) {
  const PixelRect& strip = RowOf(ControlId::Status).Place;
  EXPECT_EQ(strip.Left, 0);
  EXPECT_EQ(strip.Width, kClientWidth);
  EXPECT_EQ(strip.Top + strip.Height, kClientHeight);
}

TEST(DialogLayout, LabelsHaveUniqueNamesAndPlaces) {
  std::set<std::string> names;
  std::set<std::pair<int, int>> places;
  for (const LabelPlace& label : LabelPlaces()) {
    EXPECT_TRUE(names.insert(label.Name).second) << label.Name;
    EXPECT_TRUE(places.insert({label.Left, label.Top}).second) << label.Name;
    EXPECT_TRUE(label.FontHeight == kFontHeight || label.FontHeight == 11);
    EXPECT_NE(std::string(label.Text), "");
  }
  EXPECT_EQ(names.size(), 22u);
}

}  // namespace
}  // namespace halvane
