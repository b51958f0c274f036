#include "ui/form_fields.h"

namespace halvane {

ControlKind KindOf(ControlId id) {
  switch (id) {
    case ControlId::ComboBox1:
    case ControlId::ComboBox2:
    case ControlId::ComboBox3:
    case ControlId::ComboBox4:
    case ControlId::ComboBox5:
      return ControlKind::List;
    case ControlId::RadioGroup1:
    case ControlId::RadioGroup2:
      return ControlKind::Radio;
    case ControlId::CheckBox1:
    case ControlId::CheckBox2:
    case ControlId::CheckBox3:
    case ControlId::CheckBox4:
      return ControlKind::Check;
    case ControlId::Button1:
    case ControlId::Button2:
      return ControlKind::Button;
    case ControlId::Memo1:
      return ControlKind::Memo;
    case ControlId::LabelA1:
      return ControlKind::Status;
    default:
      return ControlKind::Edit;
  }
}

ListControl* ListOf(TForm1& form, ControlId id) {
  switch (id) {
    case ControlId::ComboBox1:
      return &form.ComboBox1;
    case ControlId::ComboBox2:
      return &form.ComboBox2;
    case ControlId::ComboBox3:
      return &form.ComboBox3;
    case ControlId::ComboBox4:
      return &form.ComboBox4;
    case ControlId::ComboBox5:
      return &form.ComboBox5;
    default:
      return nullptr;
  }
}

EditControl* EditOf(TForm1& form, ControlId id) {
  switch (id) {
    case ControlId::Edit1:
      return &form.Edit1;
    case ControlId::Edit2:
      return &form.Edit2;
    case ControlId::Edit3:
      return &form.Edit3;
    case ControlId::Edit4:
      return &form.Edit4;
    case ControlId::Edit5:
      return &form.Edit5;
    case ControlId::Edit6:
      return &form.Edit6;
    case ControlId::Edit7:
      return &form.Edit7;
    case ControlId::Edit8:
      return &form.Edit8;
    case ControlId::Edit9:
      return &form.Edit9;
    default:
      return nullptr;
  }
}

RadioControl* RadioOf(TForm1& form, ControlId id) {
  switch (id) {
    case ControlId::RadioGroup1:
      return &form.RadioGroup1;
    case ControlId::RadioGroup2:
      return &form.RadioGroup2;
    default:
      return nullptr;
  }
}

CheckControl* CheckOf(TForm1& form, ControlId id) {
  switch (id) {
    case ControlId::CheckBox1:
      return &form.CheckBox1;
    case ControlId::CheckBox2:
      return &form.CheckBox2;
    case ControlId::CheckBox3:
      return &form.CheckBox3;
    case ControlId::CheckBox4:
      return &form.CheckBox4;
    default:
      return nullptr;
  }
}

}  // namespace halvane
