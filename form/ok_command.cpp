// OK: checks the options, saves them, and draws one dimension.
#include "dimension/dimension_output.h"
#include "exchange/attribute_writers.h"
#include "exchange/exchange_data.h"
#include "form/form_model.h"
#include "form/form_options.h"
#include "form/program_files.h"
#include "util/texts.h"

namespace halvane {

namespace {

void ShowStatus(TForm1& form, const char* text) {
  form.StatusText = text;
  form.Toolkit().RepaintStatus();
}

void WriteHostAttributes(ExchangeOutput& out, const ExchangeData& data) {
  PutLayerGroup(out, data.HostGroup);
  PutLayer(out, data.HostLayer);
  PutLineColor(out, data.HostLineColor, 0);
  PutPointColor(out, data.HostLineColor, 0);
  PutLineType(out, data.HostLineType, 0);
  PutLineWidth(out, data.HostLineWidth);
  PutFontName(out, data.HostFontName);
}

DimensionPoints PickedDimensionPoints(const ExchangeData& data) {
  const auto point = [&](int n) {
    return Point{data.PickedPoints[n].X, data.PickedPoints[n].Y};
  };
  return {point(1), point(2), point(3), point(4)};
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
  const auto plan = PlanDimension(PickedDimensionPoints(data), options, data);
  if (!plan) {
    Toolkit().ShowMessage(kZeroLengthMessage);
    return;
  }

  ShowStatus(*this, kStatusDrawing);
  WriteHostAttributes(run.Output, data);
  WriteDimension(run.Output, *plan, options.AsFigure);
  PutTextType(run.Output, data.HostTextType, data.HostFreeColor, 0,
              data.HostFreeW, data.HostFreeH, data.HostFreeD);
  ShowStatus(*this, kStatusWritingFile);
  Toolkit().Close();
}

}  // namespace halvane
