#include "ui/form_fields.h"

#include <cstddef>

namespace halvane {

namespace {

template <class Field>
struct FieldOf {
  ControlId Id;
  Field TForm1::*Member;
};

template <class Field, std::size_t N>
Field* Find(TForm1& form, ControlId id, const FieldOf<Field> (&fields)[N]) {
  for (const FieldOf<Field>& field : fields)
    if (field.Id == id) return &(form.*field.Member);
  return nullptr;
}

using C = ControlId;
using F = TForm1;

constexpr FieldOf<ListControl> kLists[] = {{C::ComboBox1, &F::ComboBox1},
                                           {C::ComboBox2, &F::ComboBox2},
                                           {C::ComboBox3, &F::ComboBox3},
                                           {C::ComboBox4, &F::ComboBox4},
                                           {C::ComboBox5, &F::ComboBox5}};
constexpr FieldOf<EditControl> kEdits[] = {
    {C::Edit1, &F::Edit1}, {C::Edit2, &F::Edit2}, {C::Edit3, &F::Edit3},
    {C::Edit4, &F::Edit4}, {C::Edit5, &F::Edit5}, {C::Edit6, &F::Edit6},
    {C::Edit7, &F::Edit7}, {C::Edit8, &F::Edit8}, {C::Edit9, &F::Edit9}};
constexpr FieldOf<RadioControl> kRadios[] = {{C::RadioGroup1, &F::RadioGroup1},
                                             {C::RadioGroup2, &F::RadioGroup2}};
constexpr FieldOf<CheckControl> kChecks[] = {{C::CheckBox1, &F::CheckBox1},
                                             {C::CheckBox2, &F::CheckBox2},
                                             {C::CheckBox3, &F::CheckBox3},
                                             {C::CheckBox4, &F::CheckBox4}};

template <class Field, std::size_t N>
bool Contains(ControlId id, const FieldOf<Field> (&fields)[N]) {
  for (const FieldOf<Field>& field : fields)
    if (field.Id == id) return true;
  return false;
}

}  // namespace

ControlKind KindOf(ControlId id) {
  if (Contains(id, kLists)) return ControlKind::List;
  if (Contains(id, kEdits)) return ControlKind::Edit;
  if (Contains(id, kRadios)) return ControlKind::Radio;
  if (Contains(id, kChecks)) return ControlKind::Check;
  if (id == ControlId::Memo1) return ControlKind::Memo;
  if (id == ControlId::LabelA1) return ControlKind::Status;
  return ControlKind::Button;
}

ListControl* ListOf(TForm1& form, ControlId id) {
  return Find(form, id, kLists);
}
EditControl* EditOf(TForm1& form, ControlId id) {
  return Find(form, id, kEdits);
}
RadioControl* RadioOf(TForm1& form, ControlId id) {
  return Find(form, id, kRadios);
}
CheckControl* CheckOf(TForm1& form, ControlId id) {
  return Find(form, id, kChecks);
}

}  // namespace halvane
