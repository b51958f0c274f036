// OK: checks the options, saves them, and draws one dimension.
#include "dimension/dimension_drawing.h"
#include "dimension/dimension_output.h"
#include "exchange/exchange_data.h"
#include "form/form_model.h"
#include "form/form_options.h"
#include "form/form_texts.h"
#include "form/program_files.h"
#include "form/refusal_message.h"

namespace halvane {

namespace {

void ShowStatus(TForm1& form, const char* text) {
  form.StatusText = text;
  form.Toolkit().RepaintStatus();
}

}  // namespace

void TForm1::OkClick() {
  Toolkit().GetPosition(SavedLeft, SavedTop);

  DimensionOptions options;
  if (const auto refused = ReadDimensionOptions(*this, options)) {
    Toolkit().SetFocus(*refused);
    return;
  }
  SaveSettings(InProgramFolder(ProgramFolder, kSettingsFileName));

  ExchangeRun& run = Run();
  const ExchangeData& data = run.Input;
  const auto drawn = DrawDimension(PickedDimensionPoints(data), options, data);
  if (const auto* refusal = std::get_if<PlanRefusal>(&drawn)) {
    Toolkit().ShowMessage(RefusalMessage(*refusal));
    return;
  }

  ShowStatus(*this, kStatusDrawing);
  WriteDrawing(run.Output, std::get<DimensionDrawing>(drawn));
  ShowStatus(*this, kStatusWritingFile);
  Toolkit().Close();
}

}  // namespace halvane
