// What one OK draws: the entities in the order they are written, each with
// the attributes it is drawn with, in drawing units. The writers put it out
// and a painter walks the same list.
#pragma once

#include <cstdint>
#include <string>
#include <variant>
#include <vector>

#include "dimension/dimension_plan.h"

namespace halvane {

// The host's current attributes, from the first lines of its file.
struct DrawingAttributes {
  int32_t Group = 0;
  int32_t Layer = 0;
  int32_t LineColor = 1;  // of segments and glyphs
  int32_t LineType = 1;
  int32_t LineWidth = 0;
  std::string FontName;  // Shift-JIS, of texts
  bool operator==(const DrawingAttributes&) const = default;
};

DrawingAttributes HostAttributes(const ExchangeData& data);

struct DrawnSegment {
  Segment Line;
  bool operator==(const DrawnSegment&) const = default;
};

// A text of the kind "cs" in text code 0: left at the baseline. Drawn in its
// frame's colour, its frame's sizes times the drawing's scale.
struct DrawnText {
  TextFrame Frame;
  ValueLabel Label;
  bool operator==(const DrawnText&) const = default;
};

// The host draws GlyphOutlines(Kind) turned by Angle about At, scaled by Size
// times the drawing's scale.
struct DrawnGlyph {
  MarkerKind Kind = MarkerKind::Triangle;
  Point At;
  double Size = 1;
  double Angle = 0;  // degrees
  bool operator==(const DrawnGlyph&) const = default;
};

// The dimension line and its value as one dimension figure of the host.
struct DrawnFigure {
  Segment Line;
  TextFrame Frame;
  ValueLabel Label;
  bool operator==(const DrawnFigure&) const = default;
};

using DrawnShape =
    std::variant<DrawnSegment, DrawnText, DrawnGlyph, DrawnFigure>;

struct DrawingEntity {
  DrawnShape Shape;
  DrawingAttributes With;
  bool operator==(const DrawingEntity&) const = default;
};

struct DimensionDrawing {
  std::vector<DrawingEntity> Entities;
  // Set once everything is drawn: the host's own text type comes back.
  TextFrame TextTypeAfter{};
  double Scale = 1;  // drawing units per paper mm
  bool operator==(const DimensionDrawing&) const = default;
};

// Two wings from the end point, or one glyph.
std::vector<DrawnShape> MarkerShapes(const EndMarker& marker);

// A segment and then the value's text, or one dimension figure.
std::vector<DrawnShape> LineAndValueShapes(const DimensionLine& line,
                                           const TextFrame& frame,
                                           const ValueLabel& label,
                                           bool as_figure);

// The drawing of one dimension, or why there is none (see PlanDimension):
// the extension lines, the dimension line with its value, then at each end
// the run line (when due) and the marker.
std::variant<DimensionDrawing, PlanRefusal> DrawDimension(
    const DimensionPoints& points, const DimensionOptions& options,
    const ExchangeData& data);

}  // namespace halvane
