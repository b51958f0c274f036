#include "form/live_preview.h"

#include <cmath>
#include <numbers>
#include <span>

#include "dimension/glyph_shapes.h"
#include "form/form_controls.h"
#include "form/ok_outcome.h"
#include "form/preview_fit.h"
#include "form/refusal_message.h"
#include "util/texts.h"

namespace halvane {

namespace {

constexpr double kMargin = 16;     // pixels around the drawing
constexpr double kPickRadius = 3;  // of a picked point's mark
constexpr double kPickLabel = 11;  // character height of its number

// Collects the drawing in drawing units, then fits it to the pane.
class SceneBuilder {
 public:
  void Path(std::vector<Point> points, bool closed, bool filled,
            PreviewInk ink = PreviewInk::Drawing) {
    for (const Point& p : points) box_.Add(p);
    paths_.push_back({std::move(points), closed, filled, ink});
  }
  void Segment(Point from, Point to) { Path({from, to}, false, false); }
  // Width, height and spacing in drawing units.
  void Text(const std::string& text, Point at, double angle, double width,
            double height, double spacing) {
    box_.Add(at);
    texts_.push_back({text, at, angle, width, height, spacing});
  }
  void Pick(Point at, int number) {
    box_.Add(at);
    picks_.push_back({at, number});
  }

  PreviewScene Fit(double width, double height) const {
    const FitTransform fit = FitToPane(box_, width, height, kMargin);
    PreviewScene scene;
    for (const PreviewPath& path : paths_) {
      PreviewPath out = path;
      for (Point& p : out.Points) p = fit.Apply(p);
      scene.Paths.push_back(std::move(out));
    }
    for (const PreviewText& text : texts_) {
      PreviewText out = text;
      out.At = fit.Apply(text.At);
      out.CharWidth = fit.Length(text.CharWidth);
      out.CharHeight = fit.Length(text.CharHeight);
      out.Spacing = fit.Length(text.Spacing);
      scene.Texts.push_back(std::move(out));
    }
    for (const auto& [at, number] : picks_)
      AddPickMark(scene, fit.Apply(at), number);
    return scene;
  }

 private:
  struct PickedPoint {
    Point At;
    int Number;
  };

  // A small ring and the point's number beside it, in pane pixels.
  static void AddPickMark(PreviewScene& scene, Point at, int number) {
    PreviewPath ring{{}, true, false, PreviewInk::Picked};
    constexpr int kSteps = 12;
    for (int i = 0; i < kSteps; ++i) {
      const double t = 2 * std::numbers::pi * i / kSteps;
      ring.Points.push_back(
          {at.x + kPickRadius * std::cos(t), at.y + kPickRadius * std::sin(t)});
    }
    scene.Paths.push_back(std::move(ring));
    scene.Texts.push_back({std::to_string(number),
                           {at.x + kPickRadius + 1, at.y - kPickRadius - 1},
                           0,
                           kPickLabel,
                           kPickLabel,
                           0,
                           PreviewInk::Picked});
  }

  DrawingBox box_;
  std::vector<PreviewPath> paths_;
  std::vector<PreviewText> texts_;
  std::vector<PickedPoint> picks_;
};

// One entity of the drawing, as the host draws it.
class EntityPainter {
 public:
  EntityPainter(SceneBuilder& scene, double scale)
      : scene_(scene), scale_(scale) {}

  void operator()(const DrawnSegment& segment) const {
    scene_.Segment(segment.Line.From, segment.Line.To);
  }
  void operator()(const DrawnText& text) const { Text(text.Frame, text.Label); }
  void operator()(const DrawnFigure& figure) const {
    scene_.Segment(figure.Line.From, figure.Line.To);
    Text(figure.Frame, figure.Label);
  }
  void operator()(const DrawnGlyph& glyph) const {
    const double size = glyph.Size * scale_;
    for (const GlyphOutline& outline : GlyphOutlines(glyph.Kind)) {
      std::vector<Point> points;
      for (const Point& p : outline.Points)
        points.push_back(
            RotatePoint({glyph.At.x + p.x * size, glyph.At.y + p.y * size},
                        glyph.At, glyph.Angle));
      scene_.Path(std::move(points), outline.Closed, outline.Filled);
    }
  }

 private:
  void Text(const TextFrame& frame, const ValueLabel& label) const {
    const double angle = DirectionDeg(label.Direction.x, label.Direction.y);
    scene_.Text(label.Text, label.Position, angle, frame.W * scale_,
                frame.H * scale_, frame.D * scale_);
  }

  SceneBuilder& scene_;
  double scale_;
};

PreviewScene Notice(std::string text) {
  PreviewScene scene;
  scene.Notice = std::move(text);
  return scene;
}

// The label that names the option: a radio group's caption, else the label
// on the control's own line left of it, else the first beside it.
std::string OptionLabel(ControlId id) {
  const ControlRow& row = RowOf(id);
  if (row.Kind == ControlKind::Radio || row.LabelCount == 0) return row.Text;
  const auto beside =
      std::span(row.Labels).first(static_cast<std::size_t>(row.LabelCount));
  for (const LabelPlace& label : beside)
    if (label.Left < row.Place.Left && label.Top >= row.Place.Top &&
        label.Top < row.Place.Top + row.Place.Height)
      return label.Text;
  return beside.front().Text;
}

// What the user must set before OK can draw, by the option's label.
std::string RefusedOptionNotice(ControlId id) {
  const ControlKind kind = KindOf(id);
  const bool chosen = kind == ControlKind::List || kind == ControlKind::Radio;
  return kPreviewOptionBefore + OptionLabel(id) +
         (chosen ? kPreviewChooseAfter : kPreviewCorrectAfter);
}

bool AllPicked(const ExchangeData& data) {
  for (int n = 1; n <= 4; ++n)
    if (!data.PickedPoints[n].Used) return false;
  return true;
}

// Started without the host: a dimension of 60 paper mm in its direction.
DimensionPoints SamplePoints(DimensionDirection direction, double scale) {
  const auto at = [&](double x, double y) {
    return Point{x * scale, y * scale};
  };
  switch (direction) {
    case DimensionDirection::Vertical:
      return {at(0, 0), at(10, 60), at(-15, 0), at(-15, 30)};
    case DimensionDirection::Aligned:
      return {at(0, 0), at(52, 30), at(-7.5, 13), at(18.5, 28)};
    case DimensionDirection::Horizontal:
      break;
  }
  return {at(0, 0), at(60, 10), at(0, -15), at(30, -15)};
}

}  // namespace

PreviewScene ComputePreview(const TForm1& form, double width, double height) {
  const ExchangeData& data = form.Run().Input;
  const bool picked = AllPicked(data);
  const DimensionPoints points =
      picked ? PickedDimensionPoints(data)
             : SamplePoints(form.Direction, DrawingScale(data));
  const OkOutcome outcome = DecideOk(form, points);
  if (const auto* refused = std::get_if<ControlId>(&outcome))
    return Notice(RefusedOptionNotice(*refused));
  if (const auto* refusal = std::get_if<PlanRefusal>(&outcome))
    return Notice(RefusalMessage(*refusal));
  const auto& drawing = std::get<DimensionDrawing>(outcome);
  SceneBuilder scene;
  const EntityPainter painter(scene, drawing.Scale);
  for (const DrawingEntity& entity : drawing.Entities)
    std::visit(painter, entity.Shape);
  if (picked) {
    int number = 1;
    for (const Point& p : {points.P1, points.P2, points.P3, points.P4})
      scene.Pick(p, number++);
  }
  return scene.Fit(width, height);
}

void TForm1::ApplyLive() {
  if (!Live()) return;
  const PixelRect& pane = RowOf(ControlId::Preview).Place;
  Preview = ComputePreview(*this, pane.Width, pane.Height);
  Toolkit().RepaintPreview();
}

}  // namespace halvane
