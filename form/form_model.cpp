#include "form/form_model.h"

#include <type_traits>
#include <variant>

#include "form/form_controls.h"

namespace halvane {

namespace {

void Initialise(ListControl& list, const ControlRow& row) {
  list.Items.assign(row.Items.begin(), row.Items.end());
  list.ItemIndex = row.Initial;
}

void Initialise(EditControl& edit, const ControlRow& row) {
  edit.Text = row.Text;
  edit.MaxLength = row.MaxLength;
}

void Initialise(RadioControl& radio, const ControlRow& row) {
  radio.Caption = row.Text;
  radio.Items.assign(row.Items.begin(), row.Items.end());
  radio.ItemIndex = row.Initial;
}

void Initialise(CheckControl& check, const ControlRow& row) {
  check.Caption = row.Text;
  check.Checked = row.Initial != 0;
}

void Initialise(std::string& caption, const ControlRow& row) {
  caption = row.Text;
}

}  // namespace

TForm1::TForm1() {
  for (const ControlRow& row : ControlRows()) {
    std::visit(
        [&](auto member) {
          if constexpr (!std::is_same_v<decltype(member), std::monostate>)
            Initialise(this->*member, row);
        },
        row.Field);
  }
}

}  // namespace halvane
