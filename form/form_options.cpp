#include "form/form_options.h"

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

}  // namespace

int SelectedIndex(const ListControl& list) {
  return InRange(list.ItemIndex, list.Items.size());
}

int SelectedIndex(const RadioControl& radio) {
  return InRange(radio.ItemIndex, radio.Items.size());
}

std::optional<ControlId> ReadDimensionOptions(const TForm1& form,
                                              DimensionOptions& options) {
  const int start_kind = SelectedIndex(form.ComboBox1);
  const int end_kind = SelectedIndex(form.ComboBox2);
  options.MarkerScale = ParseFloat(form.Edit1.Text);
  if (start_kind < 0) return ControlId::ComboBox1;
  if (end_kind < 0) return ControlId::ComboBox2;
  options.StartKind = static_cast<MarkerKind>(start_kind);
  options.EndKind = static_cast<MarkerKind>(end_kind);
  if (!(options.MarkerScale > 0)) return ControlId::Edit1;

  options.ArrowLength = ParseFloat(form.Edit7.Text);
  options.ArrowAngle = ParseFloat(form.Edit8.Text);
  if (!(options.ArrowLength > 0 && options.ArrowLength <= 1000)) {
    return ControlId::Edit7;
  }
  if (!(options.ArrowAngle > 0 && options.ArrowAngle < 180)) {
    return ControlId::Edit8;
  }

  options.TextTypeChoice = SelectedIndex(form.ComboBox3);
  options.Prefix = Affix(form.Edit2.Text);
  options.Suffix = Affix(form.Edit3.Text);
  options.Decimals = SelectedIndex(form.ComboBox4);
  const int rounding = SelectedIndex(form.ComboBox5);
  const int zero_display = SelectedIndex(form.RadioGroup1);
  const int unit = SelectedIndex(form.RadioGroup2);
  options.Separators = form.CheckBox1.Checked;
  options.UnitSuffix = form.CheckBox2.Checked;
  options.FullWidth = form.CheckBox3.Checked;
  options.AsFigure = form.CheckBox4.Checked;
  options.ValueDistance = ParseFloat(form.Edit4.Text);
  options.ExtensionGap = ParseFloat(form.Edit5.Text);
  options.ExtensionOvershoot = ParseFloat(form.Edit6.Text);
  options.ReverseOvershoot = ParseFloat(form.Edit9.Text);

  if (options.TextTypeChoice < 0) return ControlId::ComboBox3;
  if (options.Decimals < 0) return ControlId::ComboBox4;
  if (rounding < 0) return ControlId::ComboBox5;
  if (zero_display < 0) return ControlId::RadioGroup1;
  if (unit < 0) return ControlId::RadioGroup2;
  options.RoundingMode = static_cast<Rounding>(rounding);
  options.ZeroDisplay = static_cast<TrailingZeros>(zero_display);
  options.Unit = static_cast<LengthUnit>(unit);
  if (!(options.ExtensionGap >= 0)) return ControlId::Edit5;
  if (!(options.ExtensionOvershoot >= 0)) return ControlId::Edit6;
  if (!(options.ReverseOvershoot >= 0)) return ControlId::Edit9;
  return std::nullopt;
}

}  // namespace halvane
