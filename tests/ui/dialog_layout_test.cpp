#include "ui/dialog_layout.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <string>

#include "ui/form_fields.h"

namespace halvane {
namespace {

// Width of the columns two places share, 0 when they do not meet.
int SharedColumns(const PixelRect& a, const PixelRect& b) {
  const bool rows = a.Top < b.Top + b.Height && b.Top < a.Top + a.Height;
  const int columns =
      std::min(a.Left + a.Width, b.Left + b.Width) - std::max(a.Left, b.Left);
  return rows && columns > 0 ? columns : 0;
}

TEST(DialogLayout, HasEveryControlOnceInTabOrder) {
  const auto places = ControlPlaces();
  ASSERT_EQ(static_cast<int>(places.size()), kControlCount);
  for (int i = 0; i < kControlCount; ++i) {
    EXPECT_EQ(places[i].Id, static_cast<ControlId>(i)) << i;
    EXPECT_EQ(&PlaceOf(places[i].Id), &places[i].Place);
  }
}

TEST(DialogLayout, ControlsLieInsideTheClientAreaApart) {
  const auto places = ControlPlaces();
  for (const ControlPlace& p : places) {
    const PixelRect& r = p.Place;
    EXPECT_GE(r.Left, 0) << ControlName(p.Id);
    EXPECT_GE(r.Top, 0) << ControlName(p.Id);
    EXPECT_LE(r.Left + r.Width, kClientWidth) << ControlName(p.Id);
    EXPECT_LE(r.Top + r.Height, kClientHeight) << ControlName(p.Id);
    for (const ControlPlace& q : places) {
      if (&p == &q) continue;
      // The row of check boxes meets in one-pixel seams, nothing else meets.
      const bool seam = KindOf(p.Id) == ControlKind::Check &&
                        KindOf(q.Id) == ControlKind::Check;
      EXPECT_LE(SharedColumns(p.Place, q.Place), seam ? 1 : 0)
          << ControlName(p.Id) << " " << ControlName(q.Id);
    }
  }
}

TEST(DialogLayout, StatusStripFillsTheBottom) {
  const PixelRect& strip = PlaceOf(ControlId::LabelA1);
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

TEST(DialogLayout, MemoHasTwentyFiveLinesWithTheSixteenthEmpty) {
  const auto lines = MemoLines();
  ASSERT_EQ(lines.size(), 25u);
  for (std::size_t i = 0; i < lines.size(); ++i)
    EXPECT_EQ(std::string(lines[i]).empty(), i == 15) << i;
}

TEST(FormFields, EveryControlMapsToItsModelField) {
  TForm1 form;
  std::map<ControlKind, int> counts;
  for (int i = 0; i < kControlCount; ++i) {
    ++counts[KindOf(static_cast<ControlId>(i))];
    const auto id = static_cast<ControlId>(i);
    const ControlKind kind = KindOf(id);
    EXPECT_EQ(ListOf(form, id) != nullptr, kind == ControlKind::List);
    EXPECT_EQ(EditOf(form, id) != nullptr, kind == ControlKind::Edit);
    EXPECT_EQ(RadioOf(form, id) != nullptr, kind == ControlKind::Radio);
    EXPECT_EQ(CheckOf(form, id) != nullptr, kind == ControlKind::Check);
  }
  EXPECT_EQ(counts[ControlKind::List], 5);
  EXPECT_EQ(counts[ControlKind::Edit], 9);
  EXPECT_EQ(counts[ControlKind::Radio], 2);
  EXPECT_EQ(counts[ControlKind::Check], 4);
  EXPECT_EQ(KindOf(ControlId::Button1), ControlKind::Button);
  EXPECT_EQ(KindOf(ControlId::Button2), ControlKind::Button);
  EXPECT_EQ(KindOf(ControlId::Memo1), ControlKind::Memo);
  EXPECT_EQ(KindOf(ControlId::LabelA1), ControlKind::Status);
  EXPECT_EQ(EditOf(form, ControlId::Edit7), &form.Edit7);
  EXPECT_EQ(ListOf(form, ControlId::ComboBox3), &form.ComboBox3);
  EXPECT_EQ(RadioOf(form, ControlId::RadioGroup2), &form.RadioGroup2);
  EXPECT_EQ(CheckOf(form, ControlId::CheckBox4), &form.CheckBox4);
}

}  // namespace
}  // namespace halvane
