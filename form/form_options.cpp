#include "form/form_options.h"

#include "form/form_controls.h"
#include "util/number_parse.h"

namespace halvane {

bool Accepted(const TForm1& form, ControlId id) {
  if (FieldOf<ListControl>(form, id) || FieldOf<RadioControl>(form, id))
    return SelectedItem(form, id) >= 0;
  if (const auto* edit = FieldOf<EditControl>(form, id))
    return WithinLimits(RowOf(id).Accepts, ParseFloat(edit->Text));
  return true;
}

std::optional<ControlId> ReadDimensionOptions(const TForm1& form,
                                              DimensionOptions& options) {
  for (const ControlId id : CheckOrder())
    if (!Accepted(form, id)) return id;
  for (const ControlRow& row : ControlRows())
    if (row.Read) row.Read(form, row.Id, options);
  options.Direction = form.Direction;
  return std::nullopt;
}

}  // namespace halvane
