// Everything one dimension writes, worked out before anything is written, so
// that a dimension that cannot be drawn leaves no line behind.
#pragma once

#include <optional>

#include "dimension/dimension_geometry.h"
#include "dimension/dimension_options.h"
#include "dimension/end_markers.h"
#include "dimension/value_text.h"
#include "exchange/exchange_data.h"

namespace halvane {

struct DimensionPoints {
  Point P1;  // first measured point, the start
  Point P2;  // second measured point, the end
  Point P3;  // the dimension line passes through it
  Point P4;  // the value point
};

struct DimensionPlan {
  DimensionLine Line;
  Segment Extension1, Extension2;
  TextFrame Frame;
  ValueLabel Label;
  bool Reversed = false;
  std::optional<Segment> Run1, Run2;
  EndMarker StartMark, EndMark;
  bool operator==(const DimensionPlan&) const = default;
};

// The scale of the host's layer group: drawing units per paper mm.
double DrawingScale(const ExchangeData& data);

// The four picked points of the host's file.
DimensionPoints PickedDimensionPoints(const ExchangeData& data);

// The longest value text that one output line holds whole.
inline constexpr std::size_t kMaxValueTextBytes = 255;

// Why a dimension cannot be drawn. "Too large" is beyond what a number of the
// file can hold and read back.
enum class PlanRefusal {
  ZeroLength,
  CoordinateTooLarge,  // a picked point, the length or any point drawn
  TextSizeTooLarge,    // of the value's text type or the host's free size
  DistanceTooLarge,    // a distance of the options at the drawing scale
  MarkerTooLarge,
  ValueTooLong,  // more than kMaxValueTextBytes
};

// The distances of `options` are paper mm, scaled here. Nothing when the
// dimension has no length or cannot be written; then `refusal`, when given,
// names the first cause found: the picked points, the length, the text size,
// the value text, the distances, the markers, then the points drawn. Lengths
// and the value's side are judged with a tolerance of 1e-10, or 1e-13 of the
// largest coordinate of the four points when that is more.
std::optional<DimensionPlan> PlanDimension(const DimensionPoints& points,
                                           const DimensionOptions& options,
                                           const ExchangeData& data,
                                           PlanRefusal* refusal = nullptr);

}  // namespace halvane
