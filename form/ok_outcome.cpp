#include "form/ok_outcome.h"

#include "form/form_options.h"

namespace halvane {

OkOutcome DecideOk(const TForm1& form, const DimensionPoints& points) {
  DimensionOptions options;
  if (const auto refused = ReadDimensionOptions(form, options)) return *refused;
  auto drawn = DrawDimension(points, options, form.Run().Input);
  if (const auto* refusal = std::get_if<PlanRefusal>(&drawn)) return *refusal;
  return std::get<DimensionDrawing>(std::move(drawn));
}

}  // namespace halvane
