// The dimension value: its text frame, its text, its angle and position, and
// the output of the dimension line with the value.
#pragma once

#include <cstdint>
#include <string>

#include "dimension/dimension_geometry.h"
#include "dimension/dimension_options.h"
#include "exchange/exchange_data.h"

namespace halvane {

// Always given whole.
struct TextFrame {
  int32_t Type;    // 0: free size
  double W, H, D;  // paper mm
  int32_t Color;
  bool operator==(const TextFrame&) const = default;
};

// Choice 0 is the host's current text type; 1..10 name a text type.
TextFrame ChooseTextFrame(int choice, const ExchangeData& data);

// prefix + number + unit sign + suffix, for a length in drawing units.
std::string BuildValueText(double length, const DimensionOptions& options);

struct ValueLabel {
  std::string Text;
  Point Position;  // insertion point
  Point Direction;
  bool operator==(const ValueLabel&) const = default;
};

// Places a value of drawn width `width` (drawing units) at the value point
// p4, shifted along the line by `shift`, `distance` above the line through
// p3, in P1's frame.
ValueLabel PlaceValueLabel(std::string text, Point p1, Point p3, Point p4,
                           double drawing_angle, double width, double shift,
                           double distance);

}  // namespace halvane
