#include "form/form_controls.h"

#include <algorithm>
#include <array>
#include <iterator>

#include "util/number_parse.h"
#include "util/sjis_text.h"
#include "util/texts.h"

namespace halvane {

bool WithinLimits(const Limits& limits, double value) {
  const auto above = [&](Bound bound, double low) {
    return bound == Bound::None ||
           (bound == Bound::Open ? value > low : value >= low);
  };
  const auto below = [&](Bound bound, double high) {
    return bound == Bound::None ||
           (bound == Bound::Open ? value < high : value <= high);
  };
  return above(limits.LowBound, limits.Low) &&
         below(limits.HighBound, limits.High);
}

namespace {

using C = ControlId;
using F = TForm1;
using O = DimensionOptions;
using Items = std::span<const char* const>;

// A list's or radio group's item and the value it stands for. One table per
// list both fills it and reads it back.
template <class Value>
struct Choice {
  const char* Text;
  Value Is;
};

constexpr Choice<MarkerKind> kMarkerKinds[] = {
    {kMarkerLineArrow, MarkerKind::LineArrow},
    {kMarkerTriangle, MarkerKind::Triangle},
    {kMarkerSquare, MarkerKind::Square},
    {kMarkerLetterO, MarkerKind::LetterO},
    {kMarkerCircle, MarkerKind::Circle},
    {kMarkerFilledSquare, MarkerKind::FilledSquare},
    {kMarkerFilledTriangle, MarkerKind::FilledTriangle},
    {kMarkerFilledCircle, MarkerKind::FilledCircle},
    {kMarkerTilde, MarkerKind::Tilde},
    {kMarkerChevron, MarkerKind::Chevron},
    {kMarkerSlash, MarkerKind::Slash},
    {kMarkerTriangle, MarkerKind::SecondTriangle},
};
// The step of the value, by its number of decimals.
constexpr Choice<int> kPrecisions[] = {
    {"1", 0},        {"0.1", 1},       {"0.01", 2},
    {"0.001", 3},    {"0.0001", 4},    {"0.00001", 5},
    {"0.000001", 6}, {"0.0000001", 7}, {"0.00000001", 8},
};
constexpr Choice<Rounding> kRoundings[] = {
    {kRoundDown, Rounding::Truncate},
    {kRoundUp, Rounding::Up},
    {kRoundHalfUp, Rounding::HalfUp},
};
constexpr Choice<TrailingZeros> kZeroDisplays[] = {
    {kZerosDropped, TrailingZeros::Dropped},
    {kZerosKept, TrailingZeros::Kept},
};
constexpr Choice<LengthUnit> kUnits[] = {
    {"mm", LengthUnit::Millimetre},
    {kUnitMetre, LengthUnit::Metre},
};

template <const auto& Choices>
constexpr auto kTextsOf = [] {
  std::array<const char*, std::size(Choices)> texts{};
  for (std::size_t i = 0; i < texts.size(); ++i) texts[i] = Choices[i].Text;
  return texts;
}();

// What OK reads from each kind of control into its field of the options.
template <const auto& Choices, auto Field>
void ReadChoice(const TForm1& form, ControlId id, O& options) {
  const int item = SelectedItem(form, id);
  if (item >= 0 && item < std::ssize(Choices))
    options.*Field = Choices[item].Is;
}
template <auto Field>
void ReadItem(const TForm1& form, ControlId id, O& options) {
  options.*Field = SelectedItem(form, id);
}
template <auto Field>
void ReadNumber(const TForm1& form, ControlId id, O& options) {
  options.*Field = ParseFloat(FieldOf<EditControl>(form, id)->Text);
}
// A prefix or suffix of blanks only counts as none; otherwise it is kept as
// typed, spaces included.
template <auto Field>
void ReadAffix(const TForm1& form, ControlId id, O& options) {
  const std::string& text = FieldOf<EditControl>(form, id)->Text;
  options.*Field = StripSpaces(text).empty() ? std::string() : text;
}
template <auto Field>
void ReadFlag(const TForm1& form, ControlId id, O& options) {
  options.*Field = FieldOf<CheckControl>(form, id)->Checked;
}

// A list's items and how OK reads the chosen one.
struct ItemsRead {
  Items Texts;
  OptionRead Read;
};
template <const auto& Choices, auto Field>
constexpr ItemsRead kChoose{kTextsOf<Choices>, &ReadChoice<Choices, Field>};
// Items filled in at run time; the option is the item's index.
template <auto Field>
constexpr ItemsRead kIndexOf{{}, &ReadItem<Field>};

// One builder per kind, so that a row names only what its kind uses.
constexpr ControlRow List(C id, const char* name, ListControl F::*field,
                          int line, ItemsRead items, int selected,
                          PixelRect place) {
  return {.Id = id,
          .Name = name,
          .Kind = ControlKind::List,
          .Field = field,
          .SettingsLine = line,
          .Items = items.Texts,
          .Initial = selected,
          .ImeOff = true,
          .Place = place,
          .Read = items.Read};
}
constexpr ControlRow Edit(C id, const char* name, EditControl F::*field,
                          int line, const char* text, int max_length,
                          bool ime_off, Limits accepts, PixelRect place,
                          OptionRead read) {
  return {.Id = id,
          .Name = name,
          .Kind = ControlKind::Edit,
          .Field = field,
          .SettingsLine = line,
          .Text = text,
          .MaxLength = max_length,
          .ImeOff = ime_off,
          .Accepts = accepts,
          .Place = place,
          .Read = read};
}
constexpr ControlRow Radio(C id, const char* name, RadioControl F::*field,
                           int line, const char* caption, ItemsRead items,
                           int selected, PixelRect place) {
  return {.Id = id,
          .Name = name,
          .Kind = ControlKind::Radio,
          .Field = field,
          .SettingsLine = line,
          .Text = caption,
          .Items = items.Texts,
          .Initial = selected,
          .Place = place,
          .Read = items.Read};
}
constexpr ControlRow Check(C id, const char* name, CheckControl F::*field,
                           int line, const char* caption, PixelRect place,
                           OptionRead read) {
  return {.Id = id,
          .Name = name,
          .Kind = ControlKind::Check,
          .Field = field,
          .SettingsLine = line,
          .Text = caption,
          .Initial = 0,
          .Place = place,
          .Read = read};
}
constexpr ControlRow Button(C id, const char* name, const char* caption,
                            PixelRect place) {
  return {.Id = id,
          .Name = name,
          .Kind = ControlKind::Button,
          .Text = caption,
          .Place = place};
}
constexpr ControlRow Memo(C id, const char* name, Items lines,
                          PixelRect place) {
  return {.Id = id,
          .Name = name,
          .Kind = ControlKind::Memo,
          .Items = lines,
          .Place = place};
}
constexpr ControlRow Pane(C id, const char* name, PixelRect place) {
  return {.Id = id, .Name = name, .Kind = ControlKind::Pane, .Place = place};
}
constexpr ControlRow Status(C id, const char* name, std::string F::*field,
                            const char* caption, PixelRect place) {
  return {.Id = id,
          .Name = name,
          .Kind = ControlKind::Status,
          .Field = field,
          .Text = caption,
          .Place = place};
}

constexpr bool kImeOff = true;
constexpr bool kImeOn = false;
constexpr Limits kAny{};
constexpr Limits kPositive{Bound::Open, 0};
constexpr Limits kNotNegative{Bound::Closed, 0};

// Lines 1 and 2 of the settings file hold the dialog's position.
constexpr ControlRow kControls[] = {
    List(C::StartMarker, "ComboBox1", &F::StartMarker, 3,
         kChoose<kMarkerKinds, &O::StartKind>, 0, {48, 4, 81, 21})
        .Label("Label6", kLabelStartPoint, 8, 8),
    List(C::EndMarker, "ComboBox2", &F::EndMarker, 4,
         kChoose<kMarkerKinds, &O::EndKind>, 0, {48, 28, 81, 21})
        .Label("Label7", kLabelEndPoint, 8, 32),
    Edit(C::ArrowLength, "Edit7", &F::ArrowLength, 14, "3", 8, kImeOff,
         {Bound::Open, 0, Bound::Closed, 1000}, {48, 64, 33, 21},
         ReadNumber<&O::ArrowLength>)
        .Label("Label15", kLabelLineArrow, 8, 52, 11)
        .Label("Label17", kLabelLength, 8, 68)
        .Label("Label18", kLabelPaperMm, 88, 68),
    Edit(C::ArrowAngle, "Edit8", &F::ArrowAngle, 15, "15", 8, kImeOff,
         {Bound::Open, 0, Bound::Open, 180}, {48, 88, 33, 21},
         ReadNumber<&O::ArrowAngle>)
        .Label("Label16", kLabelAngle, 8, 92)
        .Label("Label19", kLabelDegrees, 88, 92),
    // Checked before the line arrow's length and angle.
    Edit(C::MarkerScale, "Edit1", &F::MarkerScale, 8, "1", 16, kImeOff,
         kPositive, {72, 112, 57, 21}, ReadNumber<&O::MarkerScale>)
        .Label("Label1", kLabelMarkerScale, 8, 116)
        .Label("Label20", kLabelNotLineArrow, 128, 116)
        .CheckBefore(C::ArrowLength),
    // Filled with the host's text types when the form is shown.
    List(C::TextType, "ComboBox3", &F::TextType, 5,
         kIndexOf<&O::TextTypeChoice>, -1, {136, 28, 169, 21})
        .Label("Label2", kLabelTextType, 136, 8),
    Edit(C::Prefix, "Edit2", &F::Prefix, 9, "", 32, kImeOn, kAny,
         {200, 56, 105, 21}, ReadAffix<&O::Prefix>)
        .Label("Label11", kLabelPrefix, 136, 60),
    Edit(C::Suffix, "Edit3", &F::Suffix, 10, "", 32, kImeOn, kAny,
         {200, 80, 105, 21}, ReadAffix<&O::Suffix>)
        .Label("Label12", kLabelSuffix, 136, 84),
    List(C::Precision, "ComboBox4", &F::Precision, 6,
         kChoose<kPrecisions, &O::Decimals>, 3, {200, 136, 105, 21})
        .Label("Label13", kLabelPrecision, 8, 140),
    List(C::Rounding, "ComboBox5", &F::Rounding, 7,
         kChoose<kRoundings, &O::RoundingMode>, 2, {200, 160, 105, 21})
        .Label("Label21", kLabelRounding, 8, 164),
    Radio(C::ZeroDisplay, "RadioGroup1", &F::ZeroDisplay, 17,
          kCaptionZeroDisplay, kChoose<kZeroDisplays, &O::ZeroDisplay>, 0,
          {8, 184, 145, 41}),
    Radio(C::Unit, "RadioGroup2", &F::Unit, 18, kCaptionUnit,
          kChoose<kUnits, &O::Unit>, 0, {160, 184, 145, 41}),
    Check(C::Separators, "CheckBox1", &F::Separators, 19, kCaptionSeparators,
          {8, 232, 145, 17}, ReadFlag<&O::Separators>),
    Check(C::UnitSuffix, "CheckBox2", &F::UnitSuffix, 20, kCaptionUnitSuffix,
          {152, 232, 105, 17}, ReadFlag<&O::UnitSuffix>),
    Check(C::FullWidth, "CheckBox3", &F::FullWidth, 21, kCaptionFullWidth,
          {256, 232, 129, 17}, ReadFlag<&O::FullWidth>),
    Check(C::AsFigure, "CheckBox4", &F::AsFigure, 22, kCaptionAsFigure,
          {384, 232, 105, 17}, ReadFlag<&O::AsFigure>),
    Edit(C::ValueDistance, "Edit4", &F::ValueDistance, 11, "0.5", 16, kImeOff,
         kAny, {200, 252, 57, 21}, ReadNumber<&O::ValueDistance>)
        .Label("Label3", kLabelValueDistance, 8, 256)
        .Label("Label4", kLabelPaperMm, 264, 256),
    Edit(C::ExtensionGap, "Edit5", &F::ExtensionGap, 12, "2", 16, kImeOff,
         kNotNegative, {200, 276, 57, 21}, ReadNumber<&O::ExtensionGap>)
        .Label("Label5", kLabelExtensionGap, 8, 280)
        .Label("Label8", kLabelPaperMm, 264, 280),
    Edit(C::ExtensionOvershoot, "Edit6", &F::ExtensionOvershoot, 13, "2", 16,
         kImeOff, kNotNegative, {200, 300, 57, 21},
         ReadNumber<&O::ExtensionOvershoot>)
        .Label("Label9", kLabelExtensionOvershoot, 8, 304)
        .Label("Label10", kLabelPaperMm, 264, 304),
    Edit(C::ReverseOvershoot, "Edit9", &F::ReverseOvershoot, 16, "2", 16,
         kImeOff, kNotNegative, {200, 324, 57, 21},
         ReadNumber<&O::ReverseOvershoot>)
        .Label("Label14", kLabelReverseOvershoot, 8, 328)
        .Label("Label22", kLabelPaperMm, 264, 328),
    Button(C::Ok, "Button1", kCaptionOk, {360, 264, 137, 33}),
    Button(C::Cancel, "Button2", kCaptionCancel, {360, 312, 137, 33}),
    Memo(C::Help, "Memo1", kHelpLines, {312, 0, 193, 225}),
    Pane(C::Preview, "Preview", {512, 8, 320, 336}),
    Status(C::Status, "LabelA1", &F::StatusText, kStatusIdle,
           {0, 351, 840, 24}),
};

constexpr bool InTabOrder() {
  int next = 0;
  for (const ControlRow& row : kControls)
    if (row.Id != static_cast<ControlId>(next++)) return false;
  return next == kControlCount;
}
static_assert(InTabOrder(), "one row per ControlId, in its order");

constexpr int kFirstControlLine = 3;

constexpr std::size_t StoredCount() {
  return std::ranges::count_if(kControls, [](const ControlRow& row) {
    return row.SettingsLine >= kFirstControlLine;
  });
}

// The stored controls by line; every line from kFirstControlLine on is
// taken exactly once.
constexpr auto MakeSettingsOrder() {
  std::array<ControlId, StoredCount()> order{};
  std::array<bool, StoredCount()> taken{};
  for (const ControlRow& row : kControls) {
    if (row.SettingsLine == 0) continue;
    if (row.Kind != ControlKind::List && row.Kind != ControlKind::Edit &&
        row.Kind != ControlKind::Radio && row.Kind != ControlKind::Check)
      throw "only values are stored";
    const int slot = row.SettingsLine - kFirstControlLine;
    if (slot < 0 || slot >= static_cast<int>(order.size()) || taken[slot])
      throw "settings line out of order";
    taken[slot] = true;
    order[slot] = row.Id;
  }
  return order;
}
constexpr auto kSettingsOrder = MakeSettingsOrder();

// A list or radio group, or an edit with a limit.
constexpr bool Refusable(const ControlRow& row) {
  const bool limited = row.Accepts.LowBound != Bound::None ||
                       row.Accepts.HighBound != Bound::None;
  return row.Kind == ControlKind::List || row.Kind == ControlKind::Radio ||
         (row.Kind == ControlKind::Edit && limited);
}

constexpr auto MakeCheckOrder() {
  std::array<ControlId, std::ranges::count_if(kControls, Refusable)> order{};
  std::size_t next = 0;
  for (const ControlRow& row : kControls) {
    if (!Refusable(row)) continue;
    for (const ControlRow& early : kControls)
      if (Refusable(early) && early.CheckedBefore == row.Id)
        order.at(next++) = early.Id;
    if (!row.CheckedBefore) order.at(next++) = row.Id;
  }
  if (next != order.size()) throw "checked before a control OK never checks";
  return order;
}
constexpr auto kCheckOrder = MakeCheckOrder();

constexpr auto MakeLabelPlaces() {
  constexpr std::size_t count = [] {
    std::size_t n = 0;
    for (const ControlRow& row : kControls) n += row.LabelCount;
    return n;
  }();
  std::array<LabelPlace, count> labels{};
  std::size_t next = 0;
  for (const ControlRow& row : kControls)
    for (int i = 0; i < row.LabelCount; ++i) labels[next++] = row.Labels[i];
  return labels;
}
constexpr auto kLabelPlaces = MakeLabelPlaces();

int InRange(int index, const std::vector<std::string>& items) {
  return index >= 0 && index < std::ssize(items) ? index : -1;
}

}  // namespace

std::span<const ControlRow> ControlRows() { return kControls; }

const ControlRow& RowOf(ControlId id) {
  return kControls[static_cast<std::size_t>(id)];
}

const char* ControlName(ControlId id) { return RowOf(id).Name; }

ControlKind KindOf(ControlId id) { return RowOf(id).Kind; }

std::span<const ControlId> SettingsOrder() { return kSettingsOrder; }

std::span<const ControlId> CheckOrder() { return kCheckOrder; }

std::span<const LabelPlace> LabelPlaces() { return kLabelPlaces; }

int SelectedItem(const TForm1& form, ControlId id) {
  if (const auto* list = FieldOf<ListControl>(form, id))
    return InRange(list->ItemIndex, list->Items);
  if (const auto* radio = FieldOf<RadioControl>(form, id))
    return InRange(radio->ItemIndex, radio->Items);
  return -1;
}

}  // namespace halvane
