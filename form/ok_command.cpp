// OK: checks the options, saves them, and draws one dimension.
#include "dimension/dimension_drawing.h"
#include "dimension/dimension_output.h"
#include "exchange/exchange_data.h"
#include "form/form_model.h"
#include "form/ok_outcome.h"
#include "form/program_files.h"
#include "form/refusal_message.h"
#include "util/texts.h"

namespace halvane {

namespace {

void ShowStatus(TForm1& form, const char* text) {
  form.StatusText = text;
  form.Toolkit().RepaintStatus();
}

}  // namespace

void TForm1::OkClick() {
  Toolkit().GetPosition(SavedLeft, SavedTop);

  ExchangeRun& run = Run();
  const OkOutcome outcome = DecideOk(*this, PickedDimensionPoints(run.Input));
  if (const auto* refused = std::get_if<ControlId>(&outcome)) {
    Toolkit().SetFocus(*refused);
    return;
  }
  SaveSettings(InProgramFolder(ProgramFolder, kSettingsFileName));
  if (const auto* refusal = std::get_if<PlanRefusal>(&outcome)) {
    Toolkit().ShowMessage(RefusalMessage(*refusal));
    return;
  }

  ShowStatus(*this, kStatusDrawing);
  WriteDrawing(run.Output, std::get<DimensionDrawing>(outcome));
  ShowStatus(*this, kStatusWritingFile);
  Toolkit().Close();
}

}  // namespace halvane
