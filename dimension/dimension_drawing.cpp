#include "dimension/dimension_drawing.h"

namespace halvane {

DrawingAttributes HostAttributes(const ExchangeData& data) {
  return {data.HostGroup,    data.HostLayer,     data.HostLineColor,
          data.HostLineType, data.HostLineWidth, data.HostFontName};
}

std::vector<DrawnShape> MarkerShapes(const EndMarker& marker) {
  if (marker.Kind == MarkerKind::LineArrow) {
    return {DrawnSegment{{marker.At, marker.Wing1}},
            DrawnSegment{{marker.At, marker.Wing2}}};
  }
  return {DrawnGlyph{marker.Kind, marker.At, marker.Size, marker.Angle}};
}

std::vector<DrawnShape> LineAndValueShapes(const DimensionLine& line,
                                           const TextFrame& frame,
                                           const ValueLabel& label,
                                           bool as_figure) {
  const Segment segment{line.D1, line.D2};
  if (as_figure) return {DrawnFigure{segment, frame, label}};
  return {DrawnSegment{segment}, DrawnText{frame, label}};
}

std::variant<DimensionDrawing, PlanRefusal> DrawDimension(
    const DimensionPoints& points, const DimensionOptions& options,
    const ExchangeData& data) {
  PlanRefusal refusal = PlanRefusal::ZeroLength;
  const auto plan = PlanDimension(points, options, data, &refusal);
  if (!plan) return refusal;

  DimensionDrawing drawing;
  drawing.Scale = DrawingScale(data);
  drawing.TextTypeAfter = {data.HostTextType, data.HostFreeW, data.HostFreeH,
                           data.HostFreeD, data.HostFreeColor};
  const DrawingAttributes with = HostAttributes(data);
  const auto add = [&](std::vector<DrawnShape> shapes) {
    for (DrawnShape& shape : shapes) {
      drawing.Entities.push_back({std::move(shape), with});
    }
  };
  add({DrawnSegment{plan->Extension1}, DrawnSegment{plan->Extension2}});
  add(LineAndValueShapes(plan->Line, plan->Frame, plan->Label,
                         options.AsFigure));
  if (plan->Run1) add({DrawnSegment{*plan->Run1}});
  add(MarkerShapes(plan->StartMark));
  if (plan->Run2) add({DrawnSegment{*plan->Run2}});
  add(MarkerShapes(plan->EndMark));
  return drawing;
}

}  // namespace halvane
