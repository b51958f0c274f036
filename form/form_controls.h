// The dialog's controls, one row each in tab order: the name the runner
// reports, the kind, the model field, the line of the settings file, the
// texts, the limits, the place, the labels beside it and what OK reads from
// it into the dimension options. The model's initial values, the settings
// file's order, the dialog's windows and labels, the checks of OK and the
// options it reads all come from here.
#pragma once

#include <array>
#include <optional>
#include <span>
#include <string>
#include <variant>

#include "dimension/dimension_options.h"
#include "form/form_model.h"

namespace halvane {

enum class ControlKind { List, Edit, Radio, Check, Button, Memo, Pane, Status };

// Pixels at 96 dpi, client coordinates.
struct PixelRect {
  int Left, Top, Width, Height;
};

// The model field behind a control; none for the buttons and the memo.
using ModelField = std::variant<std::monostate, ListControl TForm1::*,
                                EditControl TForm1::*, RadioControl TForm1::*,
                                CheckControl TForm1::*, std::string TForm1::*>;

// What OK accepts of a number typed in an edit; a bound refuses NaN.
enum class Bound { None, Open, Closed };
struct Limits {
  Bound LowBound = Bound::None;
  double Low = 0;
  Bound HighBound = Bound::None;
  double High = 0;
};

bool WithinLimits(const Limits& limits, double value);

inline constexpr int kFontHeight = 13;  // of the controls and most labels

// A static text of the dialog, at its top left corner in client pixels.
struct LabelPlace {
  const char* Name;
  const char* Text;
  int Left, Top;
  int FontHeight = kFontHeight;  // character height in pixels
};

// Puts what the control `id` holds into its field of the options; OK has
// checked the control before.
using OptionRead = void (*)(const TForm1& form, ControlId id,
                            DimensionOptions& options);

struct ControlRow {
  ControlId Id;
  const char* Name;  // as halvane-run and the probe report it
  ControlKind Kind;
  ModelField Field{};
  int SettingsLine = 0;  // line of t517.dat, counted from 1; 0: not stored
  // An edit's initial text; the caption of a radio group, check box, button
  // or the status label.
  const char* Text = "";
  std::span<const char* const> Items{};  // of a list or radio group; memo lines
  int Initial = -1;     // selected item (-1: none); 1: a check box checked
  int MaxLength = 0;    // of an edit, in Shift-JIS bytes
  bool ImeOff = false;  // the input method stays off
  Limits Accepts{};     // of an edit's number on OK
  PixelRect Place{};
  OptionRead Read = nullptr;  // none for a control that holds no option
  // OK checks the controls it can refuse in tab order, this one before
  // CheckedBefore when given.
  std::optional<ControlId> CheckedBefore{};
  std::array<LabelPlace, 3> Labels{};
  int LabelCount = 0;

  // For the table: the row with one more label beside it.
  constexpr ControlRow Label(const char* name, const char* text, int left,
                             int top, int font_height = kFontHeight) const {
    ControlRow row = *this;
    row.Labels.at(static_cast<std::size_t>(row.LabelCount++)) = {
        name, text, left, top, font_height};
    return row;
  }
  // For the table: the row, checked before `later`.
  constexpr ControlRow CheckBefore(ControlId later) const {
    ControlRow row = *this;
    row.CheckedBefore = later;
    return row;
  }
};

std::span<const ControlRow> ControlRows();
const ControlRow& RowOf(ControlId id);
const char* ControlName(ControlId id);
ControlKind KindOf(ControlId id);

// The stored controls in the order of their lines in the settings file.
std::span<const ControlId> SettingsOrder();

// The controls OK checks, in the order it checks them.
std::span<const ControlId> CheckOrder();

// Every label of the dialog, row by row.
std::span<const LabelPlace> LabelPlaces();

// The item of a list or radio group that is selected, -1 when none is (or
// `id` is neither).
int SelectedItem(const TForm1& form, ControlId id);

// The model field of `id`, or nullptr when `id` holds another kind of field.
template <class Field>
Field* FieldOf(TForm1& form, ControlId id) {
  const auto* member = std::get_if<Field TForm1::*>(&RowOf(id).Field);
  return member ? &(form.**member) : nullptr;
}
template <class Field>
const Field* FieldOf(const TForm1& form, ControlId id) {
  const auto* member = std::get_if<Field TForm1::*>(&RowOf(id).Field);
  return member ? &(form.**member) : nullptr;
}

inline ListControl* ListOf(TForm1& form, ControlId id) {
  return FieldOf<ListControl>(form, id);
}
inline EditControl* EditOf(TForm1& form, ControlId id) {
  return FieldOf<EditControl>(form, id);
}
inline RadioControl* RadioOf(TForm1& form, ControlId id) {
  return FieldOf<RadioControl>(form, id);
}
inline CheckControl* CheckOf(TForm1& form, ControlId id) {
  return FieldOf<CheckControl>(form, id);
}

}  // namespace halvane
