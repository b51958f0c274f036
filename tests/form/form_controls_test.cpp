#include "form/form_controls.h"

#include <gtest/gtest.h>

#include <limits>
#include <map>
#include <set>
#include <string>

#include "form/form_options.h"

namespace halvane {
namespace {

TEST(FormControls, EveryControlMapsToOneFieldOfItsKind) {
  TForm1 form;
  std::map<ControlKind, int> counts;
  std::set<std::string> names;
  std::set<const void*> fields;
  for (const ControlRow& row : ControlRows()) {
    const ControlId id = row.Id;
    ++counts[row.Kind];
    EXPECT_TRUE(names.insert(row.Name).second) << row.Name;
    EXPECT_EQ(ListOf(form, id) != nullptr, row.Kind == ControlKind::List);
    EXPECT_EQ(EditOf(form, id) != nullptr, row.Kind == ControlKind::Edit);
    EXPECT_EQ(RadioOf(form, id) != nullptr, row.Kind == ControlKind::Radio);
    EXPECT_EQ(CheckOf(form, id) != nullptr, row.Kind == ControlKind::Check);
    for (const void* field : {static_cast<const void*>(ListOf(form, id)),
                              static_cast<const void*>(EditOf(form, id)),
                              static_cast<const void*>(RadioOf(form, id)),
                              static_cast<const void*>(CheckOf(form, id))})
      if (field) {
        EXPECT_TRUE(fields.insert(field).second) << row.Name;
      }
  }
  EXPECT_EQ(counts[ControlKind::List], 5);
  EXPECT_EQ(counts[ControlKind::Edit], 9);
  EXPECT_EQ(counts[ControlKind::Radio], 2);
  EXPECT_EQ(counts[ControlKind::Check], 4);
  EXPECT_EQ(counts[ControlKind::Button], 2);
  EXPECT_EQ(counts[ControlKind::Memo], 1);
  EXPECT_EQ(counts[ControlKind::Status], 1);
  EXPECT_EQ(EditOf(form, ControlId::ArrowLength), &form.ArrowLength);
  EXPECT_EQ(ListOf(form, ControlId::Precision), &form.Precision);
  EXPECT_EQ(RadioOf(form, ControlId::Unit), &form.Unit);
  EXPECT_EQ(CheckOf(form, ControlId::AsFigure), &form.AsFigure);
}

// Edit lengths in Shift-JIS bytes. The input method stays off in the lists
// and in every edit that takes a number, and is left alone in the two edits
// where Japanese prefixes and suffixes are typed.
TEST(FormControls, EditLengthsAndInputMethod) {
  const std::map<std::string, std::pair<int, bool>> edits = {
      {"Edit7", {8, true}},   {"Edit8", {8, true}},   {"Edit1", {16, true}},
      {"Edit2", {32, false}}, {"Edit3", {32, false}}, {"Edit4", {16, true}},
      {"Edit5", {16, true}},  {"Edit6", {16, true}},  {"Edit9", {16, true}}};
  TForm1 form;
  for (const ControlRow& row : ControlRows()) {
    if (row.Kind == ControlKind::Edit) {
      const auto [length, ime_off] = edits.at(row.Name);
      EXPECT_EQ(EditOf(form, row.Id)->MaxLength, length) << row.Name;
      EXPECT_EQ(row.ImeOff, ime_off) << row.Name;
    } else {
      EXPECT_EQ(row.MaxLength, 0) << row.Name;
      EXPECT_EQ(row.ImeOff, row.Kind == ControlKind::List) << row.Name;
    }
  }
}

// The dimension tests take the options' defaults for the dialog's: they are
// what OK reads from the dialog as it first opens, with the host's current
// text type chosen.
TEST(FormControls, InitialDialogGivesTheDefaultOptions) {
  TForm1 form;
  form.TextType.Items = {"current"};
  form.TextType.ItemIndex = 0;
  DimensionOptions read;
  ASSERT_EQ(ReadDimensionOptions(form, read), std::nullopt);
  EXPECT_TRUE(read == DimensionOptions{});
}

// Every control whose value OK can refuse is checked exactly once: each list
// and radio group, and each edit with a limit.
TEST(FormControls, OkChecksEveryControlThatCanBeRefused) {
  std::multiset<ControlId> checked(CheckOrder().begin(), CheckOrder().end());
  for (const ControlRow& row : ControlRows()) {
    const bool limited = row.Accepts.LowBound != Bound::None ||
                         row.Accepts.HighBound != Bound::None;
    const bool refusable = row.Kind == ControlKind::List ||
                           row.Kind == ControlKind::Radio ||
                           (row.Kind == ControlKind::Edit && limited);
    EXPECT_EQ(checked.count(row.Id), refusable ? 1u : 0u) << row.Name;
  }
}

TEST(FormControls, LimitsCompareWithTheirBounds) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double inf = std::numeric_limits<double>::infinity();
  const Limits open_closed{Bound::Open, 0, Bound::Closed, 1000};
  const Limits at_least{Bound::Closed, 0};
  const struct {
    Limits limits;
    double value;
    bool accepted;
  } cases[] = {
      {open_closed, 0, false},   {open_closed, 1e-300, true},
      {open_closed, 1000, true}, {open_closed, 1000.0001, false},
      {open_closed, nan, false}, {at_least, 0, true},
      {at_least, -0.0, true},    {at_least, -1e-300, false},
      {at_least, inf, true},     {at_least, nan, false},
      {Limits{}, nan, true},     {Limits{}, -inf, true},
  };
  for (const auto& c : cases)
    EXPECT_EQ(WithinLimits(c.limits, c.value), c.accepted) << c.value;
}

}  // namespace
}  // namespace halvane
