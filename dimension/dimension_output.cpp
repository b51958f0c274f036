#include "dimension/dimension_output.h"

#include "exchange/attribute_writers.h"
#include "exchange/entity_writers.h"

namespace halvane {

namespace {

constexpr int kTextKindCs = 2;

}  // namespace

void WriteSegment(const Segment& segment) {
  PutZFlags(4);
  PutSegment(segment.From.x, segment.From.y, segment.To.x, segment.To.y);
}

void WriteEndMarker(const EndMarker& marker) {
  if (marker.Kind == MarkerKind::LineArrow) {
    PutZFlags(4);
    PutSegment(marker.At.x, marker.At.y, marker.Wing1.x, marker.Wing1.y);
    PutZFlags(4);
    PutSegment(marker.At.x, marker.At.y, marker.Wing2.x, marker.Wing2.y);
  } else {
    PutZFlags(4);
    PutPoint(static_cast<int32_t>(marker.Kind), marker.At.x, marker.At.y,
             marker.Size, marker.Angle);
  }
}

void PutEndMarker(MarkerKind kind, Point end, double end_angle,
                  const MarkerStyle& style) {
  WriteEndMarker(MakeEndMarker(kind, end, end_angle, style));
}

void WriteLineAndValue(const DimensionLine& line, const TextFrame& frame,
                       const ValueLabel& label, bool as_figure) {
  const Point& d1 = line.D1;
  const Point& d2 = line.D2;
  const Point& at = label.Position;
  const Point& dir = label.Direction;
  if (as_figure) {
    PutTextType(frame.Type, frame.Color, 0, frame.W, frame.H, frame.D);
    PutDimText(label.Text, d1.x, d1.y, d2.x, d2.y, at.x, at.y, dir.x, dir.y);
    return;
  }
  PutZFlags(4);
  PutSegment(d1.x, d1.y, d2.x, d2.y);
  PutTextType(frame.Type, frame.Color, 0, frame.W, frame.H, frame.D);
  PutTextCode(0);
  PutZFlags(4);
  PutText(kTextKindCs, label.Text, at.x, at.y, dir.x, dir.y);
}

void WriteDimension(const DimensionPlan& plan, bool as_figure) {
  WriteSegment(plan.Extension1);
  WriteSegment(plan.Extension2);
  WriteLineAndValue(plan.Line, plan.Frame, plan.Label, as_figure);
  if (plan.Run1) WriteSegment(*plan.Run1);
  WriteEndMarker(plan.StartMark);
  if (plan.Run2) WriteSegment(*plan.Run2);
  WriteEndMarker(plan.EndMark);
}

}  // namespace halvane
