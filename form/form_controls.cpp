#include "form/form_controls.h"

#include <algorithm>
#include <array>

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
using Items = std::span<const char* const>;

constexpr const char* kMarkerKinds[] = {
    "\x90\xfc\x96\xee\x88\xf3" /* 線矢印 */,
    "\x81\xa2" /* △ */,
    "\x81\xa0" /* □ */,
    "\x82\x6e" /* Ｏ */,
    "\x81\x9b" /* ○ */,
    "\x81\xa1" /* ■ */,
    "\x81\xa3" /* ▲ */,
    "\x81\x9c" /* ● */,
    "\x81\x60" /* ～ */,
    "\x81\x84" /* ＞ */,
    "\x81\x5e" /* ／ */,
    "\x81\xa2" /* △ */,
};
constexpr const char* kPrecisions[] = {"1",        "0.1",       "0.01",
                                       "0.001",    "0.0001",    "0.00001",
                                       "0.000001", "0.0000001", "0.00000001"};
constexpr const char* kRoundings[] = {
    "\x90\xd8\x82\xe8\x8e\xcc\x82\xc4" /* 切り捨て */,
    "\x90\xd8\x82\xe8\x8f\xe3\x82\xb0" /* 切り上げ */,
    "\x8e\x6c\x8e\xcc\x8c\xdc\x93\xfc" /* 四捨五入 */,
};
constexpr const char* kZeroDisplays[] = {"\x96\xb3" /* 無 */,
                                         "\x97\x4c" /* 有 */};
constexpr const char* kUnits[] = {"mm", "\x82\x8d" /* ｍ */};

// The help text beside the options, one entry per line.
constexpr const char* kHelpLines[] = {
    "\x81\x9e\x90\xa1\x96\x40\x92\x6c\x82\xcc\x90\x85\x95\xbd\x88"
    "\xca\x92\x75\x82\xf0" /* ◇寸法値の水平位置を */,
    "\x81\x40\x8e\x77\x92\xe8\x8f\x6f\x97\x88\x82\xe9\x90\x85\x95"
    "\xbd\x90\xa1\x96\x40\x90\xfc" /* 　指定出来る水平寸法線 */,
    "\x81\x40\x82\xf0\x8d\xec\x90\x7d\x82\xb5\x82\xdc\x82\xb7" /* 　を作図します
                                                                */
    ,
    "\x81\x9e\x90\xa1\x96\x40\x92\x6c\x82\xcc\x88\xca\x92\x75\x8e"
    "\x77\x92\xe8\x82\xcd" /* ◇寸法値の位置指定は */,
    "\x81\x40\x90\xa1\x96\x40\x92\x6c\x82\xaa\x92\x86\x89\x9b\x82"
    "\xcc\x8f\xea\x8d\x87\x82\xcd" /* 　寸法値が中央の場合は */,
    "\x81\x40\x81\x40\x81\x40\x92\x86\x89\xba\x93\x5f\x8a\xee\x8f"
    "\x80" /* 　　　中下点基準 */,
    "\x81\x40\x90\xa1\x96\x40\x92\x6c\x82\xaa\x8d\xb6\x8f\x6f\x82"
    "\xb5\x82\xcc\x8f\xea\x8d\x87\x82\xcd" /* 　寸法値が左出しの場合は
                                            */
    ,
    "\x81\x40\x81\x40\x81\x40\x89\x45\x89\xba\x93\x5f\x8a\xee\x8f"
    "\x80\x81\x40" /* 　　　右下点基準　 */,
    "\x81\x40\x90\xa1\x96\x40\x92\x6c\x82\xaa\x89\x45\x8f\x6f\x82"
    "\xb5\x82\xcc\x8f\xea\x8d\x87\x82\xcd" /* 　寸法値が右出しの場合は
                                            */
    ,
    "\x81\x40\x81\x40\x81\x40\x8d\xb6\x89\xba\x93\x5f\x8a\xee\x8f"
    "\x80" /* 　　　左下点基準 */,
    "\x81\x40\x82\xc6\x82\xc8\x82\xe8\x82\xdc\x82\xb7" /* 　となります
                                                        */
    ,
    "\x81\x9e\x90\xa1\x96\x40\x92\x6c\x82\xaa\x90\xa1\x96\x40\x95"
    "\xe2\x8f\x95\x90\xfc\x8a\xd4" /* ◇寸法値が寸法補助線間 */,
    "\x81\x40\x8b\x79\x82\xd1\x81\x41\x90\xa1\x96\x40\x95\xe2\x8f"
    "\x95\x90\xfc\x82\xc6" /* 　及び、寸法補助線と */,
    "\x81\x40\x8f\x64\x82\xc8\x82\xe9\x8f\xea\x8d\x87\x82\xc9\x82"
    "\xcd" /* 　重なる場合には */,
    "\x81\x40\x8b\x74\x96\xee\x88\xf3\x82\xc9\x82\xcd\x82\xc8\x82"
    "\xe8\x82\xdc\x82\xb9\x82\xf1" /* 　逆矢印にはなりません */,
    "",
    "\x81\x9f\x83\x75\x83\x8d\x83\x62\x83\x4e\x90\x7d\x8c\x60\x93"
    "\xe0\x82\xcc\x82\xe0\x82\xcc" /* ◆ブロック図形内のもの */,
    "\x81\x40\x82\xcd\x8f\x88\x97\x9d\x8f\x6f\x97\x88\x82\xdc\x82"
    "\xb9\x82\xf1\x82\xcc\x82\xc5" /* 　は処理出来ませんので */,
    "\x81\x40\x8c\xe4\x92\x8d\x88\xd3\x89\xba\x82\xb3\x82\xa2\x81"
    "\x42" /* 　御注意下さい。 */,
    "\x81\x40\x83\x75\x83\x8d\x83\x62\x83\x4e\x95\xd2\x8f\x57\x93"
    "\xe0\x82\xc5\x8d\x73\x82\xa4" /* 　ブロック編集内で行う */,
    "\x81\x40\x8f\xea\x8d\x87\x82\xc9\x82\xcd\x81\x41\x96\x7b\x83"
    "\x5c\x83\x74\x83\x67\x82\xf0" /* 　場合には、本ソフトを */,
    "\x81\x40Jw_"
    "cad\x82\xcc\x83\x43\x83\x93\x83\x58\x83\x67\x81\x5b\x83\x8b"
    "\x81\x45" /* 　Jw_cadのインストール・ */,
    "\x81\x40\x83\x74\x83\x48\x83\x8b\x83\x5f\x82\xc9\x94\x7a\x92"
    "\x75\x82\xb5\x82\xc4" /* 　フォルダに配置して */,
    "\x81\x40\x8e\xc0\x8d\x73\x82\xf0\x8d\x73\x82\xa4\x95\x4b\x97"
    "\x76\x82\xaa\x82\xa0\x82\xe9" /* 　実行を行う必要がある */,
    "\x81\x40\x8f\xea\x8d\x87\x82\xaa\x82\xa0\x82\xe8\x82\xdc\x82"
    "\xb7\x81\x42" /* 　場合があります。 */,
};

// One builder per kind, so that a row names only what its kind uses.
constexpr ControlRow List(C id, const char* name, ListControl F::*field,
                          int line, Items items, int selected,
                          PixelRect place) {
  return {.Id = id,
          .Name = name,
          .Kind = ControlKind::List,
          .Field = field,
          .SettingsLine = line,
          .Items = items,
          .Initial = selected,
          .ImeOff = true,
          .Place = place};
}
constexpr ControlRow Edit(C id, const char* name, EditControl F::*field,
                          int line, const char* text, int max_length,
                          bool ime_off, Limits accepts, PixelRect place) {
  return {.Id = id,
          .Name = name,
          .Kind = ControlKind::Edit,
          .Field = field,
          .SettingsLine = line,
          .Text = text,
          .MaxLength = max_length,
          .ImeOff = ime_off,
          .Accepts = accepts,
          .Place = place};
}
constexpr ControlRow Radio(C id, const char* name, RadioControl F::*field,
                           int line, const char* caption, Items items,
                           int selected, PixelRect place) {
  return {.Id = id,
          .Name = name,
          .Kind = ControlKind::Radio,
          .Field = field,
          .SettingsLine = line,
          .Text = caption,
          .Items = items,
          .Initial = selected,
          .Place = place};
}
constexpr ControlRow Check(C id, const char* name, CheckControl F::*field,
                           int line, const char* caption, PixelRect place) {
  return {.Id = id,
          .Name = name,
          .Kind = ControlKind::Check,
          .Field = field,
          .SettingsLine = line,
          .Text = caption,
          .Initial = 0,
          .Place = place};
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
    List(C::StartMarker, "ComboBox1", &F::StartMarker, 3, kMarkerKinds, 0,
         {48, 4, 81, 21}),
    List(C::EndMarker, "ComboBox2", &F::EndMarker, 4, kMarkerKinds, 0,
         {48, 28, 81, 21}),
    Edit(C::ArrowLength, "Edit7", &F::ArrowLength, 14, "3", 8, kImeOff,
         {Bound::Open, 0, Bound::Closed, 1000}, {48, 64, 33, 21}),
    Edit(C::ArrowAngle, "Edit8", &F::ArrowAngle, 15, "15", 8, kImeOff,
         {Bound::Open, 0, Bound::Open, 180}, {48, 88, 33, 21}),
    Edit(C::MarkerScale, "Edit1", &F::MarkerScale, 8, "1", 16, kImeOff,
         kPositive, {72, 112, 57, 21}),
    // Filled with the host's text types when the form is shown.
    List(C::TextType, "ComboBox3", &F::TextType, 5, {}, -1, {136, 28, 169, 21}),
    Edit(C::Prefix, "Edit2", &F::Prefix, 9, "", 32, kImeOn, kAny,
         {200, 56, 105, 21}),
    Edit(C::Suffix, "Edit3", &F::Suffix, 10, "", 32, kImeOn, kAny,
         {200, 80, 105, 21}),
    List(C::Precision, "ComboBox4", &F::Precision, 6, kPrecisions, 3,
         {200, 136, 105, 21}),
    List(C::Rounding, "ComboBox5", &F::Rounding, 7, kRoundings, 2,
         {200, 160, 105, 21}),
    Radio(C::ZeroDisplay, "RadioGroup1", &F::ZeroDisplay, 17,
          "\x8f\xac\x90\x94\x93\x5f\x88\xc8\x89\xba\x82\xcc\x82\x4f\x95\x5c"
          "\x8e\xa6" /* 小数点以下の０表示 */,
          kZeroDisplays, 0, {8, 184, 145, 41}),
    Radio(C::Unit, "RadioGroup2", &F::Unit, 18,
          "\x90\xa1\x96\x40\x92\x6c\x82\xcc\x92\x50\x88\xca" /* 寸法値の単位 */,
          kUnits, 0, {160, 184, 145, 41}),
    Check(C::Separators, "CheckBox1", &F::Separators, 19,
          "\x82\x52\x8c\x85\x96\x88\x83\x4a\x83\x93\x83\x7d\x95\x74\x89\xc1"
          /* ３桁毎カンマ付加 */,
          {8, 232, 145, 17}),
    Check(C::UnitSuffix, "CheckBox2", &F::UnitSuffix, 20,
          "\x92\x50\x88\xca\x82\xcc\x95\x74\x89\xc1" /* 単位の付加 */,
          {152, 232, 105, 17}),
    Check(C::FullWidth, "CheckBox3", &F::FullWidth, 21,
          "\x90\xa1\x96\x40\x92\x6c\x82\xf0\x91\x53\x8a\x70\x89\xbb"
          /* 寸法値を全角化 */,
          {256, 232, 129, 17}),
    Check(C::AsFigure, "CheckBox4", &F::AsFigure, 22,
          "\x90\xa1\x96\x40\x90\x7d\x8c\x60\x89\xbb" /* 寸法図形化 */,
          {384, 232, 105, 17}),
    Edit(C::ValueDistance, "Edit4", &F::ValueDistance, 11, "0.5", 16, kImeOff,
         kAny, {200, 252, 57, 21}),
    Edit(C::ExtensionGap, "Edit5", &F::ExtensionGap, 12, "2", 16, kImeOff,
         kNotNegative, {200, 276, 57, 21}),
    Edit(C::ExtensionOvershoot, "Edit6", &F::ExtensionOvershoot, 13, "2", 16,
         kImeOff, kNotNegative, {200, 300, 57, 21}),
    Edit(C::ReverseOvershoot, "Edit9", &F::ReverseOvershoot, 16, "2", 16,
         kImeOff, kNotNegative, {200, 324, 57, 21}),
    Button(C::Ok, "Button1", "\x82\x6e\x82\x6a(&Y)" /* ＯＫ(&Y) */,
           {360, 264, 137, 33}),
    Button(C::Cancel, "Button2",
           "\x83\x4c\x83\x83\x83\x93\x83\x5a\x83\x8b(&N)" /* キャンセル(&N) */,
           {360, 312, 137, 33}),
    Memo(C::Help, "Memo1", kHelpLines, {312, 0, 193, 225}),
    Pane(C::Preview, "Preview", {512, 8, 320, 336}),
    Status(C::Status, "LabelA1", &F::StatusText,
           "\x81\x40" /* full-width space */, {0, 351, 840, 24}),
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

}  // namespace

std::span<const ControlRow> ControlRows() { return kControls; }

const ControlRow& RowOf(ControlId id) {
  return kControls[static_cast<std::size_t>(id)];
}

const char* ControlName(ControlId id) { return RowOf(id).Name; }

ControlKind KindOf(ControlId id) { return RowOf(id).Kind; }

std::span<const ControlId> SettingsOrder() { return kSettingsOrder; }

}  // namespace halvane
