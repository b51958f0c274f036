// The form's settings as readable entries, for the tests of the run
// sequence and the settings file.
#pragma once

#include <string>
#include <vector>

#include "form/form_model.h"
#include "tests/support/temp_folder.h"

namespace halvane::test {

// Every value the settings file stores, one readable entry per control.
inline std::vector<std::string> Snapshot(const TForm1& form) {
  std::vector<std::string> values;
  for (const ListControl* list :
       {&form.ComboBox1, &form.ComboBox2, &form.ComboBox3, &form.ComboBox4,
        &form.ComboBox5}) {
    values.push_back("list " + std::to_string(list->ItemIndex));
  }
  for (const EditControl* edit :
       {&form.Edit1, &form.Edit2, &form.Edit3, &form.Edit4, &form.Edit5,
        &form.Edit6, &form.Edit7, &form.Edit8, &form.Edit9}) {
    values.push_back("edit [" + edit->Text + "]");
  }
  for (const RadioControl* radio : {&form.RadioGroup1, &form.RadioGroup2}) {
    values.push_back("radio " + std::to_string(radio->ItemIndex));
  }
  for (const CheckControl* check :
       {&form.CheckBox1, &form.CheckBox2, &form.CheckBox3, &form.CheckBox4}) {
    values.push_back(check->Checked ? "checked" : "unchecked");
  }
  return values;
}

}  // namespace halvane::test
