#include "form/form_options.h"

#include "form/form_controls.h"
#include "util/number_parse.h"
#include "util/sjis_text.h"

namespace halvane {

namespace {

int InRange(int index, std::size_t count) {
  return index >= 0 && static_cast<std::size_t>(index) < count ? index : -1;
}

// A prefix or suffix of blanks only counts as none; otherwise it is kept as
// typed, spaces included.
std::string Affix(const std::string& text) {
  return StripSpaces(text).empty() ? std::string() : text;
}

// The order in which OK checks the controls: the markers' scale before the
// line arrow's length and angle, the rest in tab order.
constexpr ControlId kCheckOrder[] = {
    ControlId::StartMarker,      ControlId::EndMarker,
    ControlId::MarkerScale,      ControlId::ArrowLength,
    ControlId::ArrowAngle,       ControlId::TextType,
    ControlId::Precision,        ControlId::Rounding,
    ControlId::ZeroDisplay,      ControlId::Unit,
    ControlId::ExtensionGap,     ControlId::ExtensionOvershoot,
    ControlId::ReverseOvershoot,
};

// An item index that names an item of the list (no selection is -1).
int SelectedIndex(const ListControl& list) {
  return InRange(list.ItemIndex, list.Items.size());
}

int SelectedIndex(const RadioControl& radio) {
  return InRange(radio.ItemIndex, radio.Items.size());
}

}  // namespace

bool Accepted(const TForm1& form, ControlId id) {
  if (const auto* list = FieldOf<ListControl>(form, id))
    return SelectedIndex(*list) >= 0;
  if (const auto* radio = FieldOf<RadioControl>(form, id))
    return SelectedIndex(*radio) >= 0;
  if (const auto* edit = FieldOf<EditControl>(form, id))
    return WithinLimits(RowOf(id).Accepts, ParseFloat(edit->Text));
  return true;
}

std::span<const ControlId> CheckOrder() { return kCheckOrder; }

std::optional<ControlId> ReadDimensionOptions(const TForm1& form,
                                              DimensionOptions& options) {
  for (const ControlId id : kCheckOrder)
    if (!Accepted(form, id)) return id;

  options.StartKind = static_cast<MarkerKind>(SelectedIndex(form.StartMarker));
  options.EndKind = static_cast<MarkerKind>(SelectedIndex(form.EndMarker));
  options.MarkerScale = ParseFloat(form.MarkerScale.Text);
  options.ArrowLength = ParseFloat(form.ArrowLength.Text);
  options.ArrowAngle = ParseFloat(form.ArrowAngle.Text);
  options.TextTypeChoice = SelectedIndex(form.TextType);
  options.Prefix = Affix(form.Prefix.Text);
  options.Suffix = Affix(form.Suffix.Text);
  options.Decimals = SelectedIndex(form.Precision);
  options.RoundingMode = static_cast<Rounding>(SelectedIndex(form.Rounding));
  options.ZeroDisplay =
      static_cast<TrailingZeros>(SelectedIndex(form.ZeroDisplay));
  options.Unit = static_cast<LengthUnit>(SelectedIndex(form.Unit));
  options.Separators = form.Separators.Checked;
  options.UnitSuffix = form.UnitSuffix.Checked;
  options.FullWidth = form.FullWidth.Checked;
  options.AsFigure = form.AsFigure.Checked;
  options.ValueDistance = ParseFloat(form.ValueDistance.Text);
  options.ExtensionGap = ParseFloat(form.ExtensionGap.Text);
  options.ExtensionOvershoot = ParseFloat(form.ExtensionOvershoot.Text);
  options.ReverseOvershoot = ParseFloat(form.ReverseOvershoot.Text);
  options.Direction = form.Direction;
  return std::nullopt;
}

}  // namespace halvane
