#include "dimension/dimension_output.h"

#include "dimension/dimension_output_internal.h"
#include "exchange/attribute_writers.h"
#include "exchange/entity_writers.h"

namespace halvane {

namespace {

constexpr int kTextKindCs = 2;

}  // namespace

void WriteSegment(ExchangeOutput& out, const Segment& segment) {
  PutZFlags(out, kZ3Flag);
  PutSegment(out, segment.From.x, segment.From.y, segment.To.x, segment.To.y);
}

void WriteEndMarker(ExchangeOutput& out, const EndMarker& marker) {
  if (marker.Kind == MarkerKind::LineArrow) {
    PutZFlags(out, kZ3Flag);
    PutSegment(out, marker.At.x, marker.At.y, marker.Wing1.x, marker.Wing1.y);
    PutZFlags(out, kZ3Flag);
    PutSegment(out, marker.At.x, marker.At.y, marker.Wing2.x, marker.Wing2.y);
  } else {
    PutZFlags(out, kZ3Flag);
    PutPoint(out, static_cast<int32_t>(marker.Kind), marker.At.x, marker.At.y,
             marker.Size, marker.Angle);
  }
}

void PutEndMarker(ExchangeOutput& out, MarkerKind kind, Point end,
                  double end_angle, const MarkerStyle& style) {
  WriteEndMarker(out, MakeEndMarker(kind, end, end_angle, style));
}

void WriteLineAndValue(ExchangeOutput& out, const DimensionLine& line,
                       const TextFrame& frame, const ValueLabel& label,
                       bool as_figure) {
  const Point& d1 = line.D1;
  const Point& d2 = line.D2;
  const Point& at = label.Position;
  const Point& dir = label.Direction;
  if (as_figure) {
    PutTextType(out, frame.Type, frame.Color, 0, frame.W, frame.H, frame.D);
    PutDimText(out, label.Text, d1.x, d1.y, d2.x, d2.y, at.x, at.y, dir.x,
               dir.y);
    return;
  }
  PutZFlags(out, kZ3Flag);
  PutSegment(out, d1.x, d1.y, d2.x, d2.y);
  PutTextType(out, frame.Type, frame.Color, 0, frame.W, frame.H, frame.D);
  PutTextCode(out, 0);
  PutZFlags(out, kZ3Flag);
  PutText(out, kTextKindCs, label.Text, at.x, at.y, dir.x, dir.y);
}

void WriteDimension(ExchangeOutput& out, const DimensionPlan& plan,
                    bool as_figure) {
  WriteSegment(out, plan.Extension1);
  WriteSegment(out, plan.Extension2);
  WriteLineAndValue(out, plan.Line, plan.Frame, plan.Label, as_figure);
  if (plan.Run1) WriteSegment(out, *plan.Run1);
  WriteEndMarker(out, plan.StartMark);
  if (plan.Run2) WriteSegment(out, *plan.Run2);
  WriteEndMarker(out, plan.EndMark);
}

}  // namespace halvane
