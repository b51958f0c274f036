#include "exchange/exchange_data.h"

#include <utility>

#include "exchange/attribute_writers.h"

namespace halvane {
namespace {

// Empties a string and gives its heap buffer back.
void Release(std::string& s) { std::string().swap(s); }

void ReleaseStorage(ExchangeData& d) {
  Release(d.HostFileName);
  Release(d.HostFontName);
  Release(d.CurFontName);
  for (std::string& name : d.GroupName) Release(name);
  for (std::string& name : d.LayerName) Release(name);
  d.Lines.Clear();
  d.Circles.Clear();
  d.Arcs.Clear();
  d.Texts.Clear();
  d.Points.Clear();
  d.PointsEx.Clear();
  d.Dims.Clear();
  d.Blocks.Clear();
  d.Solids2.Clear();
  d.Solids3.Clear();
  d.Solids4.Clear();
  d.SolidsSc.Clear();
  d.SolidsSe.Clear();
  d.SolidsSo.Clear();
  d.SolidsSg.Clear();
  d.EntityOrder.Clear();
  d.Output.Clear();
}

void InitHeader(ExchangeData& d) {
  d.DrawingAngle = 0;
  d.GroupScale.fill(1.0);
  d.PaperWidth = 1189.0;
  d.PaperHeight = 841.0;
  d.TextTypes.fill(TJwwTextType{3.0, 3.0, 0.0, 2});
  d.HnValues.fill(0);
  d.GroupValue.fill(0);
  d.LayerValue.fill(0);
}

void InitFirstLineValues(ExchangeData& d) {
  d.HostGroup = 0;
  d.HostLayer = 0;
  d.HostLineColor = 1;
  d.HostLineType = 1;
  d.HostLineWidth = 0;
  d.HostTextType = 1;
  d.HostFreeW = 2.0;
  d.HostFreeH = 2.0;
  d.HostFreeD = 0.0;
  d.HostFreeColor = 1;
  d.LineWidthGiven = false;
}

void InitCurrentAttributes(ExchangeData& d) {
  ResetWriterState();  // the writers' defaults are the reader's start values
  // Until the first line of each of these kinds the flag marks that its
  // first-line value has not been taken yet.
  d.Force.fill(false);
  d.Force[kForceGroup] = true;
  d.Force[kForceLayer] = true;
  d.Force[kForceLineColor] = true;
  d.Force[kForceLineType] = true;
  d.Force[kForceLineWidth] = true;
  d.Force[kForceTextType] = true;
}

void InitReaderState(ExchangeData& d) {
  d.CurPickRef = 0;
  d.CurZFlags = 0;
  d.PolylineNo = 0;
  d.InPolyline = false;
  d.InDimension = false;
  d.HeldDimLine = TJwwEntLine{};
  d.HeldDimLine.Head = TJwwEntHead{0, 0, 0, 1, 1, 0, 0};
  d.HeldDimLine.X2 = 1.0;
  d.PickedPoints.fill(TJwwPickPoint{});
  d.PickedCount = 0;
}

}  // namespace

// A plain global rather than a function's static, so no use pays for a
// guard; no other static object's constructor reaches for it.
ExchangeData exchange_detail::instance{};

void InitExchangeData() {
  ExchangeData& d = Exchange();
  ReleaseStorage(d);
  InitHeader(d);
  InitFirstLineValues(d);
  InitCurrentAttributes(d);
  InitReaderState(d);
}

void FreeExchangeData() { ReleaseStorage(Exchange()); }

}  // namespace halvane
