#include "dimension/dimension_output.h"

#include "dimension/dimension_output_internal.h"
#include "exchange/attribute_writers.h"
#include "exchange/entity_writers.h"

namespace halvane {

namespace {

constexpr int kTextKindCs = 2;

void PutFrame(ExchangeOutput& out, const TextFrame& frame) {
  PutTextType(out, frame.Type, frame.Color, 0, frame.W, frame.H, frame.D);
}

void WriteAttributes(ExchangeOutput& out, const DrawingAttributes& with) {
  PutLayerGroup(out, with.Group);
  PutLayer(out, with.Layer);
  PutLineColor(out, with.LineColor, 0);
  PutPointColor(out, with.LineColor, 0);
  PutLineType(out, with.LineType, 0);
  PutLineWidth(out, with.LineWidth);
  PutFontName(out, with.FontName);
}

struct ShapeWriter {
  void operator()(const DrawnSegment& s) const { WriteSegment(out, s.Line); }

  void operator()(const DrawnText& t) const {
    const ValueLabel& label = t.Label;
    PutFrame(out, t.Frame);
    PutTextCode(out, 0);
    PutZFlags(out, kZ3Flag);
    PutText(out, kTextKindCs, label.Text, label.Position.x, label.Position.y,
            label.Direction.x, label.Direction.y);
  }

  void operator()(const DrawnGlyph& g) const {
    PutZFlags(out, kZ3Flag);
    PutPoint(out, static_cast<int32_t>(g.Kind), g.At.x, g.At.y, g.Size,
             g.Angle);
  }

  void operator()(const DrawnFigure& f) const {
    const Point& d1 = f.Line.From;
    const Point& d2 = f.Line.To;
    const Point& at = f.Label.Position;
    const Point& dir = f.Label.Direction;
    PutFrame(out, f.Frame);
    PutDimText(out, f.Label.Text, d1.x, d1.y, d2.x, d2.y, at.x, at.y, dir.x,
               dir.y);
  }

  ExchangeOutput& out;
};

void WriteShapes(ExchangeOutput& out, const std::vector<DrawnShape>& shapes) {
  for (const DrawnShape& shape : shapes) WriteShape(out, shape);
}

}  // namespace

void WriteSegment(ExchangeOutput& out, const Segment& segment) {
  PutZFlags(out, kZ3Flag);
  PutSegment(out, segment.From.x, segment.From.y, segment.To.x, segment.To.y);
}

void WriteShape(ExchangeOutput& out, const DrawnShape& shape) {
  std::visit(ShapeWriter{out}, shape);
}

void WriteEndMarker(ExchangeOutput& out, const EndMarker& marker) {
  WriteShapes(out, MarkerShapes(marker));
}

void PutEndMarker(ExchangeOutput& out, MarkerKind kind, Point end,
                  double end_angle, const MarkerStyle& style) {
  WriteEndMarker(out, MakeEndMarker(kind, end, end_angle, style));
}

void WriteLineAndValue(ExchangeOutput& out, const DimensionLine& line,
                       const TextFrame& frame, const ValueLabel& label,
                       bool as_figure) {
  WriteShapes(out, LineAndValueShapes(line, frame, label, as_figure));
}

void WriteDrawing(ExchangeOutput& out, const DimensionDrawing& drawing) {
  for (const DrawingEntity& entity : drawing.Entities) {
    WriteAttributes(out, entity.With);
    WriteShape(out, entity.Shape);
  }
  PutFrame(out, drawing.TextTypeAfter);
}

}  // namespace halvane
