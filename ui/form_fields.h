// Which field of the form model stands behind each control.
#pragma once

#include "form/form_model.h"

namespace halvane {

enum class ControlKind { List, Edit, Radio, Check, Button, Memo, Status };

inline constexpr int kControlCount = static_cast<int>(ControlId::LabelA1) + 1;

ControlKind KindOf(ControlId id);

// The model field of `id`, or nullptr when `id` is of another kind.
ListControl* ListOf(TForm1& form, ControlId id);
EditControl* EditOf(TForm1& form, ControlId id);
RadioControl* RadioOf(TForm1& form, ControlId id);
CheckControl* CheckOf(TForm1& form, ControlId id);

}  // namespace halvane
