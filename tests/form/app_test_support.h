// The form's settings as readable entries, for the tests of the run
// sequence and the settings file.
#pragma once

#include <string>
#include <vector>

#include "form/form_controls.h"
#include "tests/support/temp_folder.h"

namespace halvane::test {

// Every value the settings file stores, one readable entry per control, in
// the order of the file's lines from line 3.
inline std::vector<std::string> Snapshot(const TForm1& form) {
  std::vector<std::string> values;
  for (const ControlId id : SettingsOrder()) {
    if (const auto* list = FieldOf<ListControl>(form, id))
      values.push_back("list " + std::to_string(list->ItemIndex));
    if (const auto* edit = FieldOf<EditControl>(form, id))
      values.push_back("edit [" + edit->Text + "]");
    if (const auto* radio = FieldOf<RadioControl>(form, id))
      values.push_back("radio " + std::to_string(radio->ItemIndex));
    if (const auto* check = FieldOf<CheckControl>(form, id))
      values.push_back(check->Checked ? "checked" : "unchecked");
  }
  return values;
}

}  // namespace halvane::test
