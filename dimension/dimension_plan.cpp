#include "dimension/dimension_plan.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>

#include "util/sjis_text.h"

namespace halvane {

namespace {

// Larger numbers are written with 15 digits that may round beyond the
// double range and then not read back.
constexpr double kLargestWritable = 1e308;

bool Writable(std::initializer_list<double> values) {
  for (double v : values) {
    if (!(std::fabs(v) <= kLargestWritable)) return false;
  }
  return true;
}

bool Writable(Point p) { return Writable({p.x, p.y}); }
bool Writable(const Segment& s) { return Writable(s.From) && Writable(s.To); }
bool Writable(const std::optional<Segment>& s) { return !s || Writable(*s); }

bool Writable(const EndMarker& m) {
  return Writable(m.At) && Writable(m.Wing1) && Writable(m.Wing2) &&
         Writable({m.Size, m.Angle});
}

bool Writable(const DimensionPlan& plan) {
  return Writable(plan.Line.D1) && Writable(plan.Line.D2) &&
         Writable(plan.Extension1) && Writable(plan.Extension2) &&
         Writable(plan.Label.Position) && Writable(plan.Label.Direction) &&
         Writable(plan.Run1) && Writable(plan.Run2) &&
         Writable(plan.StartMark) && Writable(plan.EndMark);
}

// Turning a point by the axis angle leaves noise of about 1e-16 of its
// coordinates; far from the origin that outgrows the fixed 1e-10.
double CoordinateTolerance(const DimensionPoints& points) {
  double largest = 0;
  for (const Point& p : {points.P1, points.P2, points.P3, points.P4}) {
    largest = std::max({largest, std::fabs(p.x), std::fabs(p.y)});
  }
  return std::max(1e-10, 1e-13 * largest);
}

// The angle the dimension measures along, the one place that looks at its
// direction.
double MeasuringAngle(const DimensionPoints& points,
                      DimensionDirection direction, double drawing_angle) {
  switch (direction) {
    case DimensionDirection::Horizontal:
      break;
    case DimensionDirection::Vertical:
      // Reduced first: beyond 2^53 adding a quarter turn is lost or rounded.
      return std::fmod(drawing_angle, 360.0) + 90;
    case DimensionDirection::Aligned:
      return DirectionDeg(points.P2.x - points.P1.x, points.P2.y - points.P1.y);
  }
  return drawing_angle;
}

}  // namespace

double DrawingScale(const ExchangeData& data) {
  // The reader only stores groups 0..F; anything else wraps like its digit.
  return data.GroupScale[static_cast<uint32_t>(data.HostGroup) % 16];
}

DimensionPoints PickedDimensionPoints(const ExchangeData& data) {
  const auto point = [&](int n) {
    return Point{data.PickedPoints[n].X, data.PickedPoints[n].Y};
  };
  return {point(1), point(2), point(3), point(4)};
}

std::optional<DimensionPlan> PlanDimension(const DimensionPoints& points,
                                           const DimensionOptions& options,
                                           const ExchangeData& data,
                                           PlanRefusal* refusal) {
  const auto refuse = [&](PlanRefusal why) {
    if (refusal) *refusal = why;
    return std::nullopt;
  };
  if (!Writable(points.P1) || !Writable(points.P2) || !Writable(points.P3) ||
      !Writable(points.P4)) {
    return refuse(PlanRefusal::CoordinateTooLarge);
  }
  const double angle =
      MeasuringAngle(points, options.Direction, data.DrawingAngle);
  const double scale = DrawingScale(data);
  const double tolerance = CoordinateTolerance(points);
  DimensionPlan plan;
  plan.Line = MakeDimensionLine(points.P1, points.P2, points.P3, angle);
  const double length = plan.Line.Length;
  if (!(std::fabs(length) >= tolerance)) {
    return refuse(PlanRefusal::ZeroLength);
  }
  if (!Writable({length})) return refuse(PlanRefusal::CoordinateTooLarge);

  plan.Frame = ChooseTextFrame(options.TextTypeChoice, data);
  std::string text = BuildValueText(length, options);
  const double width = TextLength(text, plan.Frame.W, plan.Frame.D) * scale;
  if (!Writable({plan.Frame.W, plan.Frame.H, plan.Frame.D, data.HostFreeW,
                 data.HostFreeH, data.HostFreeD, width})) {
    return refuse(PlanRefusal::TextSizeTooLarge);
  }
  if (text.size() > kMaxValueTextBytes) {
    return refuse(PlanRefusal::ValueTooLong);
  }

  const double gap = options.ExtensionGap * scale;
  const double overshoot = options.ExtensionOvershoot * scale;
  const double reverse_overshoot = options.ReverseOvershoot * scale;
  const double distance = options.ValueDistance * scale;
  if (!Writable({gap, overshoot, reverse_overshoot, distance})) {
    return refuse(PlanRefusal::DistanceTooLarge);
  }
  const MarkerStyle style{options.ArrowLength, options.ArrowAngle,
                          options.MarkerScale, scale};
  // A line arrow's wings reach the arrow length; a glyph is written with the
  // bare marker scale, and its depth may overflow to reverse the markers.
  const auto marker_size = [&](MarkerKind kind) {
    return kind == MarkerKind::LineArrow ? options.ArrowLength * scale
                                         : options.MarkerScale;
  };
  if (!Writable(
          {marker_size(options.StartKind), marker_size(options.EndKind)})) {
    return refuse(PlanRefusal::MarkerTooLarge);
  }

  plan.Extension1 =
      MakeExtensionLine(points.P1, plan.Line.B1, angle, gap, overshoot);
  plan.Extension2 =
      MakeExtensionLine(points.P2, plan.Line.B2, angle, gap, overshoot);
  const ValuePlacement placement = PlaceValueAlongLine(
      points.P1, points.P2, points.P4, angle, width, tolerance);
  plan.Label = PlaceValueLabel(std::move(text), points.P1, points.P3, points.P4,
                               angle, width, placement.Shift, distance);

  plan.Reversed = MarkersReversed(MarkerDepth(options.StartKind, style),
                                  MarkerDepth(options.EndKind, style),
                                  plan.Line.Length, placement.Side);
  const Point d1 = plan.Line.D1;
  const Point d2 = plan.Line.D2;
  const double angle1 = EndAngle(d1, d2, plan.Reversed);
  const double angle2 = EndAngle(d2, d1, plan.Reversed);
  if (plan.Reversed) {
    plan.Run1 =
        MakeRunLine(d1, angle1, placement.Side == ValueSide::BeyondStart,
                    placement.Run, reverse_overshoot);
    plan.Run2 = MakeRunLine(d2, angle2, placement.Side == ValueSide::BeyondEnd,
                            placement.Run, reverse_overshoot);
  }
  plan.StartMark = MakeEndMarker(options.StartKind, d1, angle1, style);
  plan.EndMark = MakeEndMarker(options.EndKind, d2, angle2, style);

  if (!Writable(plan)) return refuse(PlanRefusal::CoordinateTooLarge);
  return plan;
}

}  // namespace halvane
