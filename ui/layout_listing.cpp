#include "ui/layout_listing.h"

#include "ui/dialog_layout.h"
#include "util/text_encoding.h"

namespace halvane {

namespace {

std::string Numbers(std::initializer_list<int> numbers) {
  std::string text;
  for (const int n : numbers) {
    if (!text.empty()) text += ' ';
    text += std::to_string(n);
  }
  return text;
}

}  // namespace

std::string ShownText(const ControlRow& row) {
  switch (row.Kind) {
    case ControlKind::List:
      return row.Initial >= 0 ? SjisToUtf8(row.Items[row.Initial]) : "";
    case ControlKind::Memo: {
      std::string text;
      for (const char* line : row.Items) {
        if (line != row.Items.front()) text += "|";
        text += SjisToUtf8(line);
      }
      return text;
    }
    default:
      return SjisToUtf8(row.Text);
  }
}

std::string LayoutListing() {
  std::string out =
      "# Control places (left top width height, client pixels at 96 dpi), "
      "labels\n"
      "# (left top font-height text) and the dialog's frame, as the dialog "
      "must show\n"
      "# them. Checked against what Halvane-probe.exe records. Written by\n"
      "# halvane-layout from the control table: do not edit.\n";
  out += "client " + Numbers({kClientWidth, kClientHeight}) + "\n";
  out += std::string("caption ") + kFormCaption + "\n";
  out += std::string("owner ") + kApplicationTitle + "\n";
  for (const ControlRow& row : ControlRows()) {
    const PixelRect& r = row.Place;
    out += std::string("control ") + row.Name + " " +
           Numbers({r.Left, r.Top, r.Width, r.Height}) + "\n";
  }
  for (const ControlRow& row : ControlRows()) {
    const std::string text = ShownText(row);
    if (row.Kind != ControlKind::Memo && !text.empty())
      out += std::string("text ") + row.Name + " " + text + "\n";
  }
  for (const LabelPlace& label : LabelPlaces())
    out += "label " + Numbers({label.Left, label.Top, label.FontHeight}) + " " +
           SjisToUtf8(label.Text) + "\n";
  for (const ControlRow& row : ControlRows())
    if (row.Kind == ControlKind::Memo) out += "memo " + ShownText(row) + "\n";
  return out;
}

}  // namespace halvane
